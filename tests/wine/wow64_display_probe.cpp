// What a process can make for the display, printed: under Wine 8's WoW64 mode
// a 32-bit process gets no display driver, so the 32-bit build prints a screen
// of 0 bits per pixel and no bitmap, memory DC, icon or cursor, where the
// 64-bit build prints handles. The test harness checks the same before it
// skips a test that paints (WhyWow64CannotPaint).
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
    if (bitmap) ::DeleteObject(bitmap);
    if (memory) ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return 0;
}
