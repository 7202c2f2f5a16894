// The help file is named after the executable; no help file ships with the
// program, so the platform's help says so when asked.
#include "win/help.h"

#include <string>

namespace {

// Help contexts of dialog templates start here, as in the help projects of
// the program's platform.
constexpr DWORD kDialogHelpContextBase = 0x20000;

}  // namespace

void ShowHelp(HWND owner, UINT templateId) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string helpFile = path;
    const auto dot = helpFile.find_last_of('.');
    const auto slash = helpFile.find_last_of("\\/");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) helpFile.erase(dot);
    helpFile += ".HLP";
    ::WinHelpA(owner, helpFile.c_str(), HELP_CONTEXT, kDialogHelpContextBase + templateId);
}
