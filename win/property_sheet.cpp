// The property sheet's creation, subclassing and modal loop.
#include "win/property_sheet.h"

#include "win/startup_trace.h"
#include "win/subclass.h"

namespace win {
namespace {

// The sheet being created: its callback carries no pointer of its own, and
// sheets are created one at a time on the one user-interface thread.
PropertySheet* g_creating = nullptr;

// The sheet's page area in its client coordinates: the tab control's display area.
RECT PageArea(HWND sheet, HWND tabs) {
    RECT area = {};
    ::GetClientRect(tabs, &area);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    ::MapWindowPoints(tabs, sheet, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void Grow(HWND window, int dx, int dy) {
    RECT frame;
    ::GetWindowRect(window, &frame);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void MakeRoomForPage(HWND sheet, SIZE page) {
    HWND tabs = PropSheet_GetTabControl(sheet);
    if (!tabs) return;
    const RECT area = PageArea(sheet, tabs);
    const int dx = page.cx > area.right - area.left ? page.cx - (area.right - area.left) : 0;
    const int dy = page.cy > area.bottom - area.top ? page.cy - (area.bottom - area.top) : 0;
    if (dx == 0 && dy == 0) return;

    const TracedPhase phase("sheet: room for the page");
    Grow(tabs, dx, dy);
    // The buttons keep their places from the sheet's right and bottom edges.
    for (int id : {IDOK, IDCANCEL, kApplyButton, IDHELP}) {
        HWND button = ::GetDlgItem(sheet, id);
        if (!button) continue;
        RECT at;
        ::GetWindowRect(button, &at);
        ::MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&at), 2);
        ::SetWindowPos(button, nullptr, at.left + dx, at.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame;
    ::GetWindowRect(sheet, &frame);
    int x = frame.left - dx / 2, y = frame.top - dy / 2;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoA(::MonitorFromWindow(sheet, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        if (x < monitor.rcWork.left) x = monitor.rcWork.left;
        if (y < monitor.rcWork.top) y = monitor.rcWork.top;
    }
    ::SetWindowPos(sheet, nullptr, x, y, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    // Pages made before this one fill the new area too; the one being made
    // is placed there by the common controls once it is made.
    const RECT grown = PageArea(sheet, tabs);
    const int pages = TabCtrl_GetItemCount(tabs);
    for (int index = 0; index < pages; ++index) {
        HWND existing = PropSheet_IndexToHwnd(sheet, index);
        if (!existing) continue;
        ::SetWindowPos(existing, nullptr, grown.left, grown.top, grown.right - grown.left, grown.bottom - grown.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FillPageArea(HWND page) {
    HWND sheet = ::GetParent(page);
    HWND tabs = sheet ? PropSheet_GetTabControl(sheet) : nullptr;
    if (!tabs) return;
    const RECT area = PageArea(sheet, tabs);
    RECT now;
    ::GetWindowRect(page, &now);
    ::MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&now), 2);
    if (::EqualRect(&now, &area)) return;
    ::SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

PropertySheet::PropertySheet(std::string caption, HWND parent, UINT firstPage)
    : caption_(std::move(caption)), parent_(parent), firstPage_(firstPage) {}

PropertySheet::~PropertySheet() {
    if (hwnd_ && ::IsWindow(hwnd_)) {
        RemoveSubclass(hwnd_, SubclassProcedure);
        ::DestroyWindow(hwnd_);
    }
}

INT_PTR PropertySheet::DoModal() {
    std::vector<PROPSHEETPAGEA> descriptions;
    const bool hasHelp = (headerFlags_ & PSH_HASHELP) != 0;
    for (PropertyPage* page : pages_) descriptions.push_back(page->Description(hasHelp));

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = headerFlags_ | PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | (icon_ ? PSH_USEHICON : 0);
    header.hwndParent = parent_;
    header.hInstance = ::GetModuleHandleA(nullptr);
    header.hIcon = icon_;
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.nStartPage = firstPage_;
    header.ppsp = descriptions.data();
    header.pfnCallback = SheetCallback;

    ended_ = false;
    result_ = IDCANCEL;
    g_creating = this;
    const auto create = [&] { return reinterpret_cast<HWND>(::PropertySheetA(&header)); };
    HWND sheet = Traced("sheet window with its first page", create);
    g_creating = nullptr;
    if (!sheet || sheet == reinterpret_cast<HWND>(-1)) return -1;

    // A modal run: the owner takes no input while the sheet is up.
    const bool ownerEnabled = parent_ && ::IsWindowEnabled(parent_);
    if (ownerEnabled) ::EnableWindow(parent_, FALSE);
    MSG message;
    bool over = ModalRunOver();
    while (!over) {
        TraceBeforeWait();
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        const TracedMessage traced(message);
        // A paint is no dialog key and closes nothing: dispatched straight
        // away, it spares the sheet two messages of its own each time (under
        // Wine each one round trips to the server) while the pages paint.
        if (message.message == WM_PAINT) {
            ::DispatchMessageA(&message);
            continue;
        }
        if (!PropSheet_IsDialogMessage(hwnd_, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        over = ModalRunOver();
    }
    if (ownerEnabled) ::EnableWindow(parent_, TRUE);
    if (hwnd_ && ::IsWindow(hwnd_)) {
        RemoveSubclass(hwnd_, SubclassProcedure);
        ::DestroyWindow(hwnd_);
    }
    hwnd_ = nullptr;
    return result_;
}

bool PropertySheet::ModalRunOver() {
    if (ended_ || !hwnd_ || !::IsWindow(hwnd_)) return true;
    // The common controls let go of the current page once OK or Cancel closed the sheet.
    return PropSheet_GetCurrentPageHwnd(hwnd_) == nullptr;
}

void PropertySheet::End(INT_PTR result) {
    ended_ = true;
    result_ = result;
    if (hwnd_) ::ShowWindow(hwnd_, SW_HIDE);
    // Wake the modal loop.
    ::PostMessageA(hwnd_, WM_NULL, 0, 0);
}

bool PropertySheet::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT PropertySheet::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultSubclass(hwnd_, message, wParam, lParam);
}

int CALLBACK PropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && g_creating) {
        PropertySheet* self = g_creating;
        self->Attach(hwnd);
        SetSubclass(hwnd, SubclassProcedure, reinterpret_cast<DWORD_PTR>(self));
        try {
            self->OnInit();
        } catch (...) {
        }
    }
    return 0;
}

LRESULT CALLBACK PropertySheet::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR selfData) {
    auto* self = reinterpret_cast<PropertySheet*>(selfData);
    try {
        if (message == WM_COMMAND && self->OnCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
        // Keyboard, accessibility and automation tools press OK and Apply
        // with PSM_PRESSBUTTON, which the common controls would carry out
        // themselves: they take the path of a click, and a disabled button
        // does nothing, as it could not be clicked.
        if (message == PSM_PRESSBUTTON && (wParam == PSBTN_OK || wParam == PSBTN_APPLYNOW)) {
            const int id = wParam == PSBTN_OK ? IDOK : kApplyButton;
            HWND button = ::GetDlgItem(hwnd, id);
            if (button && !::IsWindowEnabled(button)) return 0;
            if (self->OnCommand(id, BN_CLICKED)) return 0;
        }
        LRESULT result = 0;
        if (message != WM_COMMAND && self->OnMessage(message, wParam, lParam, result)) return result;
    } catch (...) {
        // An exception must never unwind through the window manager.
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveSubclass(hwnd, SubclassProcedure);
        self->Detach();
    }
    return DefaultSubclass(hwnd, message, wParam, lParam);
}

}  // namespace win
