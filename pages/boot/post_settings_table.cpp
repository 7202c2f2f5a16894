// The POST page's settings as the console tool reads, checks and writes them.
#include "pages/boot/post_settings.h"
#include "pages/setting_description.h"
#include "res/resource.h"

namespace tlw {

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
