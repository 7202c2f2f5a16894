// Property page glue: the page description and its sheet notifications.
#include "win/property_page.h"

#include "win/property_sheet.h"
#include "win/resources.h"
#include "win/startup_trace.h"

namespace win {

PropertyPage::PropertyPage(UINT templateId, std::string caption)
    : Dialog(templateId), templateId_(templateId), caption_(std::move(caption)) {}

PROPSHEETPAGEA PropertyPage::Description(bool hasHelp) {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE | (hasHelp ? PSP_HASHELP : 0);
    page.hInstance = ResourceModule();
    page.pszTemplate = MAKEINTRESOURCEA(templateId_);
    page.pszTitle = caption_.c_str();
    page.pfnDlgProc = PageProcedure;
    page.lParam = reinterpret_cast<LPARAM>(static_cast<Dialog*>(this));
    return page;
}

INT_PTR CALLBACK PropertyPage::PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) return Procedure(hwnd, message, wParam, lParam);
    // The page's WM_INITDIALOG carries the PROPSHEETPAGE; the object is its lParam.
    lParam = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
    const auto* page = static_cast<const PropertyPage*>(reinterpret_cast<Dialog*>(lParam));
    const TracedPhase phase("page window", page->caption().c_str());
    // The dialog manager made the page at its template's size in its own
    // font; the sheet places it in its page area only after this.
    RECT own = {};
    ::GetClientRect(hwnd, &own);
    MakeRoomForPage(::GetParent(hwnd), {own.right, own.bottom});
    return Procedure(hwnd, message, wParam, lParam);
}

void PropertyPage::SetModified(bool modified) {
    if (!hwnd_) return;
    ::SendMessageA(::GetParent(hwnd_), modified ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(hwnd_), 0);
}

bool PropertyPage::OnNotify(const NMHDR& header, LRESULT& result) {
    // Only the sheet's own notifications; a child list's codes may overlap.
    if (header.hwndFrom != ::GetParent(hwnd_)) return false;
    switch (header.code) {
        case PSN_SETACTIVE:
            FillPageArea(hwnd_);
            OnSetActive();
            result = 0;
            return true;
        case PSN_HELP:
            OnHelp();
            return true;
        default:
            return false;
    }
}

}  // namespace win
