// A report-style list view control: columns with headers, rows of texts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win/window.h"

namespace win {

class ListView : public Window {
public:
    using Window::Window;

    // Inserts column `index` with `header`, left-aligned, `width` pixels wide;
    // its index, or -1.
    int InsertColumn(int index, const std::string& header, int width) const {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = width;
        column.pszText = const_cast<char*>(header.c_str());
        column.iSubItem = index;
        return static_cast<int>(Send(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
    }
    int ColumnWidth(int index) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, index)); }
    // Inserts a row at `index` whose first column reads `text`; its index, or -1.
    int InsertItem(int index, const std::string& text) const {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<char*>(text.c_str());
        return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    bool SetItemText(int index, int column, const std::string& text) const {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text.c_str());
        return Send(LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)) != FALSE;
    }
    std::string ItemText(int index, int column) const {
        char text[512] = "";
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        Send(LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    bool DeleteAllItems() const { return Send(LVM_DELETEALLITEMS) != FALSE; }
};

// While it lives, a list takes rows without laying out its scroll bars and
// repainting after each one; at its end the list does both once. A row costs
// a fraction of what it costs the list to lay itself out.
class ListRedrawPause {
public:
    explicit ListRedrawPause(HWND list) : list_(list) { ::SendMessageA(list_, WM_SETREDRAW, FALSE, 0); }
    ~ListRedrawPause() {
        ::SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(list_, nullptr, TRUE);
    }
    ListRedrawPause(const ListRedrawPause&) = delete;
    ListRedrawPause& operator=(const ListRedrawPause&) = delete;

private:
    HWND list_;
};

}  // namespace win
