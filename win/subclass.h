// Taking over a window's messages through its window procedure, as every
// Windows from 2000 on allows. One procedure per window; it passes what it
// does not handle on with DefaultSubclass and is unhooked at the latest at
// WM_NCDESTROY, after it has seen it. All from the one thread that makes the
// program's windows: the records are that thread's, unguarded.
#pragma once

#include <windows.h>

namespace win {

// The procedure's arguments are those of a window procedure, then an id
// (always 0) and the data given when the window was taken over.
using SubclassProcedure = LRESULT(CALLBACK*)(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR data);

// Routes `hwnd`'s messages through `procedure` with `data`; false when it
// could not (no window, or it is already taken over).
bool SetSubclass(HWND hwnd, SubclassProcedure procedure, DWORD_PTR data);
// Gives `hwnd` back its previous procedure; harmless when not taken over.
void RemoveSubclass(HWND hwnd, SubclassProcedure procedure);
// The previous procedure's handling of a message, from inside `procedure`.
LRESULT DefaultSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win
