// The one process-wide channel to the BIOS driver.
#pragma once

#include <memory>

#include "bios/bios_driver.h"
#include "bios/register_frame.h"

namespace tlw {

// Opens the driver chosen by CreateBiosDriver. True when one was opened.
bool OpenBiosChannel();

// Opens the channel on a given driver (tests, and programs that choose it themselves).
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
