// The boot order's drag list: the boot devices' texts in boot order, moved by
// dragging, by Alt+Up and Alt+Down, and by the list's context menu (right
// click, Shift+F10, the Menu key). The moves and the device codes live in a
// tlw::BootOrder; the list moves an entry's text only where the order moved
// its code, so the two never part.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "pages/boot/boot_order.h"
#include "win/list_box.h"

class CBootOrderListBox : public win::DragList {
public:
    CBootOrderListBox() = default;
    ~CBootOrderListBox();
    CBootOrderListBox(const CBootOrderListBox&) = delete;
    CBootOrderListBox& operator=(const CBootOrderListBox&) = delete;

    // Binds control `id` of `dialog`, makes it a drag list, takes over its
    // keys and context menu, and takes `order` (which must outlive the
    // window) as its entries.
    void Bind(HWND dialog, int id, tlw::BootOrder& order);

    // Lists the order's entries afresh.
    void ShowEntries() const;

    // What a drag list notification did.
    enum class DragStep { Going, Moved };
    // Answers notification `info` from this list; `result` is the answer the
    // drag list reads back.
    DragStep OnDragNotification(const DRAGLISTINFO& info, LRESULT& result);

    // Moves the selected entry as `move` says, codes and text, and keeps it
    // selected; false when the move cannot act on it (or none is selected).
    bool MoveSelection(tlw::BootMove move);

    // The command of each move: the context menu's items, and what Alt+Up
    // and Alt+Down send the list's parent.
    static int CommandOf(tlw::BootMove move);
    // The move of command `id`; false when `id` is none of them.
    static bool MoveOf(int id, tlw::BootMove& move);

private:
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    // The list's context menu at screen point `at` ((-1, -1) from the
    // keyboard: below the selected entry); its commands go to the parent.
    void ShowContextMenu(POINT at);
    // The entry's text goes where the order moved its code.
    void ShowMove(int from, int to) const;

    tlw::BootOrder* order_ = nullptr;
    int dragged_ = -1;  // the entry being dragged, or -1
};
