// The password page's model: for the power-on and the setup password, what
// the change password dialog opens with (whether one is set, or what the user
// chose there), the choice Apply has still to write, and what Apply last wrote
// in this run. The BIOS never gives a password back, only whether one is set.
#pragma once

#include "controls/password_record.h"
#include "pages/settings_model.h"

namespace tlw {

enum class Password { PowerOn, Setup };

class PasswordSettings : public SettingsModel {
public:
    // Asks whether each password is set; each record becomes that state with
    // no codes, and pending choices are dropped. A failed query reads as "not
    // set", which is also how the BIOS says it.
    void Load() override;
    // Writes each chosen password, the power-on password first: an enabled
    // record is stored (mode 2, its codes and length), a disabled one removes
    // the password. Passwords never need a restart.
    ApplyResult Apply() override;
    // Writes again each password Apply wrote in this run, then forgets them.
    void RestorePrevious() override;

    // What the change password dialog for `which` opens with.
    const PasswordRecord& record(Password which) const { return slot(which).record; }
    // The dialog ended with OK: `chosen` is written at the next Apply.
    void Choose(Password which, const PasswordRecord& chosen);

    bool HasPending(Password which) const { return slot(which).pending; }
    bool HasApplied(Password which) const { return slot(which).applied; }

private:
    struct Slot {
        PasswordRecord record;
        bool pending = false;
        bool applied = false;
        PasswordRecord lastApplied;
    };

    Slot& slot(Password which) { return which == Password::PowerOn ? powerOn_ : setup_; }
    const Slot& slot(Password which) const { return which == Password::PowerOn ? powerOn_ : setup_; }
    static void Write(Password which, const PasswordRecord& record);

    Slot powerOn_;
    Slot setup_;
};

}  // namespace tlw
