// What the display device page reads, holds and writes, apart from its
// controls. Only the boot display waits for Apply; the display in use and the
// panel's brightness and contrast reach the BIOS the moment the user acts, and
// Cancel does not take them back.
#pragma once

#include <cstdint>
#include <optional>

#include "pages/pending_setting.h"
#include "pages/settings_model.h"

namespace tlw {

template <typename Model>
struct SettingTable;

// The display used at boot.
enum BootDisplayCode : std::uint8_t { kBootBothDisplays = 2, kBootAutoDetect = 3 };

// The display in use.
enum DisplayDeviceCode : std::uint8_t { kExternalMonitorOnly = 0, kLcdPanelOnly = 1, kBothDisplays = 2 };

// Whether `device` shows on the external monitor, alone or with the panel:
// the BIOS is asked for it only after it reports a monitor connected.
inline bool NeedsMonitor(std::uint8_t device) { return device != kLcdPanelOnly; }

// The boot display: read at first activation, chosen by the user, written on
// Apply and read by the BIOS at the next boot.
class BootDisplaySettings : public SettingsModel {
public:
    BootDisplaySettings();

    void Load() override;
    ApplyResult Apply() override;
    void RestorePrevious() override;

    // The code the last Load read; empty when that read failed, so that the
    // page leaves its buttons as they are rather than show an older answer.
    std::optional<std::uint8_t> lastRead() const { return lastRead_; }
    void Choose(std::uint8_t code) { setting_.Choose(code); }
    const PendingByte& setting() const { return setting_; }

    // boot_display, for the console tool.
    static const SettingTable<BootDisplaySettings>& Described();

private:
    std::optional<std::uint8_t> lastRead_;
    PendingByte setting_;
};

// The display in use.
class DisplaySwitch {
public:
    enum class Outcome {
        // The BIOS was asked for the display chosen.
        Switched,
        // No monitor is connected: nothing was asked, the LCD panel still
        // shows the picture.
        NoMonitor,
        // No monitor is connected and the picture was on the external monitor
        // alone (it was unplugged since): the LCD panel was asked for, so that
        // the screen does not stay dark.
        NoMonitorPanelRestored,
    };

    // The display in use as the BIOS reports it; empty when the read failed.
    std::optional<std::uint8_t> Read();

    // Switches to `device` at once. The external monitor, alone or with the
    // panel, only after the BIOS reports one connected.
    Outcome Choose(std::uint8_t device);

private:
    // What the BIOS last reported or was last asked for.
    std::uint8_t current_ = kUnsetByte;
};

// The display in use as the console tool reads and switches it: the switch
// and what its read gave.
struct DisplayInUse {
    DisplaySwitch display;
    std::optional<std::uint8_t> read;

    // display_device.
    static const SettingTable<DisplayInUse>& Described();
};

enum class PanelLevel { Brightness, Contrast };

// A level's range as the BIOS gave it. A level outside it never reaches the
// BIOS, by one rule and two answers on purpose: the page clamps (its track
// bar cannot leave the range, and a level the BIOS reports outside it is
// shown at the nearest end, not written back), the console tool refuses (a
// level typed outside the range is the user's mistake: it is named and
// nothing is written).
struct LevelRange {
    int minimum = 0;
    int maximum = -1;

    // A range whose maximum lies below its minimum holds no level.
    bool Usable() const { return minimum <= maximum; }
    bool Contains(int level) const { return level >= minimum && level <= maximum; }
    // `level` brought into the range; only for a usable range.
    int Clamp(int level) const;
};

// The LCD panel's brightness and contrast. A level is offered only when the
// BIOS gave a usable range for it (and, for contrast, a panel with a contrast
// control). Whatever the BIOS answered, no level outside the range it gave is
// ever sent to it.
class PanelLevels {
public:
    // Reads both ranges; false when the BIOS refused, and neither level is offered.
    bool ReadRanges();
    // Reads the panel type; a failed read or type 0 offers no contrast.
    void ReadPanelType();

    const LevelRange& range(PanelLevel level) const;
    bool Offered(PanelLevel level) const;

    // The level the BIOS holds, brought into its range (the BIOS is not
    // corrected: nothing is written); empty when the level is not offered or
    // the read failed.
    std::optional<int> Read(PanelLevel level) const;
    // Sends `value`, brought into the range, at once; the level sent, or
    // empty when the level is not offered and nothing was sent.
    std::optional<int> Send(PanelLevel level, int value) const;

    // brightness and contrast, for the console tool.
    static const SettingTable<PanelLevels>& Described();

private:
    LevelRange brightness_;
    LevelRange contrast_;
    bool panelHasContrast_ = true;
};

}  // namespace tlw
