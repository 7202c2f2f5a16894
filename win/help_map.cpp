// The popup texts by dialog and control.
#include "win/help_map.h"

#include "res/resource.h"

#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#endif

namespace help {

const ControlHelp kControlHelp[] = {
    {IDD_INFO_PAGE, IDC_INFO_LIST, IDS_HELP_INFO_LIST},
    {IDD_INFO_PAGE, IDC_CHANGE_ASSET_TAG, IDS_HELP_CHANGE_ASSET_TAG},
    {IDD_POST_PAGE, IDC_POST_SIMPLE_BOOT, IDS_HELP_FAST_BOOT},
    {IDD_POST_PAGE, IDC_POST_FAST_POST, IDS_HELP_QUIET_BOOT},
    {IDD_POST_PAGE, IDC_POST_FAN_ALWAYS_ON, IDS_HELP_FAN_ALWAYS_ON},
    {IDD_BOOT_PAGE, IDC_BOOT_ORDER_LIST, IDS_HELP_BOOT_ORDER},
    {IDD_BOOT_PAGE, IDC_HDD_BOOT_COMBO, IDS_HELP_HDD_BOOT},
    {IDD_PASSWORD_PAGE, IDC_CHANGE_POWER_ON_PASSWORD, IDS_HELP_CHANGE_POWER_ON_PASSWORD},
    {IDD_PASSWORD_PAGE, IDC_CHANGE_SETUP_PASSWORD, IDS_HELP_CHANGE_SETUP_PASSWORD},
    {IDD_DISPLAY_PAGE, IDC_BOOT_DISPLAY_AUTO, IDS_HELP_BOOT_DISPLAY_AUTO},
    {IDD_DISPLAY_PAGE, IDC_BOOT_DISPLAY_BOTH, IDS_HELP_BOOT_DISPLAY_BOTH},
    {IDD_DISPLAY_PAGE, IDC_DISPLAY_LCD_ONLY, IDS_HELP_DISPLAY_LCD_ONLY},
    {IDD_DISPLAY_PAGE, IDC_DISPLAY_EXTERNAL_ONLY, IDS_HELP_DISPLAY_EXTERNAL_ONLY},
    {IDD_DISPLAY_PAGE, IDC_DISPLAY_BOTH, IDS_HELP_DISPLAY_BOTH},
    {IDD_DISPLAY_PAGE, IDC_BRIGHTNESS_TRACKBAR, IDS_HELP_BRIGHTNESS},
    {IDD_DISPLAY_PAGE, IDC_CONTRAST_TRACKBAR, IDS_HELP_CONTRAST},
    {IDD_PASSWORD_PROMPT, IDC_PROMPT_PASSWORD, IDS_HELP_PROMPT_PASSWORD},
    {IDD_PASSWORD_PROMPT, IDOK, IDS_HELP_PROMPT_OK},
    {IDD_PASSWORD_PROMPT, IDCANCEL, IDS_HELP_PROMPT_CANCEL},
    {IDD_RESTART, IDOK, IDS_HELP_RESTART_YES},
    {IDD_RESTART, IDCANCEL, IDS_HELP_RESTART_NO},
    {IDD_CHANGE_PASSWORD, IDC_ENABLE_PASSWORD, IDS_HELP_ENABLE_PASSWORD},
    {IDD_CHANGE_PASSWORD, IDC_NEW_PASSWORD, IDS_HELP_NEW_PASSWORD},
    {IDD_CHANGE_PASSWORD, IDC_CONFIRM_PASSWORD, IDS_HELP_CONFIRM_PASSWORD},
    {IDD_LOAD_SETTINGS, IDOK, IDS_HELP_LOAD_YES},
    {IDD_LOAD_SETTINGS, IDCANCEL, IDS_HELP_LOAD_NO},
    {IDD_ASSET_TAG, IDC_NEW_ASSET_TAG, IDS_HELP_NEW_ASSET_TAG},
    {IDD_ASSET_TAG, IDC_CONFIRM_ASSET_TAG, IDS_HELP_CONFIRM_ASSET_TAG},
    {kAnyDialog, IDOK, IDS_HELP_OK},
    {kAnyDialog, IDCANCEL, IDS_HELP_CANCEL},
};
const std::size_t kControlHelpCount = sizeof kControlHelp / sizeof kControlHelp[0];

const ControlHelp kSheetControlHelp[] = {
    {kAnyDialog, IDOK, IDS_HELP_SHEET_OK},
    {kAnyDialog, IDCANCEL, IDS_HELP_SHEET_CANCEL},
    {kAnyDialog, IDC_SHEET_APPLY, IDS_HELP_SHEET_APPLY},
    {kAnyDialog, IDC_SHEET_HELP, IDS_HELP_SHEET_HELP},
    {kAnyDialog, IDC_SHEET_TABS, IDS_HELP_SHEET_TABS},
};
const std::size_t kSheetControlHelpCount = sizeof kSheetControlHelp / sizeof kSheetControlHelp[0];

unsigned SheetPopupTextId(int controlId) {
    for (const ControlHelp& entry : kSheetControlHelp) {
        if (entry.controlId == controlId) return entry.textId;
    }
    return 0;
}

unsigned PopupTextId(unsigned templateId, int controlId) {
    unsigned shared = 0;
    for (const ControlHelp& entry : kControlHelp) {
        if (entry.controlId != controlId) continue;
        if (entry.templateId == templateId) return entry.textId;
        if (entry.templateId == kAnyDialog) shared = entry.textId;
    }
    return shared;
}

}  // namespace help
