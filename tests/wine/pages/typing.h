// Real keyboard and mouse input for the Wine tests: each key goes through
// Wine's keyboard layer with its virtual key and its scan code, as a keyboard
// would send it, to the window that has the focus; mouse buttons and moves go
// through its input queue, where the cursor stands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace wt {

// The focus window of the thread that owns `window`.
HWND FocusOf(HWND window);
// The window that holds the mouse capture in the thread that owns `window`.
HWND CaptureOf(HWND window);
// Puts the focus on control `id` of `dialog` from the dialog's own thread
// (WM_NEXTDLGCTL, which also selects an edit's text) and waits until it is there.
bool FocusControl(HWND dialog, int id);
// Makes `window` the foreground window, so that keys reach it.
bool BringToFront(HWND window);

// Presses and releases virtual key `vk`, with Shift held when `shift`.
void PressKey(WORD vk, bool shift = false);
// Presses and releases `vk` as a key of the keyboard's extended part (the
// arrow, page, Home and End keys), through SendInput.
void PressExtendedKey(WORD vk);
// Sends one mouse event (MOUSEEVENTF_*) where the cursor stands.
void SendMouse(DWORD flags);
// Types `text`: letters, digits and what the layout has keys for; upper-case
// letters with Shift.
void TypeText(const std::string& text);
// The scan code the keyboard layout gives `vk`.
std::uint8_t ScanCodeOf(WORD vk);

// The length of `window`'s text, read from the window's own thread.
int TextLength(HWND window);
// Waits until the edit `edit` shows `length` characters; its last answer.
bool ShowsLength(HWND edit, int length);

// Why keys cannot be typed into an edit control in this process, or empty
// when they can: under Wine 8's WoW64 mode the keys reach a 32-bit process
// with their scan codes, but an edit control given a character crashes while
// drawing it, the 32-bit side having no display driver
// (tests/wine/wow64_keyboard_probe.cpp shows both).
std::string WhyEditsCannotBeTypedAt();

}  // namespace wt

#define WT_SKIP_IF_EDITS_CANNOT_BE_TYPED_AT()                             \
    do {                                                                  \
        const std::string wt_why_not = ::wt::WhyEditsCannotBeTypedAt();   \
        if (!wt_why_not.empty()) GTEST_SKIP() << wt_why_not;              \
    } while (false)
