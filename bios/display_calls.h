// The BIOS calls behind the display device page: the display used at boot,
// the display in use now, the monitor check, the panel type, and the panel's
// brightness and contrast with their ranges. Each returns true on success and
// leaves its out-parameters unwritten on failure.
#pragma once

#include <cstdint>

namespace tlw {

// Both ranges in one call: contrast from CL to CH, brightness from DL to DH.
bool GetBrightnessContrastRange(std::uint8_t& contrastMax, std::uint8_t& contrastMin, std::uint8_t& brightnessMax,
                                std::uint8_t& brightnessMin);

// The display used at boot: 2 = external monitor and LCD panel, 3 = auto detect.
bool GetBootDisplay(std::uint8_t& value);
bool SetBootDisplay(std::uint8_t value);

// The display in use: 0 = external monitor only, 1 = LCD panel only, 2 = both.
bool GetDisplayDevice(std::uint8_t& value);
bool SetDisplayDevice(std::uint8_t value);

// True when an external monitor is connected.
bool CheckMonitorConnected();

// 0 = a panel without a contrast control; any other value has one.
bool GetPanelType(std::uint8_t& value);

// Levels within the ranges of GetBrightnessContrastRange.
bool GetDisplayBrightness(std::uint8_t& value);
bool SetDisplayBrightness(std::uint8_t value);
bool GetDisplayContrast(std::uint8_t& value);
bool SetDisplayContrast(std::uint8_t value);

}  // namespace tlw
