// The POST page: fast boot and the fan-always-on setting.
#include "pages/boot/post_page.h"

#include "res/resource.h"

CPostPage::CPostPage() : CMyPropertyPage(IDD_POST_PAGE, IDS_PAGE_POST) {}

bool CPostPage::OnInit() { return CMyPropertyPage::OnInit(); }
