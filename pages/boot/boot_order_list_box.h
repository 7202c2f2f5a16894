// The boot order's drag list: the boot devices' texts in boot order, moved by
// dragging. The drop rule and the device codes live in a tlw::BootOrder; the
// list moves an entry's text only where the order moved its code, so the two
// never part.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "pages/boot/boot_order.h"
#include "win/list_box.h"

class CBootOrderListBox : public win::DragList {
public:
    // Binds control `id` of `dialog`, makes it a drag list, and takes
    // `order` (which must outlive the window) as its entries.
    void Bind(HWND dialog, int id, tlw::BootOrder& order);

    // Lists the order's entries afresh.
    void ShowEntries() const;

    // What a drag list notification did.
    enum class DragStep { Going, Moved };
    // Answers notification `info` from this list; `result` is the answer the
    // drag list reads back.
    DragStep OnDragNotification(const DRAGLISTINFO& info, LRESULT& result);

private:
    tlw::BootOrder* order_ = nullptr;
    int dragged_ = -1;  // the entry being dragged, or -1
};
