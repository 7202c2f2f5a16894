// The restart: privilege, then the request; on the simulated notebook, the
// end of the session as the program would see it.
#include "app/system_restart.h"

#include "app/driver_selection.h"

namespace {

bool EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    ::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
    ::SetLastError(0);
    ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    const bool enabled = ::GetLastError() == 0;
    ::CloseHandle(token);
    return enabled;
}

// What Windows does to a running program when the session ends for a restart.
[[noreturn]] void EndSessionAsWindowsWould(HWND mainWindow) {
    if (mainWindow && ::IsWindow(mainWindow)) {
        const BOOL mayEnd = static_cast<BOOL>(::SendMessageA(mainWindow, WM_QUERYENDSESSION, 0, 0));
        ::SendMessageA(mainWindow, WM_ENDSESSION, mayEnd, 0);
    }
    ::ExitProcess(0);
}

}  // namespace

bool RestartWindows(HWND mainWindow) {
    if (!EnableShutdownPrivilege()) return false;
    if (LogSimulatedRestart()) EndSessionAsWindowsWould(mainWindow);
    ::ExitWindowsEx(EWX_REBOOT, 0);
    return true;
}
