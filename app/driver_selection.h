// Which BIOS driver the program talks to: the simulated notebook when
// TALLOWIN_SIMULATOR is set, otherwise the real device. Once the variable is
// set the real device is never opened, even when the value cannot be used.
#pragma once

#include <string>

// True when the environment sets TALLOWIN_SIMULATOR.
bool SimulatorSelected();

// Why the selected simulated notebook could not be opened; empty otherwise.
const std::string& SimulatorError();
