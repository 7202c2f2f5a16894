// The settings sheet, run modally as the application's main window. Until
// the startup password prompt exists, a set setup password keeps it closed.
#include "app/settings_window.h"

#include "app/all_controls_sheet.h"
#include "app/tallowin_app.h"
#include "res/resource.h"

bool ConfirmSetupPassword() { return false; }

void RunSettingsWindow(CTallowinApp& app) {
    CAllControlsSheet sheet(IDS_APP_TITLE, nullptr, 0);
    sheet.AddHeaderFlags(PSH_HASHELP);
    sheet.DoModal();
    app.SetMainWindow(nullptr);
}
