// The setup password's prompt, and the settings sheet run modally as the
// application's main window.
#include "app/settings_window.h"

#include "app/all_controls_sheet.h"
#include "app/password_prompt_dlg.h"
#include "app/tallowin_app.h"
#include "res/resource.h"

bool ConfirmSetupPassword() {
    CPasswordPromptDlg prompt;
    return prompt.DoModal() == IDOK;
}

void RunSettingsWindow(CTallowinApp& app) {
    CAllControlsSheet sheet(IDS_APP_TITLE, nullptr, 0);
    sheet.AddHeaderFlags(PSH_HASHELP);
    sheet.DoModal();
    app.SetMainWindow(nullptr);
}
