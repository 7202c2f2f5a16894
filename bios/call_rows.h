// The BIOS call catalogue's fixed values, one line per call: name, function
// group (EAX), EBX (sub-function in BL; BH fixed, or 0 where the caller passes
// the argument byte) and success rule. The simulated notebook answers by the
// same EAX and BL.
#pragma once

#include "bios/bios_call.h"

namespace tlw::row {

constexpr std::uint32_t kSetupGroup = 0x9610;    // boot, POST, password and system settings
constexpr std::uint32_t kMachineGroup = 0x9612;  // hotkeys, buttons, display, touch pad

// Shell-side calls.
constexpr CallRow ZEFACheck{"ZEFACheck", kSetupGroup, 0x0000, SuccessRule::Status};
constexpr CallRow SetHotkeyButton{"SetHotkeyButton", kMachineGroup, 0x0005, SuccessRule::Status};
constexpr CallRow CMOSChecksum{"CMOSChecksum", kSetupGroup, 0x0012, SuccessRule::Status};
constexpr CallRow LoadSetupDefault{"LoadSetupDefault", kSetupGroup, 0x0014, SuccessRule::Status};
constexpr CallRow SetChkSetupPasswd{"SetChkSetupPasswd", kSetupGroup, 0x0008, SuccessRule::Ah};
constexpr CallRow AskSetupPasswd{"AskSetupPasswd", kSetupGroup, 0x0108, SuccessRule::Ah};
constexpr CallRow SetPowerButtonAction{"SetPowerButtonAction", kMachineGroup, 0x0127, SuccessRule::Status};

}  // namespace tlw::row
