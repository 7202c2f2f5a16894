// A child control's background drawn as its parent draws it there, so that
// open parts of a picture show the page behind it.
#pragma once

#include <windows.h>

namespace win {

// Fills `child`'s client area in `dc` with its parent's background: the
// visual styles' own helper where it exists, else the parent's erase (its
// class or dialog brush) at the child's place, else the dialog colour.
void DrawParentBackground(HWND child, HDC dc);

}  // namespace win
