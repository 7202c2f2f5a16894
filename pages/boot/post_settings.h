// What the POST page reads, holds and writes: the simple boot flag (shown as
// fast boot), fast POST (its box is never shown) and the fan always on. The
// two boot options take effect at the next boot, the fan at once; the fan is
// written at every apply of a changed page, whichever box changed.
#pragma once

#include "pages/pending_setting.h"
#include "pages/settings_model.h"

namespace tlw {

template <typename Model>
struct SettingTable;

class PostSettings : public SettingsModel {
public:
    PostSettings();

    void Load() override;
    ApplyResult Apply() override;
    void RestorePrevious() override;

    // What the boxes show: as read, or as the user chose since.
    bool simpleBoot() const { return simpleBoot_; }
    bool fastPost() const { return fastPost_; }
    bool fanAlwaysOn() const { return fan_; }

    void ChooseSimpleBoot(bool on);
    void ChooseFastPost(bool on);
    void ChooseFan(bool on) { fan_ = on; }

    // fast_boot and fan_always_on, for the console tool.
    static const SettingTable<PostSettings>& Described();

private:
    PendingByte pendingSimpleBoot_;
    PendingByte pendingFastPost_;
    bool simpleBoot_ = false;
    bool fastPost_ = false;
    bool fan_ = false;
    // Only a fan applied on is written again by a restore.
    bool fanAppliedOn_ = false;
};

}  // namespace tlw
