// The information page: the machine's configuration and its DMI identity.
#include "pages/info/info_viewer_page.h"

#include "res/resource.h"

CInfoViewerPage::CInfoViewerPage() : CMyPropertyPage(IDD_INFO_PAGE, IDS_PAGE_INFORMATION) {}

bool CInfoViewerPage::OnInit() { return CMyPropertyPage::OnInit(); }
