// The display device page: boot display, display in use, brightness and contrast.
#include "pages/display/display_page.h"

#include "res/resource.h"

CDisplayPage::CDisplayPage() : CMyPropertyPage(IDD_DISPLAY_PAGE, IDS_PAGE_DISPLAY) {}

bool CDisplayPage::OnInit() {
    CMyPropertyPage::OnInit();
    m_picture.Bind(hwnd_, IDC_DISPLAY_PICTURE);
    m_picture.LoadBitmaps(IDB_DISPLAY_PICTURE, IDB_DISPLAY_MASK);
    return true;
}
