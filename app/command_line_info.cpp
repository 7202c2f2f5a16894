// The flag "1": switch to the command-line mode and re-apply the button actions.
#include "app/command_line_info.h"

#include <windows.h>

#include "app/saved_button_actions.h"
#include "app/tallowin_app.h"

void CTallowinCommandLineInfo::ParseParam(const char* param, bool isFlag, bool isLast) {
    if (isFlag && ::lstrcmpiA(param, "1") == 0) {
        app_.SetCommandLineMode();
        ApplySavedButtonActions();
    }
    win::CommandLineInfo::ParseParam(param, isFlag, isLast);
}
