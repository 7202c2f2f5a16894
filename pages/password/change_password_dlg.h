// The change password dialog: turns one BIOS password on or off and takes a
// new one, typed twice. It writes nothing: its record is what the password
// page writes on Apply. One class for both passwords; the mode picks the texts.
#pragma once

#include <cstdint>

#include "controls/password_edit.h"
#include "win/dialog.h"

enum class PasswordMode : std::uint16_t { PowerOn = 1, Setup = 2 };

class CChangePasswordDlg : public win::Dialog {
public:
    CChangePasswordDlg();

    void SetMode(PasswordMode mode) { mode_ = mode; }
    // What the dialog opens with; nothing counts as typed.
    void SetRecord(const tlw::PasswordRecord& record);
    // IDOK: the user's choice, to be written; IDCANCEL: the record as it was.
    const tlw::PasswordRecord& GetRecord() const { return record_; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;

private:
    bool enabled() const { return record_.enabled != 0; }
    bool Checked() const;  // the check box
    // The two boxes, their labels and frame follow the check box.
    void EnableBoxes() const;
    void FocusNewBox() const;
    void OnToggle();

    CPasswordEdit confirmBox_;
    CPasswordEdit newBox_;
    tlw::PasswordRecord record_;
    std::uint32_t enabledAtOpening_ = 0;
    PasswordMode mode_ = PasswordMode::PowerOn;
    bool toggled_ = false;
};
