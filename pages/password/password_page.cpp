// The password page: the power-on and setup passwords.
#include "pages/password/password_page.h"

#include "res/resource.h"

CPasswordPage::CPasswordPage() : CMyPropertyPage(IDD_PASSWORD_PAGE, IDS_PAGE_PASSWORD) {}

bool CPasswordPage::OnInit() { return CMyPropertyPage::OnInit(); }
