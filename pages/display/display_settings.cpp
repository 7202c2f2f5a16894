// The display page's model: the boot display through Apply, the display
// switch and the panel levels at once.
#include "pages/display/display_settings.h"

#include <algorithm>

#include "bios/display_calls.h"

namespace tlw {

BootDisplaySettings::BootDisplaySettings()
    : setting_([](const std::uint8_t& code) { SetBootDisplay(code); }, Effect::AfterRestart) {}

void BootDisplaySettings::Load() {
    std::uint8_t code = 0;
    lastRead_ = GetBootDisplay(code) ? std::optional<std::uint8_t>(code) : std::nullopt;
    setting_.Drop();
}

ApplyResult BootDisplaySettings::Apply() { return setting_.Apply(); }

void BootDisplaySettings::RestorePrevious() { setting_.Restore(); }

std::optional<std::uint8_t> DisplaySwitch::Read() {
    std::uint8_t device = 0;
    if (!GetDisplayDevice(device)) return std::nullopt;
    current_ = device;
    return device;
}

DisplaySwitch::Outcome DisplaySwitch::Choose(std::uint8_t device) {
    if (NeedsMonitor(device) && !CheckMonitorConnected()) {
        if (current_ != kExternalMonitorOnly) return Outcome::NoMonitor;
        SetDisplayDevice(kLcdPanelOnly);
        current_ = kLcdPanelOnly;
        return Outcome::NoMonitorPanelRestored;
    }
    // A refused switch is not looked at: the page shows what the user chose.
    SetDisplayDevice(device);
    current_ = device;
    return Outcome::Switched;
}

int LevelRange::Clamp(int level) const { return std::clamp(level, minimum, maximum); }

bool PanelLevels::ReadRanges() {
    std::uint8_t contrastMax = 0, contrastMin = 0, brightnessMax = 0, brightnessMin = 0;
    if (!GetBrightnessContrastRange(contrastMax, contrastMin, brightnessMax, brightnessMin)) return false;
    brightness_ = {brightnessMin, brightnessMax};
    contrast_ = {contrastMin, contrastMax};
    return true;
}

void PanelLevels::ReadPanelType() {
    std::uint8_t type = 0;
    panelHasContrast_ = GetPanelType(type) && type != 0;
}

const LevelRange& PanelLevels::range(PanelLevel level) const {
    return level == PanelLevel::Brightness ? brightness_ : contrast_;
}

bool PanelLevels::Offered(PanelLevel level) const {
    return range(level).Usable() && (level == PanelLevel::Brightness || panelHasContrast_);
}

std::optional<int> PanelLevels::Read(PanelLevel level) const {
    if (!Offered(level)) return std::nullopt;
    std::uint8_t value = 0;
    const bool read = level == PanelLevel::Brightness ? GetDisplayBrightness(value) : GetDisplayContrast(value);
    if (!read) return std::nullopt;
    return range(level).Clamp(value);
}

std::optional<int> PanelLevels::Send(PanelLevel level, int value) const {
    if (!Offered(level)) return std::nullopt;
    const auto sent = static_cast<std::uint8_t>(range(level).Clamp(value));
    if (level == PanelLevel::Brightness) {
        SetDisplayBrightness(sent);
    } else {
        SetDisplayContrast(sent);
    }
    return sent;
}

}  // namespace tlw
