// What start-up shows once the platform check passed: the settings, and in
// front of them the gate of the setup password.
#pragma once

class CTallowinApp;

// True when the user confirmed the setup password the BIOS holds.
bool ConfirmSetupPassword();

// Runs the settings window modally as the application's main window.
void RunSettingsWindow(CTallowinApp& app);
