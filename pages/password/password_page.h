// The password page: sets, changes or removes the power-on and the setup
// password through the change password dialog; Apply writes what was chosen.
// The BIOS only says whether each password is set, so the page shows no state.
#pragma once

#include "controls/palette_bitmap_button.h"
#include "pages/password/change_password_dlg.h"
#include "pages/password/password_settings.h"
#include "pages/settings_page.h"

class CPasswordPage : public CSettingsPage {
public:
    CPasswordPage();

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    tlw::SettingsModel& model() override { return m_settings; }
    // The page shows nothing the BIOS says; the dialogs open with the model's records.
    void ShowSettings() override {}

private:
    void ChangePassword(tlw::Password which);

    CPaletteBitmapButton m_picture;
    CChangePasswordDlg m_powerOnDialog;
    CChangePasswordDlg m_setupDialog;
    tlw::PasswordSettings m_settings;
};
