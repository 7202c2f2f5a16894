// The display page's model: the boot display through Apply, the display
// switch and the panel levels at once.
#include "pages/display/display_settings.h"

#include <algorithm>

#include "bios/display_calls.h"
#include "pages/setting_description.h"
#include "res/resource.h"

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

namespace {

template <PanelLevel kLevel>
bool ReadLevel(const PanelLevels& levels, SettingValue& value) {
    const std::optional<int> level = levels.Read(kLevel);
    value.number = level.value_or(0);
    return level.has_value();
}

std::string CheckLevel(const PanelLevels& levels, PanelLevel level, const SettingValue& value, const char* notOffered) {
    if (!levels.Offered(level)) return notOffered;
    const LevelRange& range = levels.range(level);
    if (!range.Contains(value.number)) {
        return "is outside the range the BIOS reports, from " + std::to_string(range.minimum) + " to " +
               std::to_string(range.maximum);
    }
    return "";
}

}  // namespace

const SettingTable<BootDisplaySettings>& BootDisplaySettings::Described() {
    static const ChoiceWord displays[] = {{kBootAutoDetect, IDS_DISPLAY_AUTO, ""},
                                          {kBootBothDisplays, IDS_DISPLAY_BOTH, ""}};
    static const SettingDescription<BootDisplaySettings> rows[] = {
        {"boot_display", SettingKind::Choice, IDS_BOOT_DISPLAY_GROUP, "", displays,
         [](const BootDisplaySettings& m, SettingValue& v) {
             v.number = m.lastRead().value_or(0);
             return m.lastRead().has_value();
         },
         nullptr, [](BootDisplaySettings& m, const SettingValue& v) { m.Choose(static_cast<std::uint8_t>(v.number)); }},
    };
    static const SettingTable<BootDisplaySettings> table = {IDD_DISPLAY_PAGE,
                                                            [](BootDisplaySettings& m) { m.Load(); },
                                                            [](BootDisplaySettings& m) { return m.Apply(); }, rows};
    return table;
}

const SettingTable<DisplayInUse>& DisplayInUse::Described() {
    static const ChoiceWord devices[] = {{kLcdPanelOnly, IDS_LCD_PANEL_ONLY, ""},
                                         {kExternalMonitorOnly, IDS_EXTERNAL_MONITOR, ""},
                                         {kBothDisplays, IDS_DISPLAY_BOTH, ""}};
    static const SettingDescription<DisplayInUse> rows[] = {
        {"display_device", SettingKind::Choice, IDS_SWITCH_DISPLAY_GROUP, "", devices,
         [](const DisplayInUse& m, SettingValue& v) {
             v.number = m.read.value_or(0);
             return m.read.has_value();
         },
         [](const DisplayInUse&, const SettingValue& v) {
             const bool refused = NeedsMonitor(static_cast<std::uint8_t>(v.number)) && !CheckMonitorConnected();
             return std::string(refused ? "needs a connected monitor" : "");
         },
         [](DisplayInUse& m, const SettingValue& v) { m.display.Choose(static_cast<std::uint8_t>(v.number)); }},
    };
    // The switch acts at once: staging it is its write.
    static const SettingTable<DisplayInUse> table = {
        IDD_DISPLAY_PAGE, [](DisplayInUse& m) { m.read = m.display.Read(); },
        [](DisplayInUse&) { return ApplyResult::Applied; }, rows};
    return table;
}

const SettingTable<PanelLevels>& PanelLevels::Described() {
    static const SettingDescription<PanelLevels> rows[] = {
        {"brightness", SettingKind::Level, IDS_BRIGHTNESS, "", {}, ReadLevel<PanelLevel::Brightness>,
         [](const PanelLevels& m, const SettingValue& v) {
             return CheckLevel(m, PanelLevel::Brightness, v, "cannot be set: the BIOS reports no brightness range");
         },
         [](PanelLevels& m, const SettingValue& v) { m.Send(PanelLevel::Brightness, v.number); }},
        {"contrast", SettingKind::Level, IDS_CONTRAST, "", {}, ReadLevel<PanelLevel::Contrast>,
         [](const PanelLevels& m, const SettingValue& v) {
             return CheckLevel(m, PanelLevel::Contrast, v, "cannot be set: this panel has no contrast control");
         },
         [](PanelLevels& m, const SettingValue& v) { m.Send(PanelLevel::Contrast, v.number); }},
    };
    // The levels act at once: staging one is its write.
    static const SettingTable<PanelLevels> table = {IDD_DISPLAY_PAGE,
                                                    [](PanelLevels& m) {
                                                        if (m.ReadRanges()) m.ReadPanelType();
                                                    },
                                                    [](PanelLevels&) { return ApplyResult::Applied; }, rows};
    return table;
}

}  // namespace tlw
