// The password page: the power-on and setup passwords.
#include "pages/password/password_page.h"

#include "res/resource.h"

CPasswordPage::CPasswordPage() : CMyPropertyPage(IDD_PASSWORD_PAGE, IDS_PAGE_PASSWORD) {}

bool CPasswordPage::OnInit() {
    CMyPropertyPage::OnInit();
    m_picture.Bind(hwnd_, IDC_PASSWORD_PICTURE);
    m_picture.LoadBitmaps(IDB_PASSWORD_PICTURE, 0);
    return true;
}
