// A simulated restart in this process: a window that answers
// WM_QUERYENDSESSION with FALSE cancels it, as it would cancel Windows' own.
#include <gtest/gtest.h>

#include <vector>

#include "app/system_restart.h"

namespace {

std::vector<RestartEvent>& Reported() {
    static std::vector<RestartEvent> events;
    return events;
}

void Report(RestartEvent event) { Reported().push_back(event); }

struct Probe {
    BOOL mayEnd;
    int asked = 0;
    std::vector<WPARAM> endSession;
};

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* probe = reinterpret_cast<Probe*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (probe && message == WM_QUERYENDSESSION) {
        ++probe->asked;
        return probe->mayEnd;
    }
    if (probe && message == WM_ENDSESSION) probe->endSession.push_back(wParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateProbe(Probe& probe) {
    static const ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ProbeProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "TallowinRestartProbe";
        return ::RegisterClassA(&wc);
    }();
    HWND hwnd = ::CreateWindowA(reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(atom)), "probe", WS_OVERLAPPEDWINDOW,
                                0, 0, 100, 100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probe));
    return hwnd;
}

TEST(SimulatedRestart, AWindowThatAnswersNoCancelsItAndTheProgramGoesOn) {
    SimulateRestarts(Report);
    Probe willing{TRUE, 0, {}};
    Probe unwilling{FALSE, 0, {}};
    HWND first = CreateProbe(willing);
    HWND second = CreateProbe(unwilling);
    ASSERT_TRUE(first && second);

    EXPECT_TRUE(RestartWindows(first));
    // Still running: the restart was cancelled.
    EXPECT_EQ(Reported(), (std::vector<RestartEvent>{RestartEvent::Requested, RestartEvent::Cancelled}));
    EXPECT_EQ(unwilling.asked, 1);
    EXPECT_TRUE(unwilling.endSession.empty());
    // The willing window, if asked first, hears that the session goes on.
    EXPECT_EQ(willing.endSession, std::vector<WPARAM>(willing.asked, FALSE));
    ::DestroyWindow(first);
    ::DestroyWindow(second);
}

}  // namespace
