// A control whose messages an object takes over: the object subclasses it,
// sees each message in one virtual handler, and lets go at WM_NCDESTROY, or
// in its destructor when it goes first. No exception of a handler unwinds
// through the window manager.
#pragma once

#include <windows.h>

#include "win/subclass.h"
#include "win/window.h"

namespace win {

class SubclassedWindow : public Window {
public:
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;

protected:
    SubclassedWindow() = default;
    // Not virtual: a control object is never deleted through its base.
    ~SubclassedWindow();

    // Ties the object to `hwnd` and takes over its messages; false when there
    // is no window or it is already taken over.
    bool Subclass(HWND hwnd);
    // The control's own handling of a message.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
        return DefaultSubclass(hwnd_, message, wParam, lParam);
    }

    // Every message but WM_NCDESTROY; what it leaves goes to Default.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The window is going: the last message the object sees.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
};

}  // namespace win
