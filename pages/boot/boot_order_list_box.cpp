// The drag list's notifications, its keys and its context menu turned into
// moves of the boot order.
#include "pages/boot/boot_order_list_box.h"

#include <windowsx.h>

#include "res/resource.h"
#include "win/resources.h"
#include "win/subclass.h"

namespace {

const struct {
    tlw::BootMove move;
    int command;
    UINT text;
} kMoves[] = {
    {tlw::BootMove::Up, IDM_BOOT_MOVE_UP, IDS_BOOT_MOVE_UP},
    {tlw::BootMove::Down, IDM_BOOT_MOVE_DOWN, IDS_BOOT_MOVE_DOWN},
    {tlw::BootMove::ToTop, IDM_BOOT_MOVE_TO_TOP, IDS_BOOT_MOVE_TO_TOP},
    {tlw::BootMove::ToBottom, IDM_BOOT_MOVE_TO_BOTTOM, IDS_BOOT_MOVE_TO_BOTTOM},
};

}  // namespace

CBootOrderListBox::~CBootOrderListBox() {
    if (hwnd_ && ::IsWindow(hwnd_)) win::RemoveSubclass(hwnd_, Subclass);
}

void CBootOrderListBox::Bind(HWND dialog, int id, tlw::BootOrder& order) {
    Attach(::GetDlgItem(dialog, id));
    order_ = &order;
    Make();
    win::SetSubclass(hwnd_, Subclass, reinterpret_cast<DWORD_PTR>(this));
}

void CBootOrderListBox::ShowEntries() const {
    DeleteAll();
    if (!order_) return;
    for (int entry = 0; entry < order_->Count(); ++entry) {
        const unsigned textId = tlw::BootDeviceTextId(order_->CodeAt(entry));
        Add(textId ? win::LoadText(textId) : std::string());
    }
}

void CBootOrderListBox::ShowMove(int from, int to) const {
    const std::string text = ItemText(from);
    Delete(from);
    Insert(to, text);
    Select(to);
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
            ShowMove(from, to);
            return DragStep::Moved;
        }
        default:  // DL_CANCELDRAG
            DrawInsertMark(Parent(), -1);
            dragged_ = -1;
            return DragStep::Going;
    }
}

bool CBootOrderListBox::MoveSelection(tlw::BootMove move) {
    const int from = Selection();
    const int to = order_ ? order_->Move(from, move) : -1;
    if (to < 0) return false;
    ShowMove(from, to);
    return true;
}

int CBootOrderListBox::CommandOf(tlw::BootMove move) {
    for (const auto& m : kMoves) {
        if (m.move == move) return m.command;
    }
    return 0;
}

bool CBootOrderListBox::MoveOf(int id, tlw::BootMove& move) {
    for (const auto& m : kMoves) {
        if (m.command != id) continue;
        move = m.move;
        return true;
    }
    return false;
}

void CBootOrderListBox::ShowContextMenu(POINT at) {
    if (at.x == -1 && at.y == -1) {
        // From the keyboard: below the selected entry, or the list's corner.
        RECT entry = {};
        if (Selection() < 0 || Send(LB_GETITEMRECT, Selection(), reinterpret_cast<LPARAM>(&entry)) == LB_ERR) {
            ::GetClientRect(hwnd_, &entry);
            entry.bottom = entry.top;
        }
        at = {entry.left, entry.bottom};
        ::ClientToScreen(hwnd_, &at);
    } else {
        // The entry right-clicked is the one the menu acts on.
        const int under = ItemFromPoint(at, false);
        if (under >= 0) Select(under);
    }
    HMENU menu = ::CreatePopupMenu();
    if (!menu) return;
    for (const auto& m : kMoves) {
        const bool can = order_ && order_->PlaceFor(Selection(), m.move) >= 0;
        ::AppendMenuA(menu, MF_STRING | (can ? MF_ENABLED : MF_GRAYED), m.command, win::LoadText(m.text).c_str());
    }
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Parent(), nullptr);
    ::DestroyMenu(menu);
}

LRESULT CALLBACK CBootOrderListBox::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR selfData) {
    auto* self = reinterpret_cast<CBootOrderListBox*>(selfData);
    switch (message) {
        case WM_SYSKEYDOWN:
            // Alt+Up and Alt+Down do what the menu's first two items do.
            if ((wParam == VK_UP || wParam == VK_DOWN) && (HIWORD(lParam) & KF_ALTDOWN)) {
                const int command = CommandOf(wParam == VK_UP ? tlw::BootMove::Up : tlw::BootMove::Down);
                ::SendMessageA(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(command, 0), 0);
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            self->ShowContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_NCDESTROY:
            win::RemoveSubclass(hwnd, Subclass);
            self->Detach();
            break;
        default:
            break;
    }
    return win::DefaultSubclass(hwnd, message, wParam, lParam);
}
