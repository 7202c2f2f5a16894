// Taking over a window's messages: comctl32's subclassing where it exists
// (version 6), else classic subclassing through the window procedure, which
// Windows 2000 has. One procedure per window; it passes what it does not
// handle on with DefaultSubclass and is unhooked at the latest at
// WM_NCDESTROY, after it has seen it.
#pragma once

#include <windows.h>

#include "win/newer_functions.h"

namespace win {

// Routes `hwnd`'s messages through `procedure` with `data`; false when it
// could not (no window, or it is already taken over).
bool SetSubclass(HWND hwnd, SubclassProcedure procedure, DWORD_PTR data);
// Gives `hwnd` back its previous procedure; harmless when not taken over.
void RemoveSubclass(HWND hwnd, SubclassProcedure procedure);
// The previous procedure's handling of a message, from inside `procedure`.
LRESULT DefaultSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win
