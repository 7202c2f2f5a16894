// The question whether to restart now so that changed settings take effect.
// OK means Yes; No, Esc and the caption's close button mean later.
#pragma once

#include "win/dialog.h"

class CRestartDlg : public win::Dialog {
public:
    CRestartDlg();

protected:
    bool OnInit() override;
};
