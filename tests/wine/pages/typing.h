// Real keyboard input for the password tests: each key goes through Wine's
// keyboard layer with its virtual key and its scan code, as a keyboard would
// send it, to the window that has the focus.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace wt {

// The focus window of the thread that owns `window`.
HWND FocusOf(HWND window);
// Puts the focus on control `id` of `dialog` from the dialog's own thread
// (WM_NEXTDLGCTL, which also selects an edit's text) and waits until it is there.
bool FocusControl(HWND dialog, int id);
// Makes `window` the foreground window, so that keys reach it.
bool BringToFront(HWND window);

// Presses and releases virtual key `vk`, with Shift held when `shift`.
void PressKey(WORD vk, bool shift = false);
// Types `text`: letters, digits and what the layout has keys for; upper-case
// letters with Shift.
void TypeText(const std::string& text);
// The scan code the keyboard layout gives `vk`.
std::uint8_t ScanCodeOf(WORD vk);

// The length of `window`'s text, read from the window's own thread.
int TextLength(HWND window);
// Waits until the edit `edit` shows `length` characters; its last answer.
bool ShowsLength(HWND edit, int length);

}  // namespace wt
