// The setup password's gate at start-up: the user types the password, the
// BIOS checks it. DoModal gives IDOK once the BIOS accepted the password,
// IDCANCEL when the user gave up or the third entry was rejected (the
// program then ends).
#pragma once

#include "controls/password_edit.h"
#include "win/dialog.h"

class CPasswordPromptDlg : public win::Dialog {
public:
    CPasswordPromptDlg();

protected:
    bool OnInit() override;
    void OnOK() override;

private:
    static constexpr int kTries = 3;

    CPasswordEdit password_;
    int failures_ = 0;
};
