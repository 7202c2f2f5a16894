// The password page.
#include "pages/password/password_page.h"

#include "res/resource.h"

CPasswordPage::CPasswordPage(const tlw::PageRow& row) : CSettingsPage(row, m_settings) {
    m_powerOnDialog.SetMode(PasswordMode::PowerOn);
    m_setupDialog.SetMode(PasswordMode::Setup);
}

bool CPasswordPage::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED && id == IDC_CHANGE_POWER_ON_PASSWORD) {
        ChangePassword(tlw::Password::PowerOn);
    } else if (code == BN_CLICKED && id == IDC_CHANGE_SETUP_PASSWORD) {
        ChangePassword(tlw::Password::Setup);
    } else {
        return CSettingsPage::OnCommand(id, code, control);
    }
    return true;
}

void CPasswordPage::ChangePassword(tlw::Password which) {
    CChangePasswordDlg& dialog = which == tlw::Password::PowerOn ? m_powerOnDialog : m_setupDialog;
    dialog.SetRecord(m_settings.record(which));
    if (dialog.DoModal(Parent()) == IDOK) {
        m_settings.Choose(which, dialog.GetRecord());
        SetPageModified(true);
    }
    // The model keeps the record from here on; the dialog's copy goes.
    dialog.SetRecord(tlw::PasswordRecord());
}
