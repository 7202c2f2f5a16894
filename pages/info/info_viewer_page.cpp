// The information page: the machine's configuration and its DMI identity.
#include "pages/info/info_viewer_page.h"

#include "res/resource.h"

CInfoViewerPage::CInfoViewerPage() : CMyPropertyPage(IDD_INFO_PAGE, IDS_PAGE_INFORMATION) {}

bool CInfoViewerPage::OnInit() {
    CMyPropertyPage::OnInit();
    m_picture.Bind(hwnd_, IDC_INFO_PICTURE);
    m_picture.LoadBitmaps(IDB_INFO_PICTURE, 0);
    return true;
}
