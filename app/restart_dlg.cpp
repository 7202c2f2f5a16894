// The restart prompt's texts.
#include "app/restart_dlg.h"

#include "res/resource.h"
#include "win/resources.h"

CRestartDlg::CRestartDlg() : win::Dialog(IDD_RESTART) {}

bool CRestartDlg::OnInit() {
    SetText(win::LoadText(IDS_RESTART_CAPTION, 512));
    SetItemText(IDC_RESTART_TEXT, win::LoadText(IDS_RESTART_QUESTION, 512));
    SetItemText(IDOK, win::LoadText(IDS_YES, 512));
    SetItemText(IDCANCEL, win::LoadText(IDS_NO, 512));
    return true;
}
