// The BIOS driver's device, "\\.\tlwkmd".
#pragma once

#include <memory>

#include "bios/bios_driver.h"

namespace tlw {

// Opens the device; null when the driver is not installed or not running.
std::unique_ptr<BiosDriver> OpenDeviceDriver();

// The driver over a device handle (a HANDLE) opened already; it owns the
// handle, and its Close answers what closing the handle answers.
std::unique_ptr<BiosDriver> DeviceDriverOn(void* device);

}  // namespace tlw
