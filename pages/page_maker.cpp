// Which class draws each page of the table.
#include "pages/page_maker.h"

#include "pages/boot/post_page.h"
#include "pages/boot/startup_page.h"
#include "pages/display/display_page.h"
#include "pages/info/info_viewer_page.h"
#include "pages/password/password_page.h"
#include "res/resource.h"

std::unique_ptr<CMyPropertyPage> MakePage(const tlw::PageRow& row) {
    const unsigned page = row.templateId;
    if (page == IDD_INFO_PAGE) return std::make_unique<CInfoViewerPage>(row);
    if (page == IDD_POST_PAGE) return std::make_unique<CPostPage>(row);
    if (page == IDD_BOOT_PAGE) return std::make_unique<CStartupPage>(row);
    if (page == IDD_PASSWORD_PAGE) return std::make_unique<CPasswordPage>(row);
    if (page == IDD_DISPLAY_PAGE) return std::make_unique<CDisplayPage>(row);
    return nullptr;
}
