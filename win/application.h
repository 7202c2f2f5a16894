// The application object: start and exit hooks around the program's run.
#pragma once

#include <windows.h>

namespace win {

class Application {
public:
    virtual ~Application() = default;

    // Start-up. False ends the program at once; true runs a message loop
    // until the program quits.
    virtual bool InitInstance() = 0;
    // Called after start-up; returns the process exit code.
    virtual int ExitInstance() { return 0; }

    // The whole run: start-up, then exit.
    int Run();

    HWND mainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND hwnd) { mainWindow_ = hwnd; }

private:
    HWND mainWindow_ = nullptr;
};

}  // namespace win
