// Reading the saved button actions and handing them to the BIOS.
#include "app/saved_button_actions.h"

#include <windows.h>

#include <cstdint>

#include "bios/shell_calls.h"
#include "win/registry_key.h"

namespace {

constexpr const char* kButtonActionsKey = "SOFTWARE\\Tallowin\\Tallowin for Windows NT 4.0";

struct SavedAction {
    const char* value;
    std::uint8_t button;
};

// In the order they are applied.
constexpr SavedAction kSavedActions[] = {{"LidButton", 0}, {"PowerButton", 1}, {"SleepButton", 2}};

}  // namespace

void ApplySavedButtonActions() {
    win::RegistryKey key;
    if (!key.OpenForReading(HKEY_LOCAL_MACHINE, kButtonActionsKey)) return;
    for (const SavedAction& saved : kSavedActions) {
        std::uint8_t data[4] = {};
        DWORD size = 0;
        if (key.ReadValue(saved.value, REG_BINARY, data, sizeof data, size) && size >= 1) {
            tlw::SetPowerButtonAction(saved.button, data[0]);
        }
    }
}
