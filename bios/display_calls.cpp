// The display BIOS calls: each is its catalogue row plus its arguments.
#include "bios/display_calls.h"

#include "bios/call_rows.h"

namespace tlw {

bool GetBrightnessContrastRange(std::uint8_t& contrastMax, std::uint8_t& contrastMin, std::uint8_t& brightnessMax,
                                std::uint8_t& brightnessMin) {
    return BiosCall(row::GetBrightnessContrastRange)
        .Out(contrastMax, reg::CH)
        .Out(contrastMin, reg::CL)
        .Out(brightnessMax, reg::DH)
        .Out(brightnessMin, reg::DL)
        .Run();
}

bool GetBootDisplay(std::uint8_t& value) { return BiosCall(row::GetBootDisplay).Out(value, reg::CL).Run(); }

bool SetBootDisplay(std::uint8_t value) { return BiosCall(row::SetBootDisplay).Ecx(value).Run(); }

bool GetDisplayDevice(std::uint8_t& value) { return BiosCall(row::GetDisplayDevice).Out(value, reg::CL).Run(); }

bool SetDisplayDevice(std::uint8_t value) { return BiosCall(row::SetDisplayDevice).Ecx(value).Run(); }

bool CheckMonitorConnected() { return BiosCall(row::CheckMonitorConnected).Run(); }

// The one read of the family that answers in AL.
bool GetPanelType(std::uint8_t& value) { return BiosCall(row::GetPanelType).Out(value, reg::AL).Run(); }

bool GetDisplayBrightness(std::uint8_t& value) {
    return BiosCall(row::GetDisplayBrightness).Out(value, reg::CL).Run();
}

bool SetDisplayBrightness(std::uint8_t value) { return BiosCall(row::SetDisplayBrightness).Ecx(value).Run(); }

bool GetDisplayContrast(std::uint8_t& value) { return BiosCall(row::GetDisplayContrast).Out(value, reg::CL).Run(); }

bool SetDisplayContrast(std::uint8_t value) { return BiosCall(row::SetDisplayContrast).Ecx(value).Run(); }

}  // namespace tlw
