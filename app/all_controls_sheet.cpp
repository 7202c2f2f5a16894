// Apply, OK, Load Default, Load Previous, the context menu and the end of a
// Windows session while the sheet is open.
#include "app/all_controls_sheet.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>

#include "app/about_dlg.h"
#include "app/load_settings_dlg.h"
#include "app/restart_dlg.h"
#include "app/system_restart.h"
#include "app/tallowin_app.h"
#include "bios/shell_calls.h"
#include "pages/apply_order.h"
#include "pages/page_maker.h"
#include "res/resource.h"
#include "win/help.h"
#include "win/resources.h"
#include "win/startup_trace.h"

namespace {

BYTE RunningWindows2000OrLater() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwMajorVersion > 4 ? 1 : 0;
}

struct PaletteMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

BOOL CALLBACK ForwardPaletteMessage(HWND child, LPARAM data) {
    auto* forward = reinterpret_cast<PaletteMessage*>(data);
    forward->result |= ::SendMessageA(child, forward->message, forward->wParam, forward->lParam);
    return TRUE;
}

}  // namespace

CAllControlsSheet::Pages CAllControlsSheet::ProgramPages() {
    const win::TracedPhase phase("sheet: the page objects");
    Pages pages(tlw::PageCount());
    for (std::size_t page = 0; page < pages.size(); ++page) pages[page] = MakePage(tlw::PageTable()[page]);
    return pages;
}

CAllControlsSheet::CAllControlsSheet(const std::string& caption, HWND parent, UINT firstPage)
    : CAllControlsSheet(caption, parent, firstPage, ProgramPages()) {}

CAllControlsSheet::CAllControlsSheet(UINT captionId, HWND parent, UINT firstPage)
    : CAllControlsSheet(win::LoadText(captionId), parent, firstPage) {}

CAllControlsSheet::CAllControlsSheet(const std::string& caption, HWND parent, UINT firstPage, Pages pages)
    : win::PropertySheet(caption, parent, firstPage), pages_(std::move(pages)) {
    restartNeeded_ = false;
    windows2000OrLater_ = RunningWindows2000OrLater();
    const win::TracedPhase phase("sheet: icons");
    icon_ = static_cast<HICON>(::LoadImageA(win::ResourceModule(), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                            ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON),
                                            LR_SHARED));
    smallIcon_ = static_cast<HICON>(::LoadImageA(win::ResourceModule(), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                                 ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    // The header's icon is the one the caption shows, the small one.
    SetIcon(smallIcon_ ? smallIcon_ : icon_);
    for (auto& page : pages_) AddPage(page.get());
}

void CAllControlsSheet::OnInit() {
    const win::TracedPhase phase("sheet: initialisation");
    // The common controls create the first page after this hook, so every
    // page finds its host from its own initialisation on.
    CPageHost::Attach(hwnd_, this);
    // The common controls leave the caption without its question-mark button;
    // context help belongs to every page, so it goes back.
    ::SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, ::GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
    // Every icon message has the window system convert the window's icons
    // again; the common controls may have set the small one from the header.
    const HICON small = smallIcon_ ? smallIcon_ : icon_;
    if (Send(WM_GETICON, ICON_BIG) != reinterpret_cast<LRESULT>(icon_)) {
        Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    }
    if (Send(WM_GETICON, ICON_SMALL) != reinterpret_cast<LRESULT>(small)) {
        Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    TheApp().SetMainWindow(hwnd_);
    // The one move also has the caption laid out again with its new button.
    CenterOnWorkArea(SWP_FRAMECHANGED);
}

LRESULT CAllControlsSheet::ForwardToPagePictures(UINT message, WPARAM wParam, LPARAM lParam) {
    PaletteMessage forward = {message, wParam, lParam, Default(message, wParam, lParam)};
    if (HWND page = PropSheet_GetCurrentPageHwnd(hwnd_)) {
        ::EnumChildWindows(page, ForwardPaletteMessage, reinterpret_cast<LPARAM>(&forward));
    }
    return forward.result;
}

void CAllControlsSheet::CenterOnWorkArea(UINT flags) const {
    // The sheet has no owner to centre on; the small dialogs centre on the
    // screen, so the sheet does too.
    RECT frame;
    ::GetWindowRect(hwnd_, &frame);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    int x = 0, y = 0;
    if (::GetMonitorInfoA(::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        const RECT& work = monitor.rcWork;
        const int width = frame.right - frame.left, height = frame.bottom - frame.top;
        x = work.left + std::max(0L, (work.right - work.left - width) / 2);
        y = work.top + std::max(0L, (work.bottom - work.top - height) / 2);
    } else {
        flags |= SWP_NOMOVE;
    }
    ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, flags | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CAllControlsSheet::ApplyAllPages() {
    // Every page, shown or not: a page never shown has nothing to write.
    const auto apply = [this](std::size_t page, const tlw::PageRow&) {
        const bool restart = page < pages_.size() && pages_[page]->ApplySettings();
        return restart ? tlw::ApplyResult::AppliedNeedsRestart : tlw::ApplyResult::Nothing;
    };
    return tlw::ApplyInPageOrder(apply, [] { return tlw::ApplyResult::Nothing; }, tlw::Checksum::Always);
}

bool CAllControlsSheet::AskRestart() {
    CRestartDlg restart;
    return restart.DoModal(hwnd_) == IDOK;
}

void CAllControlsSheet::OnApply() {
    if (ApplyAllPages()) restartNeeded_ = true;
}

void CAllControlsSheet::OnOK() {
    if (ApplyAllPages() || restartNeeded_) {
        restartNeeded_ = true;
        if (AskRestart()) RestartWindows(hwnd_);
    }
    End(IDOK);
}

void CAllControlsSheet::LoadDefault() {
    CLoadSettingsDlg confirm;
    confirm.SetForm(CLoadSettingsDlg::kDefaultSettings);
    if (confirm.DoModal(hwnd_) != IDOK) return;
    if (!tlw::LoadSetupDefault()) {
        win::ShowMessage(hwnd_, win::LoadText(IDS_FUNCTION_NOT_IMPLEMENTED));
        return;
    }
    // The pages' old values must not be written over the defaults: the sheet
    // ends without applying anything, unless Windows ends it first.
    if (!AskRestart() || !RestartWindows(hwnd_)) End(IDCANCEL);
}

void CAllControlsSheet::LoadPrevious() {
    CLoadSettingsDlg confirm;
    confirm.SetForm(CLoadSettingsDlg::kPreviousSettings);
    if (confirm.DoModal(hwnd_) != IDOK) return;
    for (auto& page : pages_) page->RestorePreviousSettings();
    tlw::RecomputeChecksum();
}

void CAllControlsSheet::ShowContextMenu(POINT at) {
    HMENU menu = ::LoadMenuA(win::ResourceModule(), MAKEINTRESOURCEA(IDR_SHEET_MENU));
    if (!menu) return;
    HMENU popup = ::GetSubMenu(menu, 0);
    const struct {
        UINT command;
        UINT text;
    } items[] = {{IDM_LOAD_DEFAULT, IDS_LOAD_DEFAULT_SETTINGS},
                 {IDM_LOAD_PREVIOUS, IDS_LOAD_PREVIOUS_SETTINGS},
                 {IDM_ABOUT, IDS_ABOUT_MENU}};
    for (const auto& item : items) {
        ::ModifyMenuA(popup, item.command, MF_BYCOMMAND | MF_STRING, item.command,
                      win::LoadText(item.text, 256).c_str());
    }
    if (at.x == -1 && at.y == -1) {
        // From the keyboard: under the sheet's top-left corner.
        RECT frame;
        ::GetWindowRect(hwnd_, &frame);
        at = {frame.left + 16, frame.top + 32};
    }
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    ::DestroyMenu(menu);
}

bool CAllControlsSheet::OnCommand(int id, int) {
    switch (id) {
        case IDOK: OnOK(); return true;
        case win::kApplyButton: OnApply(); return true;
        case IDM_LOAD_DEFAULT: LoadDefault(); return true;
        case IDM_LOAD_PREVIOUS: LoadPrevious(); return true;
        case IDM_ABOUT: {
            CAboutDlg about;
            about.DoModal(hwnd_);
            return true;
        }
        default: return false;
    }
}

bool CAllControlsSheet::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CONTEXTMENU:
            ShowContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            result = 0;
            return true;
        case WM_QUERYENDSESSION:
            result = Default(message, wParam, lParam);
            if (result) tlw::SetHotkeyButton(1);
            return true;
        case WM_QUERYNEWPALETTE:
        case WM_PALETTECHANGED:
            // Palette messages reach top-level windows only; the pictures
            // that realise palettes sit on the pages.
            result = ForwardToPagePictures(message, wParam, lParam);
            return true;
        case WM_HELP: {
            // The pages answer for their own controls; what reaches the sheet
            // is about its buttons and tabs, or F1 with the focus on them.
            HWND front = reinterpret_cast<HWND>(Send(PSM_GETCURRENTPAGEHWND));
            UINT frontTemplate = IDD_INFO_PAGE;
            for (const auto& page : pages_) {
                if (page && page->handle() == front) frontTemplate = page->templateId();
            }
            help::AnswerForSheet(hwnd_, frontTemplate, *reinterpret_cast<const HELPINFO*>(lParam));
            result = TRUE;
            return true;
        }
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(icon_);
            return true;
        case WM_NCDESTROY:
            CPageHost::Detach(hwnd_);
            return false;
        default:
            return false;
    }
}
