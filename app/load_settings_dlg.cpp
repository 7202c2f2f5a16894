// The load confirmation's texts by form.
#include "app/load_settings_dlg.h"

#include "res/resource.h"
#include "win/resources.h"

CLoadSettingsDlg::CLoadSettingsDlg() : win::Dialog(IDD_LOAD_SETTINGS) {}

bool CLoadSettingsDlg::OnInit() {
    const UINT form = form_ != kDefaultSettings ? 1 : 0;
    SetText(win::LoadText(IDS_LOAD_DEFAULT_SETTINGS + form, 512));
    SetItemText(IDC_LOAD_SETTINGS_TEXT, win::LoadText(IDS_LOAD_DEFAULT_QUESTION + form, 512));
    SetItemText(IDOK, win::LoadText(IDS_YES, 512));
    SetItemText(IDCANCEL, win::LoadText(IDS_NO, 512));
    return true;
}
