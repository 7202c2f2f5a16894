// The display page's settings as the console tool reads, checks and writes
// them.
#include "pages/display/display_settings.h"

#include <string>

#include "bios/display_calls.h"
#include "pages/setting_description.h"
#include "res/resource.h"

namespace tlw {
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
