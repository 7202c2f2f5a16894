// The BIOS calls the application shell makes around the settings pages.
// Each returns true on success and delivers results through out-parameters.
#pragma once

#include <cstdint>

namespace tlw {

// Platform check. `ah` is stored whenever the driver answered; `revision`
// (BH = major, BL = minor) only on success.
bool ZEFACheck(std::uint8_t& ah, std::uint16_t& revision);

// Switches the notebook's hotkey button off (0) or on (1).
bool SetHotkeyButton(std::uint8_t state);

// Has the BIOS recompute the CMOS checksum after settings were written; `ah`
// is stored whenever the driver answered. The program passes mode 1.
bool CMOSChecksum(std::uint8_t& ah, std::uint8_t mode);

bool LoadSetupDefault();

// Operation 3 checks `codes` against the stored setup password, 2 stores them
// as the new one. `codes` must stay valid during the call.
bool SetChkSetupPasswd(std::uint8_t& ah, std::uint8_t operation, const std::uint8_t* codes,
                       std::uint16_t count);

// True when a setup password is set.
bool AskSetupPasswd(std::uint8_t& ah);

// Button 0 = lid, 1 = power, 2 = sleep; action 0 = none, 1 = standby,
// 2 = hibernate, 3 = shutdown, passed through unchanged.
bool SetPowerButtonAction(std::uint8_t button, std::uint8_t action);

}  // namespace tlw
