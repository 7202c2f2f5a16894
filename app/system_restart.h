// Restarting Windows so that changed BIOS settings take effect.
#pragma once

#include <windows.h>

// Enables the shutdown privilege and asks Windows for a restart (not forced).
// False when the privilege cannot be had; the request's own result is not
// looked at. On the simulated notebook the request is logged and the program
// is ended as Windows would end it, `mainWindow` first asked whether it may.
bool RestartWindows(HWND mainWindow);
