// Functions that Windows 2000 lacks, looked up at run time so that the
// program still loads there: the visual styles' parent background. A null
// pointer means "not here": the callers then take their Windows 2000 way.
#pragma once

#include <windows.h>

namespace win {

using DrawThemeParentBackgroundFunction = HRESULT(WINAPI*)(HWND child, HDC dc, const RECT* area);
// uxtheme's DrawThemeParentBackground, or null.
DrawThemeParentBackgroundFunction NewerParentBackground();

// Tests only: true makes the program take its Windows 2000 way for the
// backgrounds it draws from then on, as when the look-up above finds nothing.
void ForceWindows2000Functions(bool force);
bool Windows2000FunctionsForced();

}  // namespace win
