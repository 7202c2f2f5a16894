// What screen readers learn about a control where the standard answer, taken
// from its class and text, would mislead: a picture drawn on a disabled button
// is a graphic, not a button named by its template text; a control framed by
// a group box and labelled by no text of its own is named by the group box.
// Everything else about the control is the standard answer (oleacc's), which
// is loaded only when a screen reader first asks.
#pragma once

#include <windows.h>

namespace win {

// Answers WM_GETOBJECT (`wParam`, `lParam`) for `window`, a picture that
// takes no input: a graphic, read-only, without a name. True with `result`
// when answered; false leaves the message to the window's own handling.
bool AnswerAsPicture(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result);

// From now on `control` tells screen readers the current text of `label` as
// its name (the control is taken over until it is destroyed).
void NameFromLabel(HWND control, HWND label);

}  // namespace win
