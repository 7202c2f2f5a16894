// The POST page: fast boot and the fan-always-on setting.
#include "pages/boot/post_page.h"

#include "res/resource.h"

CPostPage::CPostPage() : CMyPropertyPage(IDD_POST_PAGE, IDS_PAGE_POST) {}

bool CPostPage::OnInit() {
    CMyPropertyPage::OnInit();
    m_picture.Bind(hwnd_, IDC_POST_PICTURE);
    m_picture.LoadBitmaps(IDB_POST_PICTURE, IDB_POST_MASK);
    return true;
}
