// The one subclass procedure of the controls the program takes over.
#include "win/subclassed_window.h"

namespace win {

SubclassedWindow::~SubclassedWindow() {
    if (hwnd_ && ::IsWindow(hwnd_)) RemoveSubclass(hwnd_, Procedure);
}

bool SubclassedWindow::Subclass(HWND hwnd) {
    Attach(hwnd);
    return hwnd && SetSubclass(hwnd, Procedure, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK SubclassedWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR selfData) {
    auto* self = reinterpret_cast<SubclassedWindow*>(selfData);
    try {
        if (message != WM_NCDESTROY) return self->OnMessage(message, wParam, lParam);
        self->OnFinalMessage();
    } catch (...) {
        // An exception must never unwind through the window manager.
        if (message != WM_NCDESTROY) return 0;
    }
    // The window is going: nothing of ours may outlive it.
    RemoveSubclass(hwnd, Procedure);
    self->Detach();
    return DefaultSubclass(hwnd, message, wParam, lParam);
}

}  // namespace win
