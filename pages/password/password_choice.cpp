// The change password dialog's OK.
#include "pages/password/password_choice.h"

namespace tlw {

PasswordChoice ChoosePassword(const PasswordRecord& typedNew, const PasswordRecord& typedConfirm, bool toggled,
                              PasswordRecord& chosen) {
    if (typedNew.typed == 0 && !toggled) return PasswordChoice::Unchanged;
    if (typedNew.enabled == 0) {
        chosen = typedNew;
        return PasswordChoice::Remove;
    }
    if (!SamePassword(typedNew, typedConfirm)) return PasswordChoice::Mismatch;
    chosen = typedNew;
    if (chosen.length > 0) return PasswordChoice::Set;
    chosen.enabled = 0;
    return PasswordChoice::Remove;
}

}  // namespace tlw
