// What a process can make for the display, printed: under Wine 8's WoW64 mode
// a 32-bit process gets no display driver, so the 32-bit build prints a screen
// of 0 bits per pixel and no bitmap, memory DC, icon, cursor or combo box (the
// combo box makes a bitmap for its arrow when created), where the 64-bit build
// makes them all. The test harness checks the same before it skips a test that
// needs the display (WhyWow64HasNoDisplay).
#include <windows.h>

#include <cstdio>

int main() {
    HDC screen = ::GetDC(nullptr);
    std::printf("%d-bit process\n", static_cast<int>(sizeof(void*) * 8));
    std::printf("screen bits per pixel          %d\n", ::GetDeviceCaps(screen, BITSPIXEL));
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 8, 8);
    HDC memory = ::CreateCompatibleDC(screen);
    HICON icon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));      // IDI_APPLICATION
    HCURSOR cursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    std::printf("CreateCompatibleBitmap(screen) %s\n", bitmap ? "made" : "NULL");
    std::printf("CreateCompatibleDC(screen)     %s\n", memory ? "made" : "NULL");
    std::printf("LoadIcon(IDI_APPLICATION)      %s\n", icon ? "made" : "NULL");
    std::printf("LoadCursor(IDC_ARROW)          %s\n", cursor ? "made" : "NULL");
    HWND parent = ::CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    HWND combo = ::CreateWindowExA(0, "ComboBox", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 100, parent, nullptr,
                                   nullptr, nullptr);
    std::printf("CreateWindow(\"ComboBox\")       %s\n", combo ? "made" : "NULL");
    ::DestroyWindow(parent);
    if (bitmap) ::DeleteObject(bitmap);
    if (memory) ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return 0;
}
