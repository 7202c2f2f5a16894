// The page base: title font, context help, texts by id.
#include "pages/page_base.h"

#include "win/help.h"
#include "res/resource.h"
#include "win/resources.h"

CMyPropertyPage::CMyPropertyPage(UINT templateId, UINT captionId)
    : win::PropertyPage(templateId, win::LoadText(captionId)) {}

void CMyPropertyPage::SetControlText(int controlId, UINT stringId) const {
    SetControlText(hwnd_, controlId, stringId);
}

void CMyPropertyPage::SetControlText(HWND dialog, int controlId, UINT stringId) {
    ::SetDlgItemTextA(dialog, controlId, win::LoadText(stringId, 256).c_str());
}

void CMyPropertyPage::MarkModified(bool modified) {
    modified_ = modified;
    SetModified(modified);
}

bool CMyPropertyPage::OnInit() {
    // The caption's question-mark button.
    ::SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, ::GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);

    // The title: the page's own dialog font, 30 units high.
    auto dialogFont = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    if (dialogFont && ::GetObjectA(dialogFont, sizeof titleFontDescription_, &titleFontDescription_)) {
        titleFontDescription_.lfHeight = 30;
        titleFontDescription_.lfWidth = 0;
        titleFont_.Reset(::CreateFontIndirectA(&titleFontDescription_));
    }
    if (HWND title = Item(IDC_PAGE_TITLE)) {
        ::SetWindowTextA(title, caption().c_str());
        if (titleFont_) ::SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), TRUE);
    }
    return true;
}

void CMyPropertyPage::OnHelp() { ShowHelp(hwnd_, templateId()); }

bool CMyPropertyPage::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_HELP || !lParam) return false;
    // The "?" button or Shift+F1 on a control: its popup; F1: the page's topic.
    help::Answer(hwnd_, templateId(), *reinterpret_cast<const HELPINFO*>(lParam));
    result = TRUE;
    return true;
}
