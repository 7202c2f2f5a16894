// The rows of the page table.
#include "pages/page_table.h"

#include "res/resource.h"

namespace tlw {
namespace {

constexpr PageText kInfoTexts[] = {
    {IDC_INFO_WELCOME, IDS_INFO_WELCOME},
    {IDC_INFO_INTRO, IDS_INFO_INTRO},
    {IDC_CHANGE_ASSET_TAG, IDS_CHANGE_ASSET_TAG},
};

constexpr PageText kPostTexts[] = {
    {IDC_POST_SIMPLE_BOOT, IDS_ENABLE_FAST_BOOT},
    {IDC_POST_FAN_ALWAYS_ON, IDS_FAN_ALWAYS_ON},
    {IDC_POST_FAST_POST, IDS_ENABLE_QUIET_BOOT},
};

constexpr PageText kBootTexts[] = {
    {IDC_BOOT_ORDER_GROUP, IDS_BOOT_ORDER_GROUP},
    {IDC_HDD_BOOT_GROUP, IDS_HDD_BOOT_GROUP},
};

constexpr PageText kPasswordTexts[] = {
    {IDC_POWER_ON_PASSWORD_GROUP, IDS_POWER_ON_PASSWORD_GROUP},
    {IDC_POWER_ON_PASSWORD_HINT, IDS_POWER_ON_PASSWORD_HINT},
    {IDC_CHANGE_POWER_ON_PASSWORD, IDS_CHANGE_POWER_ON_PASSWORD},
    {IDC_SETUP_PASSWORD_GROUP, IDS_SETUP_PASSWORD_GROUP},
    {IDC_SETUP_PASSWORD_HINT, IDS_SETUP_PASSWORD_HINT},
    {IDC_CHANGE_SETUP_PASSWORD, IDS_CHANGE_SETUP_PASSWORD},
};

constexpr PageText kDisplayTexts[] = {
    {IDC_BOOT_DISPLAY_GROUP, IDS_BOOT_DISPLAY_GROUP},
    {IDC_BOOT_DISPLAY_AUTO, IDS_DISPLAY_AUTO},
    {IDC_BOOT_DISPLAY_BOTH, IDS_DISPLAY_BOTH},
    {IDC_DISPLAY_DEVICE_GROUP, IDS_SWITCH_DISPLAY_GROUP},
    {IDC_DISPLAY_LCD_ONLY, IDS_LCD_PANEL_ONLY},
    {IDC_DISPLAY_EXTERNAL_ONLY, IDS_EXTERNAL_MONITOR},
    {IDC_DISPLAY_BOTH, IDS_DISPLAY_BOTH},
    {IDC_BRIGHTNESS_LABEL, IDS_BRIGHTNESS},
    {IDC_CONTRAST_LABEL, IDS_CONTRAST},
};

constexpr PageRow kPages[] = {
    {IDD_INFO_PAGE, IDS_PAGE_INFORMATION, IDC_INFO_PICTURE, IDB_INFO_PICTURE, 0, kInfoTexts},
    {IDD_POST_PAGE, IDS_PAGE_POST, IDC_POST_PICTURE, IDB_POST_PICTURE, IDB_POST_MASK, kPostTexts},
    {IDD_BOOT_PAGE, IDS_PAGE_BOOT_SEQUENCE, IDC_BOOT_PICTURE, IDB_BOOT_PICTURE, 0, kBootTexts},
    {IDD_PASSWORD_PAGE, IDS_PAGE_PASSWORD, IDC_PASSWORD_PICTURE, IDB_PASSWORD_PICTURE, 0, kPasswordTexts},
    {IDD_DISPLAY_PAGE, IDS_PAGE_DISPLAY, IDC_DISPLAY_PICTURE, IDB_DISPLAY_PICTURE, IDB_DISPLAY_MASK, kDisplayTexts},
};

}  // namespace

Items<PageRow> PageTable() { return kPages; }

const PageRow* PageRowOf(unsigned templateId) {
    for (const PageRow& row : PageTable()) {
        if (row.templateId == templateId) return &row;
    }
    return nullptr;
}

int PageIndexOf(unsigned templateId) {
    const PageRow* row = PageRowOf(templateId);
    return row ? static_cast<int>(row - PageTable().begin()) : -1;
}

}  // namespace tlw
