// The BIOS call catalogue's fixed values, one line per call: name, function
// group (EAX), EBX (sub-function in BL; BH fixed, or 0 where the caller passes
// the argument byte) and success rule. The simulated notebook answers by the
// same EAX and BL.
//
// One section per family of calls; each family's bodies live in
// bios/<family>_calls.{h,cpp}, one `BiosCall(row::X)...Run()` line per call.
#pragma once

#include "bios/bios_call.h"

namespace tlw::row {

constexpr std::uint32_t kSetupGroup = 0x9610;    // boot, POST, password and system settings
constexpr std::uint32_t kMachineGroup = 0x9612;  // hotkeys, buttons, display, touch pad

// ---- Shell (bios/shell_calls): the platform check, the hotkey button, the
// checksum after writes, the setup defaults, the setup password's query and
// check, the lid, power and sleep button actions.
constexpr CallRow ZEFACheck{"ZEFACheck", kSetupGroup, 0x0000, SuccessRule::Status};
constexpr CallRow SetHotkeyButton{"SetHotkeyButton", kMachineGroup, 0x0005, SuccessRule::Status};
constexpr CallRow CMOSChecksum{"CMOSChecksum", kSetupGroup, 0x0012, SuccessRule::Status};
constexpr CallRow LoadSetupDefault{"LoadSetupDefault", kSetupGroup, 0x0014, SuccessRule::Status};
constexpr CallRow SetChkSetupPasswd{"SetChkSetupPasswd", kSetupGroup, 0x0008, SuccessRule::Ah};
constexpr CallRow AskSetupPasswd{"AskSetupPasswd", kSetupGroup, 0x0108, SuccessRule::Ah};
constexpr CallRow SetPowerButtonAction{"SetPowerButtonAction", kMachineGroup, 0x0127, SuccessRule::Status};

// ---- System information (bios/info_calls): processor, memory, video memory,
// IDE devices, serial and parallel port, caches, touch pad, and the asset tag
// written into the identity data.
constexpr std::uint32_t kVideoGroup = 0x9602;  // video memory
constexpr CallRow GetCpuInfo{"GetCpuInfo", kSetupGroup, 0x0001, SuccessRule::Status};
constexpr CallRow GetSystemRam{"GetSystemRam", kSetupGroup, 0x0022, SuccessRule::Status};
// EBX is not the call's: the function group alone selects it.
constexpr CallRow GetVideoRam{"GetVideoRam", kVideoGroup, 0x0000, SuccessRule::Status};
constexpr CallRow GetIdeType{"GetIdeType", kSetupGroup, 0x000A, SuccessRule::Status};
// BH = the port index.
constexpr CallRow GetSerialPort{"GetSerialPort", kSetupGroup, 0x0002, SuccessRule::Status};
constexpr CallRow GetParellelPort{"GetParellelPort", kSetupGroup, 0x0003, SuccessRule::Status};
constexpr CallRow GetInternalCacheStatus{"GetInternalCacheStatus", kSetupGroup, 0x0005, SuccessRule::Status};
constexpr CallRow GetExtCacheStatus{"GetExtCacheStatus", kSetupGroup, 0x0004, SuccessRule::Status};
constexpr CallRow GetTouchPad{"GetTouchPad", kMachineGroup, 0x020F, SuccessRule::Status};
constexpr CallRow SetAssetTag{"SetAssetTag", kSetupGroup, 0x8113, SuccessRule::Channel};

// ---- Boot, POST, password and fan (bios/boot_calls, bios/password_calls):
// the boot sequence and the first hard disk, the simple boot flag and fast
// POST, the power-on password (the setup password's rows are the shell's),
// the fan.
constexpr CallRow AskPowerOnPasswd{"AskPowerOnPasswd", kSetupGroup, 0x0107, SuccessRule::Ah};
constexpr CallRow DisablePowerOnPasswd{"DisablePowerOnPasswd", kSetupGroup, 0x0007, SuccessRule::Status};
constexpr CallRow SetChkPowerOnPasswd{"SetChkPowerOnPasswd", kSetupGroup, 0x0007, SuccessRule::Ah};
constexpr CallRow DisableSetupPasswd{"DisableSetupPasswd", kSetupGroup, 0x0008, SuccessRule::Ah};
// Boot list, hard disk boot byte, boot options byte and fan (bios/boot_calls).
// The hard disk byte's requests go under the list calls' names.
constexpr std::uint32_t kFanGroup = 0x9611;
constexpr CallRow GetBootSeq{"GetBootSeq", kSetupGroup, 0x0017, SuccessRule::Status};
constexpr CallRow SetBootSeq{"SetBootSeq", kSetupGroup, 0x0117, SuccessRule::Status};
constexpr CallRow GetHddBootSeq{"GetBootSeq", kSetupGroup, 0x0217, SuccessRule::Status};
constexpr CallRow SetHddBootSeq{"SetBootSeq", kSetupGroup, 0x0317, SuccessRule::Status};
// The options byte: BH 0 reads it into AL, BH 1 writes CL.
constexpr CallRow GetSimpleBoot{"GetSimpleBoot", kSetupGroup, 0x002A, SuccessRule::Status};
constexpr CallRow EnableSimpleBoot{"EnableSimpleBoot", kSetupGroup, 0x002A, SuccessRule::Status};
constexpr CallRow GetFastPOST{"GetFastPOST", kSetupGroup, 0x002A, SuccessRule::Status};
constexpr CallRow EnableFastPOST{"EnableFastPOST", kSetupGroup, 0x002A, SuccessRule::Status};
// The fan: BH 0 off, 1 on, 2 reads it into AL.
constexpr CallRow EnableFan{"EnableFan", kFanGroup, 0x0028, SuccessRule::Status};
constexpr CallRow GetFanStatus{"GetFanStatus", kFanGroup, 0x0228, SuccessRule::Status};

// ---- Display (bios/display_calls): the boot display, the display in use, the
// monitor check, the panel type, brightness and contrast with their ranges.
// BL selects the item, BH the operation: 0 reads it, 1 writes it.
constexpr CallRow GetBrightnessContrastRange{"GetBrightnessContrastRange", kMachineGroup, 0x0008, SuccessRule::Status};
constexpr CallRow GetBootDisplay{"GetBootDisplay", kMachineGroup, 0x000A, SuccessRule::Status};
constexpr CallRow SetBootDisplay{"SetBootDisplay", kMachineGroup, 0x010A, SuccessRule::Status};
constexpr CallRow GetDisplayDevice{"GetDisplayDevice", kMachineGroup, 0x000B, SuccessRule::Status};
constexpr CallRow SetDisplayDevice{"SetDisplayDevice", kMachineGroup, 0x010B, SuccessRule::Status};
constexpr CallRow CheckMonitorConnected{"CheckMonitorConnected", kMachineGroup, 0x000C, SuccessRule::Status};
constexpr CallRow GetPanelType{"GetPanelType", kMachineGroup, 0x000D, SuccessRule::Status};
constexpr CallRow GetDisplayBrightness{"GetDisplayBrightness", kMachineGroup, 0x0007, SuccessRule::Status};
constexpr CallRow SetDisplayBrightness{"SetDisplayBrightness", kMachineGroup, 0x0107, SuccessRule::Status};
constexpr CallRow GetDisplayContrast{"GetDisplayContrast", kMachineGroup, 0x0006, SuccessRule::Status};
constexpr CallRow SetDisplayContrast{"SetDisplayContrast", kMachineGroup, 0x0106, SuccessRule::Status};

}  // namespace tlw::row
