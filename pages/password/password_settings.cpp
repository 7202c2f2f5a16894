// The password page's model on the BIOS calls.
#include "pages/password/password_settings.h"

#include <initializer_list>

#include "bios/password_calls.h"
#include "bios/shell_calls.h"

namespace tlw {

void PasswordSettings::Load() {
    std::uint8_t ah = 0;
    powerOn_.record = PasswordRecord::State(AskPowerOnPasswd(ah));
    setup_.record = PasswordRecord::State(AskSetupPasswd(ah));
    powerOn_.pending = false;
    setup_.pending = false;
}

void PasswordSettings::Choose(Password which, const PasswordRecord& chosen) {
    Slot& s = slot(which);
    s.record = chosen;
    s.pending = true;
}

ApplyResult PasswordSettings::Apply() {
    ApplyResult result = ApplyResult::Nothing;
    for (Password which : {Password::PowerOn, Password::Setup}) {
        Slot& s = slot(which);
        if (!s.pending) continue;
        Write(which, s.record);
        s.lastApplied = s.record;
        s.applied = true;
        s.pending = false;
        result = ApplyResult::Applied;
    }
    return result;
}

void PasswordSettings::RestorePrevious() {
    for (Password which : {Password::PowerOn, Password::Setup}) {
        Slot& s = slot(which);
        if (s.applied) Write(which, s.lastApplied);
        s.applied = false;
        s.lastApplied.Wipe();
        s.pending = false;
    }
}

void PasswordSettings::Write(Password which, const PasswordRecord& record) {
    // What the BIOS answers is not looked at: a written password counts as applied.
    std::uint8_t ah = 0;
    const auto length = static_cast<std::uint16_t>(record.length);
    if (which == Password::PowerOn) {
        if (record.enabled) {
            SetChkPowerOnPasswd(ah, 2, record.codes, length);
        } else {
            DisablePowerOnPasswd(ah);
        }
    } else {
        if (record.enabled) {
            SetChkSetupPasswd(ah, 2, record.codes, length);
        } else {
            DisableSetupPasswd(ah);
        }
    }
}

}  // namespace tlw
