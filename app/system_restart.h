// Restarting Windows so that changed BIOS settings take effect.
#pragma once

#include <windows.h>

// Enables the shutdown privilege and asks Windows for a restart (not forced).
// False when the privilege cannot be had; the request's own result is not
// looked at: Windows may still refuse or a program may cancel it, and this
// program then goes on running.
bool RestartWindows(HWND mainWindow);

// What a restart that only a simulated machine sees reports.
enum class RestartEvent {
    Requested,  // the program asked for the restart
    Cancelled,  // a window answered WM_QUERYENDSESSION with FALSE
};
using RestartReport = void (*)(RestartEvent event);

// From now on RestartWindows does not ask Windows: it reports the request,
// then ends the session as Windows would for this process's top-level windows
// (each asked whether it may end; a FALSE cancels the restart and the program
// goes on; otherwise each hears that the session ends and the process ends).
// Installed by whoever chose a simulated machine.
void SimulateRestarts(RestartReport report);
