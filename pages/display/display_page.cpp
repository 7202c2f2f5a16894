// The display device page: boot display, display in use, brightness and contrast.
#include "pages/display/display_page.h"

#include "res/resource.h"

CDisplayPage::CDisplayPage() : CMyPropertyPage(IDD_DISPLAY_PAGE, IDS_PAGE_DISPLAY) {}

bool CDisplayPage::OnInit() { return CMyPropertyPage::OnInit(); }
