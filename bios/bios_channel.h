// The one process-wide channel to the BIOS driver.
#pragma once

#include <memory>

#include "bios/bios_driver.h"
#include "bios/register_frame.h"

namespace tlw {

// Opens the channel on `driver` (the program's choice, see app/driver_selection.h,
// or a test's). True when there is one.
bool OpenBiosChannelWith(std::unique_ptr<BiosDriver> driver);

// Closes the driver and releases it: the driver's own answer (for the device,
// the platform's), false when none was open. The channel is closed either way.
bool CloseBiosChannel();

// The driver the channel holds, or null.
BiosDriver* ChannelDriver();

// One request. False when no driver is open or the request failed; `out` is then
// untouched. Otherwise `out` holds what the driver wrote, and zeros in any byte
// it did not write.
bool CallBios(const RegisterFrame& in, RegisterFrame& out, const char* callName);

}  // namespace tlw
