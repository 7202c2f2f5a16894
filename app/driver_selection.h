// Which BIOS driver the program talks to: the simulated notebook when
// TALLOWIN_SIMULATOR names its state file, otherwise the real device.
#pragma once

#include <string>

// True when the environment selects the simulated notebook.
bool SimulatorSelected();

// Why the selected simulated notebook could not be opened; empty otherwise.
const std::string& SimulatorError();

// Tells the simulated notebook, when it is the driver in use, that the program
// asked Windows to restart. False when the real device is in use.
bool LogSimulatedRestart();
