// The BIOS driver's device, "\\.\tlwkmd".
#pragma once

#include <memory>

#include "bios/bios_driver.h"

namespace tlw {

// Opens the device; null when the driver is not installed or not running.
std::unique_ptr<BiosDriver> OpenDeviceDriver();

}  // namespace tlw
