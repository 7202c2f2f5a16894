// The password page.
#include "pages/password/password_page.h"

#include "res/resource.h"

CPasswordPage::CPasswordPage() : CSettingsPage(IDD_PASSWORD_PAGE, IDS_PAGE_PASSWORD) {
    m_powerOnDialog.SetMode(PasswordMode::PowerOn);
    m_setupDialog.SetMode(PasswordMode::Setup);
}

bool CPasswordPage::OnInit() {
    CMyPropertyPage::OnInit();
    m_picture.Bind(hwnd_, IDC_PASSWORD_PICTURE);
    m_picture.LoadBitmaps(IDB_PASSWORD_PICTURE, 0);
    SetControlText(IDC_POWER_ON_PASSWORD_GROUP, IDS_POWER_ON_PASSWORD_GROUP);
    SetControlText(IDC_POWER_ON_PASSWORD_HINT, IDS_POWER_ON_PASSWORD_HINT);
    SetControlText(IDC_CHANGE_POWER_ON_PASSWORD, IDS_CHANGE_POWER_ON_PASSWORD);
    SetControlText(IDC_SETUP_PASSWORD_GROUP, IDS_SETUP_PASSWORD_GROUP);
    SetControlText(IDC_SETUP_PASSWORD_HINT, IDS_SETUP_PASSWORD_HINT);
    SetControlText(IDC_CHANGE_SETUP_PASSWORD, IDS_CHANGE_SETUP_PASSWORD);
    ReadSettings();
    return true;
}

bool CPasswordPage::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    if (id == IDC_CHANGE_POWER_ON_PASSWORD) {
        ChangePassword(tlw::Password::PowerOn);
    } else if (id == IDC_CHANGE_SETUP_PASSWORD) {
        ChangePassword(tlw::Password::Setup);
    } else {
        return false;
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
