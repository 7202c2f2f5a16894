// The restart: privilege, then the request to Windows, or on a simulated
// machine the end of the session as this process would see it.
#include "app/system_restart.h"

#include <vector>

namespace {

RestartReport& SimulatedReport() {
    static RestartReport report = nullptr;
    return report;
}

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

BOOL CALLBACK CollectOwnWindow(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == ::GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

// A window that does not answer within the time Windows waits may end.
LRESULT Tell(HWND hwnd, UINT message, WPARAM wParam) {
    DWORD_PTR answer = TRUE;
    if (!::SendMessageTimeoutA(hwnd, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &answer)) return TRUE;
    return static_cast<LRESULT>(answer);
}

// What Windows does to a running program when the session ends for a restart.
// Returns only when a window cancels it.
void EndSessionAsWindowsWould() {
    std::vector<HWND> windows;
    ::EnumWindows(CollectOwnWindow, reinterpret_cast<LPARAM>(&windows));
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (!::IsWindow(windows[i]) || Tell(windows[i], WM_QUERYENDSESSION, 0)) continue;
        // The windows asked before hear that the session goes on.
        for (std::size_t j = 0; j < i; ++j) {
            if (::IsWindow(windows[j])) Tell(windows[j], WM_ENDSESSION, FALSE);
        }
        SimulatedReport()(RestartEvent::Cancelled);
        return;
    }
    for (HWND hwnd : windows) {
        if (::IsWindow(hwnd)) Tell(hwnd, WM_ENDSESSION, TRUE);
    }
    ::ExitProcess(0);
}

}  // namespace

bool RestartWindows(HWND) {
    if (!EnableShutdownPrivilege()) return false;
    if (SimulatedReport()) {
        SimulatedReport()(RestartEvent::Requested);
        EndSessionAsWindowsWould();
        return true;
    }
    ::ExitWindowsEx(EWX_REBOOT, 0);
    return true;
}

void SimulateRestarts(RestartReport report) { SimulatedReport() = report; }
