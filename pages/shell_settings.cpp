// The shell's button actions and hotkey button.
#include "pages/shell_settings.h"

#include "bios/shell_calls.h"
#include "pages/setting_description.h"

namespace tlw {
namespace {

// The actions the BIOS takes for a button, as the power button dialog names them.
const ChoiceWord kButtonActions[] = {{0, 0, "none"}, {1, 0, "standby"}, {2, 0, "hibernate"}, {3, 0, "shutdown"}};

template <std::uint8_t kButton>
void StageAction(ShellSettings& shell, const SettingValue& value) {
    shell.buttonActions[kButton] = static_cast<std::uint8_t>(value.number);
}

}  // namespace

ApplyResult ShellSettings::Apply() const {
    ApplyResult result = ApplyResult::Nothing;
    for (std::uint8_t button = 0; button < 3; ++button) {
        if (!buttonActions[button]) continue;
        SetPowerButtonAction(button, *buttonActions[button]);
        result |= ApplyResult::Applied;
    }
    if (hotkeyOn) {
        SetHotkeyButton(*hotkeyOn ? 1 : 0);
        result |= ApplyResult::Applied;
    }
    return result;
}

const SettingTable<ShellSettings>& ShellSettings::Described() {
    using Row = SettingDescription<ShellSettings>;
    static const Row rows[] = {
        {"lid_button_action", SettingKind::Choice, 0, "Lid button action", kButtonActions, nullptr, nullptr,
         StageAction<0>},
        {"power_button_action", SettingKind::Choice, 0, "Power button action", kButtonActions, nullptr, nullptr,
         StageAction<1>},
        {"sleep_button_action", SettingKind::Choice, 0, "Sleep button action", kButtonActions, nullptr, nullptr,
         StageAction<2>},
        {"hotkey_button", SettingKind::OnOff, 0, "Hotkey button", {}, nullptr, nullptr,
         [](ShellSettings& m, const SettingValue& v) { m.hotkeyOn = v.number != 0; }},
    };
    static const SettingTable<ShellSettings> table = {
        0, [](ShellSettings&) {}, [](ShellSettings& m) { return m.Apply(); }, rows};
    return table;
}

}  // namespace tlw
