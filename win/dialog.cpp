// The dialog trampoline and the dispatch to the handlers.
#include "win/dialog.h"

#include "win/help.h"
#include "win/resources.h"

namespace win {
namespace {

// The messages whose answer a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return true;
        default:
            return false;
    }
}

}  // namespace

Dialog::~Dialog() {
    // A window that outlives its object must never call into it again.
    if (hwnd_ && ::IsWindow(hwnd_)) ::SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
}

INT_PTR Dialog::DoModal(HWND owner) {
    return ::DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), owner, Procedure,
                             reinterpret_cast<LPARAM>(this));
}

void Dialog::CheckButton(int id, bool checked) const {
    ::CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Dialog::IsButtonChecked(int id) const { return ::IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

void Dialog::ShowItem(int id, bool show) const { ::ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }

void Dialog::EnableItem(int id, bool enable) const { ::EnableWindow(Item(id), enable ? TRUE : FALSE); }

bool Dialog::OnCommand(int id, int, HWND) {
    if (id == IDOK) return OnOK(), true;
    if (id == IDCANCEL) return OnCancel(), true;
    return false;
}

bool Dialog::OnNotify(const NMHDR&, LRESULT&) { return false; }

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->Attach(hwnd);
    }
    if (!self) return FALSE;
    INT_PTR handled = FALSE;
    try {
        handled = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // An exception must never unwind through the window manager.
        handled = FALSE;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->Detach();
    }
    return handled;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
        case WM_INITDIALOG:
            return OnInit() ? TRUE : FALSE;
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        case WM_NOTIFY:
            if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                SetMessageResult(result);
                return TRUE;
            }
            return FALSE;
        default:
            if (!OnMessage(message, wParam, lParam, result)) {
                // F1 in a dialog: its topic, or the focused control's popup with Shift.
                if (message != WM_HELP || !lParam) return FALSE;
                help::Answer(hwnd_, templateId_, *reinterpret_cast<const HELPINFO*>(lParam));
                SetMessageResult(TRUE);
                return TRUE;
            }
            if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
            SetMessageResult(result);
            return TRUE;
    }
}

}  // namespace win
