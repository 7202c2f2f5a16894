// The information page's DMI identity and its one BIOS write, the asset tag:
// the rows read afresh at each fill of the list, whether the tag may be
// changed, and a new tag waiting for Apply. No windows.h here.
#pragma once

#include <vector>

#include "dmi/identity_rows.h"
#include "dmi/identity_walk.h"
#include "pages/info/asset_tag_entry.h"
#include "pages/settings_model.h"

namespace tlw {

template <typename Model>
struct SettingTable;

class IdentitySettings : public SettingsModel {
public:
    // Reads the DMI table through the proxy and walks it into the fields kept
    // between reads; drops a pending tag. A failed read leaves no rows and
    // the fields and the button as they were.
    void Load() override;
    // Writes a pending tag: 31 blanks first, then the new tag, each through
    // SetAssetTag with the address of the asset tag field, whose text then
    // is the new tag until a read finds the enclosure again. Empties the
    // dialog's texts.
    ApplyResult Apply() override;
    // Discards a pending tag and empties the dialog's texts; writes nothing.
    void RestorePrevious() override;

    // The identity rows of the last Load; none when its read failed.
    const std::vector<dmi::IdentityRow>& rows() const { return rows_; }
    // False once a read found a tag, and while the last read could not see
    // whether there is one (the table was cut before its enclosure): the tag
    // is entered once only, and never over one the program could not see. A
    // failed read changes nothing.
    bool CanChangeTag() const { return canChangeTag_; }

    // The asset tag dialog's texts.
    AssetTagEntry& entry() { return entry_; }
    // The dialog ended with OK: its new tag waits for Apply.
    void TagEntered() { pending_ = true; }
    bool HasPending() const { return pending_; }

    const dmi::Identity& identity() const { return identity_; }

    // asset_tag, for the console tool.
    static const SettingTable<IdentitySettings>& Described();

private:
    dmi::Identity identity_;
    std::vector<dmi::IdentityRow> rows_;
    AssetTagEntry entry_;
    bool pending_ = false;
    bool tagSeen_ = false;
    bool canChangeTag_ = true;
};

}  // namespace tlw
