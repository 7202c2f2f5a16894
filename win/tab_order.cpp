// The Tab order is the order of the dialog's child windows.
#include "win/tab_order.h"

namespace win {

void SetTabOrder(HWND dialog, std::initializer_list<int> ids) {
    HWND previous = nullptr;
    for (int id : ids) {
        HWND control = ::GetDlgItem(dialog, id);
        if (!control) continue;
        if (previous) {
            ::SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        previous = control;
    }
}

}  // namespace win
