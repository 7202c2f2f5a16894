// A list box control, and the drag list the common controls make of a
// single-selection one: its entries are moved by dragging them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win/window.h"

namespace win {

class ListBox : public Window {
public:
    using Window::Window;

    // Appends `text`; its index, or LB_ERR.
    int Add(const std::string& text) const {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int Insert(int index, const std::string& text) const {
        return static_cast<int>(Send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
    }
    bool Delete(int index) const { return Send(LB_DELETESTRING, index) != LB_ERR; }
    void DeleteAll() const { Send(LB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    std::string ItemText(int index) const {
        const LRESULT length = Send(LB_GETTEXTLEN, index);
        if (length == LB_ERR) return std::string();
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
    // The selected entry, or LB_ERR.
    int Selection() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    // Selects entry `index` (-1: none) without notifying the owner.
    void Select(int index) const { Send(LB_SETCURSEL, index); }
};

// The message a drag list sends its owner, registered once for the process.
inline UINT DragListMessage() {
    static const UINT message = ::RegisterWindowMessage(DRAGLISTMSGSTRING);
    return message;
}

class DragList : public ListBox {
public:
    using ListBox::ListBox;

    // Makes the list box (single selection) a drag list; false when it could not.
    bool Make() const { return ::MakeDragList(hwnd_) != FALSE; }
    // The entry under screen point `at`, or -1; `autoScroll` scrolls the list
    // when the point lies above or below it.
    int ItemFromPoint(POINT at, bool autoScroll) const { return ::LBItemFromPt(hwnd_, at, autoScroll ? TRUE : FALSE); }
    // Draws the insertion mark before entry `index` in `parent` (-1: none).
    void DrawInsertMark(HWND parent, int index) const { ::DrawInsert(parent, hwnd_, index); }
};

}  // namespace win
