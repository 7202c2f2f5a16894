// Keyboard and mouse input through Wine's input layer.
#include "tests/wine/pages/typing.h"

#include "tests/wine/app/sheet_fixture.h"
#include "tests/wine/harness.h"

namespace wt {

namespace {

GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) info = {};
    return info;
}

}  // namespace

HWND FocusOf(HWND window) { return ThreadInfoOf(window).hwndFocus; }

HWND CaptureOf(HWND window) { return ThreadInfoOf(window).hwndCapture; }

bool BringToFront(HWND window) {
    ::SetForegroundWindow(window);
    return Eventually([&] { return ::GetForegroundWindow() == window; });
}

bool FocusControl(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    ::PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return Eventually([&] { return FocusOf(dialog) == control; });
}

std::uint8_t ScanCodeOf(WORD vk) { return static_cast<std::uint8_t>(::MapVirtualKeyA(vk, 0)); }

void PressKey(WORD vk, bool shift) {
    const BYTE scan = ScanCodeOf(vk);
    if (shift) ::keybd_event(VK_SHIFT, ScanCodeOf(VK_SHIFT), 0, 0);
    ::keybd_event(static_cast<BYTE>(vk), scan, 0, 0);
    ::keybd_event(static_cast<BYTE>(vk), scan, KEYEVENTF_KEYUP, 0);
    if (shift) ::keybd_event(VK_SHIFT, ScanCodeOf(VK_SHIFT), KEYEVENTF_KEYUP, 0);
}

void PressExtendedKey(WORD vk) {
    INPUT input[2] = {};
    for (INPUT& i : input) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.wScan = ScanCodeOf(vk);
        i.ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

void SendMouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

void TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT key = ::VkKeyScanA(c);
        PressKey(static_cast<WORD>(key & 0xFF), (key & 0x100) != 0);
    }
}

int TextLength(HWND window) { return static_cast<int>(::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)); }

bool ShowsLength(HWND edit, int length) {
    return Eventually([&] { return TextLength(edit) == length; });
}

std::string WhyEditsCannotBeTypedAt() {
    if (WhyWow64HasNoDisplay().empty()) return "";
    return "Wine 8's WoW64 mode: keys reach this 32-bit process with their scan codes, but an edit control "
           "given a character crashes drawing it without a display driver (see wow64_keyboard_probe)";
}

}  // namespace wt
