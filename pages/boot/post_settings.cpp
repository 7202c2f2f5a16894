// The POST page's model over the boot options and fan calls.
#include "pages/boot/post_settings.h"

#include "bios/boot_calls.h"
#include "pages/setting_description.h"
#include "res/resource.h"

namespace tlw {

PostSettings::PostSettings()
    : pendingSimpleBoot_([](std::uint8_t on) { EnableSimpleBoot(on != 0); }, Effect::AfterRestart),
      pendingFastPost_([](std::uint8_t on) { EnableFastPOST(on != 0); }, Effect::AfterRestart) {}

void PostSettings::Load() {
    // A read that fails leaves its box as it was.
    std::uint8_t on = 0;
    if (GetFanStatus(on)) fan_ = on != 0;
    if (GetSimpleBoot(on)) simpleBoot_ = on != 0;
    if (GetFastPOST(on)) fastPost_ = on != 0;
    pendingSimpleBoot_.Drop();
    pendingFastPost_.Drop();
}

void PostSettings::ChooseSimpleBoot(bool on) {
    simpleBoot_ = on;
    pendingSimpleBoot_.Choose(on ? 1 : 0);
}

void PostSettings::ChooseFastPost(bool on) {
    fastPost_ = on;
    pendingFastPost_.Choose(on ? 1 : 0);
}

ApplyResult PostSettings::Apply() {
    EnableFan(fan_);
    fanAppliedOn_ = fan_;
    ApplyResult result = ApplyResult::Applied;
    result |= pendingSimpleBoot_.Apply();
    result |= pendingFastPost_.Apply();
    return result;
}

void PostSettings::RestorePrevious() {
    pendingSimpleBoot_.Restore();
    pendingFastPost_.Restore();
    if (fanAppliedOn_) EnableFan(true);
    fanAppliedOn_ = false;
}

const SettingTable<PostSettings>& PostSettings::Described() {
    using Row = SettingDescription<PostSettings>;
    static const Row rows[] = {
        {"fast_boot", SettingKind::OnOff, IDS_ENABLE_FAST_BOOT, "", {},
         [](const PostSettings& m, SettingValue& v) {
             v.number = m.simpleBoot();
             return true;
         }, nullptr,
         [](PostSettings& m, const SettingValue& v) { m.ChooseSimpleBoot(v.number != 0); }},
        {"fan_always_on", SettingKind::OnOff, IDS_FAN_ALWAYS_ON, "", {},
         [](const PostSettings& m, SettingValue& v) {
             v.number = m.fanAlwaysOn();
             return true;
         }, nullptr,
         [](PostSettings& m, const SettingValue& v) { m.ChooseFan(v.number != 0); }},
    };
    static const SettingTable<PostSettings> table = {
        IDD_POST_PAGE, [](PostSettings& m) { m.Load(); }, [](PostSettings& m) { return m.Apply(); }, rows};
    return table;
}

}  // namespace tlw
