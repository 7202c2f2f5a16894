// Functions that Windows 2000 lacks, looked up at run time so that the
// program still loads there: comctl32's own subclassing (version 6) and the
// visual styles' parent background. A null pointer means "not here": the
// callers then take their Windows 2000 way.
#pragma once

#include <windows.h>

namespace win {

using SubclassProcedure = LRESULT(CALLBACK*)(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR data);

struct Comctl32Subclassing {
    BOOL(WINAPI* set)(HWND, SubclassProcedure, UINT_PTR, DWORD_PTR) = nullptr;
    BOOL(WINAPI* remove)(HWND, SubclassProcedure, UINT_PTR) = nullptr;
    LRESULT(WINAPI* defaultProcedure)(HWND, UINT, WPARAM, LPARAM) = nullptr;
    bool available() const { return set && remove && defaultProcedure; }
};

// comctl32's subclassing functions, all three or none.
const Comctl32Subclassing& NewerSubclassing();

using DrawThemeParentBackgroundFunction = HRESULT(WINAPI*)(HWND child, HDC dc, const RECT* area);
// uxtheme's DrawThemeParentBackground, or null.
DrawThemeParentBackgroundFunction NewerParentBackground();

// Tests only: true makes the program take its Windows 2000 ways for what it
// sets up from then on (windows taken over, backgrounds drawn), as when the
// look-ups above find nothing.
void ForceWindows2000Functions(bool force);
bool Windows2000FunctionsForced();

}  // namespace win
