// What a 32-bit process under Wine 8's WoW64 mode makes of keys, printed: the
// keys reach it with their virtual keys and scan codes, and the keyboard
// layout maps them as the 64-bit side does, but an edit control that is given
// a character crashes (a page fault reading address 0x68) while it draws it,
// since the 32-bit side has no display driver. So nothing can be typed into a
// password box there; the tests that type skip in the 32-bit build.
#include <windows.h>

#include <cstdio>

int main() {
    std::printf("%d-bit process\n", static_cast<int>(sizeof(void*) * 8));
    const UINT scan = ::MapVirtualKeyA('A', 0);
    std::printf("MapVirtualKeyA('A', 0)         0x%02X\n", scan);
    std::printf("MapVirtualKeyA(0x%02X, 1)        '%c'\n", scan, static_cast<char>(::MapVirtualKeyA(scan, 1)));
    HWND window = ::CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 30, nullptr, nullptr,
                                    nullptr, nullptr);
    ::SetForegroundWindow(window);
    ::SetFocus(window);
    ::keybd_event('A', static_cast<BYTE>(scan), 0, 0);
    ::keybd_event('A', static_cast<BYTE>(scan), KEYEVENTF_KEYUP, 0);
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < 1000) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_KEYDOWN || msg.message == WM_CHAR) {
                std::printf("%-30s wParam 0x%02X, scan code 0x%02X\n", msg.message == WM_CHAR ? "WM_CHAR" : "WM_KEYDOWN",
                            static_cast<unsigned>(msg.wParam), static_cast<unsigned>(msg.lParam >> 16 & 0xFF));
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
    HWND edit = ::CreateWindowExA(0, "Edit", "", WS_POPUP | WS_VISIBLE | ES_PASSWORD, 0, 40, 100, 30, nullptr,
                                  nullptr, nullptr, nullptr);
    ::SetFocus(edit);
    std::printf("WM_CHAR 'a' to a focused edit ...\n");
    std::fflush(stdout);
    ::SendMessageA(edit, WM_CHAR, 'a', static_cast<LPARAM>(scan) << 16 | 1);
    std::printf("                               taken, text length %d\n", ::GetWindowTextLengthA(edit));
    return 0;
}
