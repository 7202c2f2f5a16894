// Which BIOS driver the program talks to: the simulated notebook when
// TALLOWIN_SIMULATOR is set, otherwise the real device. Once the variable is
// set the real device is never opened, even when the value cannot be used.
#pragma once

#include <memory>
#include <string>

#include "bios/bios_driver.h"

// Opens the BIOS channel on the driver the environment selects, and has the
// DMI proxy and the machine facts of the same machine read from then on. False when none could be
// opened (no device; an unusable simulated notebook, see SimulatorError).
bool OpenBiosChannel();

// True when the environment sets TALLOWIN_SIMULATOR.
bool SimulatorSelected();

// Why the selected simulated notebook could not be opened; empty otherwise.
const std::string& SimulatorError();

// Opens the simulated notebook on the state file at `statePath` (log at
// `logPath`, none when empty) and has restarts simulated and logged from now
// on, and its DMI proxy read. Null, with `error` saying why, when it cannot be used. For the program
// and for tests that run the sheet in their own process.
std::unique_ptr<tlw::BiosDriver> OpenSimulatedNotebook(const std::string& statePath, const std::string& logPath,
                                                       std::string& error);
