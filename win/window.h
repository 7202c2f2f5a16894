// A non-owning handle to a window: the smallest wrapper over an HWND.
#pragma once

#include <windows.h>

#include <string>

namespace win {

class Window {
public:
    Window(HWND hwnd = nullptr) : hwnd_(hwnd) {}
    operator HWND() const { return hwnd_; }
    HWND handle() const { return hwnd_; }
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    HWND Detach() {
        HWND h = hwnd_;
        hwnd_ = nullptr;
        return h;
    }

    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    void SetText(const std::string& text) const { ::SetWindowTextA(hwnd_, text.c_str()); }
    void SetItemText(int id, const std::string& text) const { ::SetDlgItemTextA(hwnd_, id, text.c_str()); }
    std::string Text() const;
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(hwnd_, message, wParam, lParam);
    }
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(hwnd_, message, wParam, lParam) != FALSE;
    }
    HWND Parent() const { return ::GetParent(hwnd_); }
    void Enable(bool enable) const { ::EnableWindow(hwnd_, enable ? TRUE : FALSE); }

protected:
    HWND hwnd_;
};

}  // namespace win
