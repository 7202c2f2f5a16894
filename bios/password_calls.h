// The power-on password's BIOS calls and the setup password's removal (the
// setup password's query and check are the shell's, bios/shell_calls.h).
// Each returns true on success; `ah` receives the BIOS's return code.
#pragma once

#include <cstdint>

namespace tlw {

// True when a power-on password is set. `ah` is stored whenever the driver
// answered.
bool AskPowerOnPasswd(std::uint8_t& ah);

// Removes the power-on password. Fails on a refused status; `ah` is stored
// once the status passed, and the call then succeeds only with AH 0.
bool DisablePowerOnPasswd(std::uint8_t& ah);

// Mode 2 stores `codes` as the new power-on password, 3 checks them against
// the stored one. `codes` must stay valid during the call; `ah` is stored
// whenever the driver answered.
bool SetChkPowerOnPasswd(std::uint8_t& ah, std::uint8_t mode, const std::uint8_t* codes, std::uint16_t count);

// Removes the setup password; `ah` is stored whenever the driver answered.
bool DisableSetupPasswd(std::uint8_t& ah);

}  // namespace tlw
