// The change password dialog.
#include "pages/password/change_password_dlg.h"

#include "pages/password/password_choice.h"
#include "res/resource.h"
#include "win/resources.h"
#include "win/tab_order.h"

CChangePasswordDlg::CChangePasswordDlg() : win::Dialog(IDD_CHANGE_PASSWORD) {}

void CChangePasswordDlg::SetRecord(const tlw::PasswordRecord& record) {
    record_ = record;
    record_.typed = 0;
}

bool CChangePasswordDlg::OnInit() {
    toggled_ = false;
    const bool powerOn = mode_ == PasswordMode::PowerOn;
    // Shared: the system keeps one icon for every showing and frees it with the program.
    const auto icon = static_cast<HICON>(::LoadImageA(win::ResourceModule(),
        MAKEINTRESOURCEA(powerOn ? IDI_POWER_ON_PASSWORD : IDI_SETUP_PASSWORD), IMAGE_ICON, 0, 0,
        LR_DEFAULTSIZE | LR_SHARED));
    SetText(win::LoadText(powerOn ? IDS_CHANGE_POWER_ON_PASSWORD : IDS_CHANGE_SETUP_PASSWORD));
    SetItemText(IDC_PASSWORD_EXPLANATION, win::LoadText(powerOn ? IDS_POWER_ON_PASSWORD_INFO : IDS_SETUP_PASSWORD_INFO));
    SetItemText(IDC_ENABLE_PASSWORD, win::LoadText(powerOn ? IDS_ENABLE_POWER_ON_PASSWORD : IDS_ENABLE_SETUP_PASSWORD));
    if (icon) ::SendMessageA(Item(IDC_PASSWORD_ICON), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    SetItemText(IDC_NEW_PASSWORD_LABEL, win::LoadText(IDS_NEW_PASSWORD));
    SetItemText(IDC_CONFIRM_PASSWORD_LABEL, win::LoadText(IDS_CONFIRM_PASSWORD));
    SetItemText(IDOK, win::LoadText(IDS_OK));
    SetItemText(IDCANCEL, win::LoadText(IDS_CANCEL));

    newBox_.Bind(hwnd_, IDC_NEW_PASSWORD);
    confirmBox_.Bind(hwnd_, IDC_CONFIRM_PASSWORD);
    CheckButton(IDC_ENABLE_PASSWORD, enabled());
    record_.enabled = Checked() ? 1 : 0;
    newBox_.SetRecord(record_);
    confirmBox_.SetRecord(record_);
    EnableBoxes();
    enabledAtOpening_ = record_.enabled;
    // Each box after its label, so that screen readers name it by the label.
    win::SetTabOrder(hwnd_, {IDC_ENABLE_PASSWORD, IDC_NEW_PASSWORD_LABEL, IDC_NEW_PASSWORD, IDC_CONFIRM_PASSWORD_LABEL,
                             IDC_CONFIRM_PASSWORD, IDOK, IDCANCEL});
    return true;  // the focus goes to the check box, the first control that takes it
}

bool CChangePasswordDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_ENABLE_PASSWORD && code == BN_CLICKED) {
        OnToggle();
        return true;
    }
    return win::Dialog::OnCommand(id, code, control);
}

void CChangePasswordDlg::OnToggle() {
    toggled_ = true;
    record_.enabled = Checked() ? 1 : 0;
    const tlw::PasswordRecord fresh = tlw::PasswordRecord::State(enabled());
    for (CPasswordEdit* box : {&newBox_, &confirmBox_}) {
        box->SetRecord(fresh);
        ::SetWindowTextA(*box, "");
    }
    EnableBoxes();
    FocusNewBox();
}

void CChangePasswordDlg::OnOK() {
    tlw::PasswordRecord chosen;
    switch (tlw::ChoosePassword(newBox_.GetRecord(), confirmBox_.GetRecord(), toggled_, chosen)) {
        case tlw::PasswordChoice::Unchanged:
            return End(IDCANCEL);
        case tlw::PasswordChoice::Remove:
        case tlw::PasswordChoice::Set:
            record_ = chosen;
            return End(IDOK);
        case tlw::PasswordChoice::Mismatch:
            break;
    }
    win::ShowMessage(hwnd_, win::LoadText(IDS_PASSWORDS_DO_NOT_MATCH));
    newBox_.Empty();
    confirmBox_.Empty();
    FocusNewBox();
}

void CChangePasswordDlg::OnCancel() {
    // Only the check box's flag may have moved during this opening.
    record_.enabled = enabledAtOpening_;
    End(IDCANCEL);
}

bool CChangePasswordDlg::Checked() const {
    return IsButtonChecked(IDC_ENABLE_PASSWORD);
}

void CChangePasswordDlg::EnableBoxes() const {
    for (int id : {IDC_PASSWORD_FRAME, IDC_NEW_PASSWORD, IDC_CONFIRM_PASSWORD, IDC_NEW_PASSWORD_LABEL,
                   IDC_CONFIRM_PASSWORD_LABEL}) {
        EnableItem(id, enabled());
    }
}

void CChangePasswordDlg::FocusNewBox() const {
    Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(static_cast<HWND>(newBox_)), TRUE);
}
