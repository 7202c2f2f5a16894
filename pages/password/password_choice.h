// What OK of the change password dialog makes of its two boxes. No windows.h:
// tested natively.
#pragma once

#include "controls/password_record.h"

namespace tlw {

enum class PasswordChoice {
    Unchanged,  // nothing typed and the check box not clicked: as Cancel
    Remove,     // the password is to be removed
    Set,        // the boxes agree on a password to set
    Mismatch,   // the boxes differ: the user is told and types again
};

// The choice the dialog's OK makes from the new box `typedNew`, the confirm
// box `typedConfirm` and whether the check box was clicked during this
// opening. For Remove and Set, `chosen` is the record the dialog keeps; an
// empty password agreed on both boxes removes the password.
PasswordChoice ChoosePassword(const PasswordRecord& typedNew, const PasswordRecord& typedConfirm, bool toggled,
                              PasswordRecord& chosen);

}  // namespace tlw
