// The boot sequence page: the BIOS boot order and the first hard disk.
#include "pages/boot/startup_page.h"

#include "res/resource.h"

CStartupPage::CStartupPage() : CMyPropertyPage(IDD_BOOT_PAGE, IDS_PAGE_BOOT_SEQUENCE) {}

bool CStartupPage::OnInit() {
    CMyPropertyPage::OnInit();
    m_picture.Bind(hwnd_, IDC_BOOT_PICTURE);
    m_picture.LoadBitmaps(IDB_BOOT_PICTURE, 0);
    return true;
}
