// The application object: start-up, the command-line mode, and the end.
#pragma once

#include <windows.h>

#include "win/application.h"

class CTallowinApp : public win::Application {
public:
    CTallowinApp();

    bool InitInstance() override;
    int ExitInstance() override;

    void SetCommandLineMode() { commandLineMode_ = true; }

private:
    // The interactive run after the platform check; the channel is open.
    void RunSettings();

    HCURSOR savedCursor_;
    bool commandLineMode_ = false;
};

// The one application object.
CTallowinApp& TheApp();
