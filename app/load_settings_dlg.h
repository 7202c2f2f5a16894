// The question before loading the BIOS defaults (form 0) or writing the last
// applied settings again (form 1). OK means Yes.
#pragma once

#include "win/dialog.h"

class CLoadSettingsDlg : public win::Dialog {
public:
    enum Form { kDefaultSettings = 0, kPreviousSettings = 1 };

    CLoadSettingsDlg();
    void SetForm(int form) { form_ = form; }

protected:
    bool OnInit() override;

private:
    int form_ = kDefaultSettings;
};
