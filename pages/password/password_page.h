// The password page: sets, changes or removes the power-on and the setup
// password through the change password dialog; Apply writes what was chosen.
// The BIOS only says whether each password is set, so the page shows no state.
#pragma once

#include "pages/password/change_password_dlg.h"
#include "pages/password/password_settings.h"
#include "pages/settings_page.h"

class CPasswordPage : public CSettingsPage {
public:
    explicit CPasswordPage(const tlw::PageRow& row);

protected:
    bool OnCommand(int id, int code, HWND control) override;
    // The page shows nothing the BIOS says; the dialogs open with the model's records.
    void ShowSettings() override {}

private:
    void ChangePassword(tlw::Password which);

    CChangePasswordDlg m_powerOnDialog;
    CChangePasswordDlg m_setupDialog;
    tlw::PasswordSettings m_settings;
};
