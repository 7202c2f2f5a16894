// Until the settings sheet and the password prompt exist: the password gate
// stays shut, and a plain modal window titled "Tallowin" holds the sheet's place.
#include "app/settings_window.h"

#include "app/tallowin_app.h"
#include "res/resource.h"
#include "win/dialog.h"
#include "win/resources.h"

namespace {

// An empty 240 x 120 dialog with caption, system menu and modal frame.
struct StandInTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};

class StandInWindow : public win::Dialog {
public:
    StandInWindow() : win::Dialog(0) {}

protected:
    bool OnInit() override {
        SetText(win::LoadText(IDS_APP_TITLE));
        TheApp().SetMainWindow(*this);
        return true;
    }
};

}  // namespace

bool ConfirmSetupPassword() { return false; }

void RunSettingsWindow(CTallowinApp& app) {
    alignas(4) StandInTemplate dialogTemplate = {
        {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0, 0, 0, 0, 240, 120}, 0, 0, 0};
    StandInWindow window;
    window.DoModalIndirect(&dialogTemplate.header, nullptr);
    app.SetMainWindow(nullptr);
}
