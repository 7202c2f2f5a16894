// The start-up password prompt.
#include "app/password_prompt_dlg.h"

#include "bios/shell_calls.h"
#include "pages/page_base.h"
#include "res/resource.h"
#include "win/resources.h"

CPasswordPromptDlg::CPasswordPromptDlg() : win::Dialog(IDD_PASSWORD_PROMPT) {}

bool CPasswordPromptDlg::OnInit() {
    SetText(win::LoadText(IDS_APP_TITLE));
    CMyPropertyPage::SetControlText(hwnd_, IDC_PROMPT_TEXT, IDS_PASSWORD_PROMPT);
    CMyPropertyPage::SetControlText(hwnd_, IDC_PROMPT_PASSWORD_LABEL, IDS_PASSWORD_LABEL);
    SetItemText(IDOK, win::LoadText(IDS_OK));
    SetItemText(IDCANCEL, win::LoadText(IDS_CANCEL));
    password_.Bind(hwnd_, IDC_PROMPT_PASSWORD);
    return true;
}

void CPasswordPromptDlg::OnOK() {
    // The BIOS judges every entry, an empty one too.
    const tlw::PasswordRecord& typed = password_.GetRecord();
    std::uint8_t ah = 0;
    if (tlw::SetChkSetupPasswd(ah, 3, typed.codes, static_cast<std::uint16_t>(typed.length))) return End(IDOK);
    win::ShowMessage(hwnd_, win::LoadText(IDS_INVALID_PASSWORD));
    if (++failures_ < kTries) return;  // the entry stays as typed
    win::ShowMessage(hwnd_, win::LoadText(IDS_PASSWORD_TOO_MANY_FAILURES));
    End(IDCANCEL);
}
