// Start-up: single instance, driver channel, command-line mode, platform
// check, setup-password gate, hotkey button around the settings, the end.
#include "app/tallowin_app.h"

#include <commctrl.h>

#include "app/command_line_info.h"
#include "app/driver_selection.h"
#include "app/settings_window.h"
#include "bios/bios_channel.h"
#include "bios/shell_calls.h"
#include "res/resource.h"
#include "win/resources.h"
#include "win/startup_trace.h"

namespace {

// A running instance's sheet or password prompt, brought to the front.
bool BringRunningInstanceToFront(const std::string& title) {
    HWND running = ::FindWindowA("#32770", title.c_str());
    if (!running) return false;
    ::ShowWindow(running, ::IsIconic(running) ? SW_RESTORE : SW_SHOWNORMAL);
    ::SetForegroundWindow(running);
    return true;
}

}  // namespace

CTallowinApp::CTallowinApp() : savedCursor_(::GetCursor()) {}

bool CTallowinApp::InitInstance() {
    const auto runningInstance = [] { return BringRunningInstanceToFront(win::LoadText(IDS_APP_TITLE)); };
    if (win::Traced("single-instance check", runningInstance)) return false;

    if (!win::Traced("opening the channel", OpenBiosChannel)) {
        // Without a driver the program ends silently; a simulated notebook
        // whose state file is unusable says why, since someone chose it.
        if (SimulatorSelected() && !SimulatorError().empty()) win::ShowMessage(nullptr, SimulatorError());
        return false;
    }

    commandLineMode_ = false;
    CTallowinCommandLineInfo commandLine(*this);
    win::ParseCommandLine(commandLine);
    if (commandLineMode_) return false;  // the channel goes with the process

    std::uint8_t ah = 0;
    std::uint16_t revision = 0;
    if (!win::Traced("platform check", [&] { return tlw::ZEFACheck(ah, revision); })) {
        win::ShowMessage(nullptr, win::LoadText(IDS_INCORRECT_BIOS_VERSION));
        tlw::CloseBiosChannel();
        return false;
    }

    if (!win::Traced("password check", [&] { return !tlw::AskSetupPasswd(ah) || ConfirmSetupPassword(); })) {
        tlw::CloseBiosChannel();
        return false;
    }

    RunSettings();
    tlw::CloseBiosChannel();
    return false;
}

void CTallowinApp::RunSettings() {
    win::Traced("hotkey button off", [] { return tlw::SetHotkeyButton(0); });
    win::Traced("common controls", [] {
        // Visual styles: the modern form of three-dimensional dialog controls.
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&classes);
    });
    RunSettingsWindow(*this);
    tlw::SetHotkeyButton(1);
}

int CTallowinApp::ExitInstance() {
    ::SetCursor(savedCursor_);
    return win::Application::ExitInstance();
}

CTallowinApp& TheApp() {
    static CTallowinApp app;
    return app;
}
