// The settings the BIOS keeps for the shell rather than for a page: the
// actions of the lid, power and sleep buttons and the hotkey button. The BIOS
// has no call that reads them back; the console tool writes them after the
// pages. No windows.h.
#pragma once

#include <cstdint>
#include <optional>

#include "pages/settings_model.h"

namespace tlw {

template <typename Model>
struct SettingTable;

struct ShellSettings {
    // Button 0 = lid, 1 = power, 2 = sleep: the action chosen for each.
    std::optional<std::uint8_t> buttonActions[3];
    std::optional<bool> hotkeyOn;

    // Writes each chosen button action, lid first, then the hotkey button.
    ApplyResult Apply() const;

    static const SettingTable<ShellSettings>& Described();
};

}  // namespace tlw
