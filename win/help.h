// Help requests, handed to the platform's help with the program's help file.
#pragma once

#include <windows.h>

// Opens the help file named after the executable (extension .HLP) at the
// context of dialog template `templateId`.
void ShowHelp(HWND owner, UINT templateId);
