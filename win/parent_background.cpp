// The parent's background behind a child, with or without visual styles.
#include "win/parent_background.h"

#include "win/newer_functions.h"

namespace win {

void DrawParentBackground(HWND child, HDC dc) {
    const DrawThemeParentBackgroundFunction themed = NewerParentBackground();
    if (themed && !Windows2000FunctionsForced()) {
        themed(child, dc, nullptr);
        return;
    }
    HWND parent = ::GetParent(child);
    RECT area;
    ::GetClientRect(child, &area);
    if (parent) {
        // The parent erases its own client area; moving the origin puts the
        // child's part of it in the child's place.
        POINT place = {0, 0};
        ::MapWindowPoints(child, parent, &place, 1);
        POINT origin;
        ::OffsetWindowOrgEx(dc, place.x, place.y, &origin);
        const LRESULT erased = ::SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ::SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
        if (erased) return;
    }
    ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_3DFACE));
}

}  // namespace win
