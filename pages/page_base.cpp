// The page base: title font, context help, texts by id.
#include "pages/page_base.h"

#include "win/help.h"
#include "res/resource.h"
#include "win/resources.h"

CMyPropertyPage::CMyPropertyPage(const tlw::PageRow& row)
    : win::PropertyPage(row.templateId, win::LoadText(row.captionId)), row_(&row) {}

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
    MakeTitleFont();
    if (HWND title = Item(IDC_PAGE_TITLE)) {
        ::SetWindowTextA(title, caption().c_str());
        if (titleFont_) ::SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), TRUE);
    }
    if (row_) {
        picture_.Bind(hwnd_, row_->pictureControl);
        picture_.LoadBitmaps(row_->pictureId, row_->maskId);
        for (const tlw::PageText& text : row_->texts) SetControlText(text.control, text.text);
    }
    InitControls();
    FillControls();
    return true;
}

void CMyPropertyPage::MakeTitleFont() {
    // The title: the page's own dialog font, 30 pixels high where that font's
    // characters are 13 (8 points at 96 DPI), and as much larger as they are
    // under large fonts, so that it stays a heading over the page's text.
    constexpr int kTitleHeight = 30, kDialogFontHeight = 13;
    auto dialogFont = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    if (dialogFont && ::GetObjectA(dialogFont, sizeof titleFontDescription_, &titleFontDescription_)) {
        TEXTMETRICA metrics = {};
        HDC dc = ::GetDC(hwnd_);
        bool measured = false;
        if (dc) {
            {
                win::SelectedObject font(dc, dialogFont);
                measured = ::GetTextMetricsA(dc, &metrics) != FALSE;
            }
            ::ReleaseDC(hwnd_, dc);
        }
        titleFontDescription_.lfHeight =
            measured ? ::MulDiv(kTitleHeight, metrics.tmHeight, kDialogFontHeight) : kTitleHeight;
        titleFontDescription_.lfWidth = 0;
        // A bitmap face (the pages' MS Sans Serif) holds a few sizes; larger
        // ones come out as its glyphs spread apart. A title larger than at
        // 96 DPI then takes an outline face of the same family.
        if (measured && titleFontDescription_.lfHeight > kTitleHeight &&
            !(metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE))) {
            titleFontDescription_.lfFaceName[0] = '\0';
            titleFontDescription_.lfOutPrecision = OUT_TT_ONLY_PRECIS;
            titleFontDescription_.lfPitchAndFamily =
                static_cast<BYTE>(VARIABLE_PITCH | (metrics.tmPitchAndFamily & 0xF0));
        }
        titleFont_.Reset(::CreateFontIndirectA(&titleFontDescription_));
    }
}

void CMyPropertyPage::OnHelp() { ShowHelp(hwnd_, templateId()); }

bool CMyPropertyPage::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_HELP || !lParam) return false;
    // The "?" button or Shift+F1 on a control: its popup; F1: the page's topic.
    help::Answer(hwnd_, templateId(), *reinterpret_cast<const HELPINFO*>(lParam));
    result = TRUE;
    return true;
}
