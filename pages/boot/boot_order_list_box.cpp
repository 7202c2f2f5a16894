// The drag list's notifications turned into moves of the boot order.
#include "pages/boot/boot_order_list_box.h"

#include "win/resources.h"

void CBootOrderListBox::Bind(HWND dialog, int id, tlw::BootOrder& order) {
    Attach(::GetDlgItem(dialog, id));
    order_ = &order;
    Make();
}

void CBootOrderListBox::ShowEntries() const {
    DeleteAll();
    if (!order_) return;
    for (int entry = 0; entry < order_->Count(); ++entry) {
        const unsigned textId = tlw::BootDeviceTextId(order_->CodeAt(entry));
        Add(textId ? win::LoadText(textId) : std::string());
    }
}

CBootOrderListBox::DragStep CBootOrderListBox::OnDragNotification(const DRAGLISTINFO& info, LRESULT& result) {
    result = 0;
    switch (info.uNotification) {
        case DL_BEGINDRAG:
            // The selection still holds the entry pressed before: the one
            // dragged is the one under the cursor.
            dragged_ = ItemFromPoint(info.ptCursor, false);
            result = dragged_ >= 0 ? TRUE : FALSE;
            return DragStep::Going;
        case DL_DRAGGING: {
            const int target = ItemFromPoint(info.ptCursor, true);
            DrawInsertMark(Parent(), target);
            result = target >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
            return DragStep::Going;
        }
        case DL_DROPPED: {
            DrawInsertMark(Parent(), -1);
            const int from = dragged_;
            dragged_ = -1;
            const int to = order_ ? order_->Drop(from, ItemFromPoint(info.ptCursor, false)) : -1;
            if (to < 0) return DragStep::Going;
            const std::string text = ItemText(from);
            Delete(from);
            Insert(to, text);
            Select(to);
            return DragStep::Moved;
        }
        default:  // DL_CANCELDRAG
            DrawInsertMark(Parent(), -1);
            dragged_ = -1;
            return DragStep::Going;
    }
}
