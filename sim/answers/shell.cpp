// The shell-side calls: platform check, hotkey button, checksum, setup
// defaults, setup password and power-button actions.
#include "bios/call_rows.h"
#include "sim/answers/area.h"
#include "sim/answers/password.h"

namespace tlw::sim {
namespace {

void PlatformCheck(Request& r) { r.out().ebx = (r.in.ebx & 0xFFFF0000u) | r.state.shell.revision; }

void HotkeyButton(Request& r) {
    if (r.bh() > 1) return r.Refuse(kAhBadArgument);
    r.state.shell.hotkeyButtonOn = r.bh() == 1;
    r.Changed();
}

void Checksum(Request&) {}

void SetupDefaults(Request& r) {
    LoadSetupDefaults(r.state);
    r.Changed();
}

// Also answers AskSetupPasswd and DisableSetupPasswd: the same function with
// BH = 1 and BH = 0.
void SetupPassword(Request& r) { AnswerPassword(r, r.state.shell.setupPassword); }

void PowerButtonAction(Request& r) {
    const std::uint8_t button = r.in.ecx >> 8 & 0xFF;
    const std::uint8_t action = r.in.ecx & 0xFF;
    if (r.bh() != 1 || button >= kButtonCount || action > 3) return r.Refuse(kAhBadArgument);
    r.state.shell.settings.buttonAction[button] = action;
    r.Changed();
}

const Answer kAnswers[] = {
    {&row::ZEFACheck, PlatformCheck},
    {&row::SetHotkeyButton, HotkeyButton},
    {&row::CMOSChecksum, Checksum},
    {&row::LoadSetupDefault, SetupDefaults},
    {&row::SetChkSetupPasswd, SetupPassword},
    {&row::SetPowerButtonAction, PowerButtonAction},
};

void Keys(StateKeys& keys, NotebookState& state) {
    ShellState& s = state.shell;
    keys.Number("revision", s.revision, "interface revision the platform check returns in BX (BH major, BL minor)");
    keys.ByteList("setup_password", s.setupPassword, 8,
                  "setup password as keyboard scan codes in hex, e.g. 1E 30 2E; empty: none");
    keys.OnOff("hotkey_button", s.hotkeyButtonOn, "the hotkey button: on or off");
    keys.Byte("lid_button_action", s.settings.buttonAction[kLidButton],
              "action of closing the lid: 0 none, 1 standby, 2 hibernate, 3 shutdown");
    keys.Byte("power_button_action", s.settings.buttonAction[kPowerButton],
              "action of the power button, coded as lid_button_action");
    keys.Byte("sleep_button_action", s.settings.buttonAction[kSleepButton],
              "action of the sleep button, coded as lid_button_action");
}

void LoadDefaults(NotebookState& state) { state.shell.settings = {}; }

}  // namespace

extern const Area kShellArea = MakeArea(kAnswers, Keys, LoadDefaults);

}  // namespace tlw::sim
