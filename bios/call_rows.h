// The BIOS call catalogue's fixed values, one line per call: name, function
// group (EAX), EBX (sub-function in BL; BH fixed, or 0 where the caller passes
// the argument byte), success rule, and whether the call only reads. The
// simulated notebook answers by the same EAX and BL; kCatalogue lists every row.
//
// One section per family of calls; each family's bodies live in
// bios/<family>_calls.{h,cpp}, one `BiosCall(row::X)...Run()` line per call.
#pragma once

#include "bios/bios_call.h"

namespace tlw::row {

// The last two columns' values.
constexpr SuccessRule kStatus = SuccessRule::Status, kAh = SuccessRule::Ah, kChannel = SuccessRule::Channel;
constexpr Access kRead = Access::Read, kWrite = Access::Write, kCheckOrStore = Access::CheckOrStore;

constexpr std::uint32_t kSetupGroup = 0x9610;    // boot, POST, password and system settings
constexpr std::uint32_t kMachineGroup = 0x9612;  // hotkeys, buttons, display, touch pad

// ---- Shell (bios/shell_calls): the platform check, the hotkey button, the
// checksum after writes, the setup defaults, the setup password's query and
// check, the lid, power and sleep button actions.
inline constexpr CallRow ZEFACheck{"ZEFACheck", kSetupGroup, 0x0000, kStatus, kRead};
inline constexpr CallRow SetHotkeyButton{"SetHotkeyButton", kMachineGroup, 0x0005, kStatus, kWrite};
inline constexpr CallRow CMOSChecksum{"CMOSChecksum", kSetupGroup, 0x0012, kStatus, kWrite};
inline constexpr CallRow LoadSetupDefault{"LoadSetupDefault", kSetupGroup, 0x0014, kStatus, kWrite};
inline constexpr CallRow SetChkSetupPasswd{"SetChkSetupPasswd", kSetupGroup, 0x0008, kAh, kCheckOrStore};
inline constexpr CallRow AskSetupPasswd{"AskSetupPasswd", kSetupGroup, 0x0108, kAh, kRead};
inline constexpr CallRow SetPowerButtonAction{"SetPowerButtonAction", kMachineGroup, 0x0127, kStatus, kWrite};

// ---- System information (bios/info_calls): processor, memory, video memory,
// IDE devices, serial and parallel port, caches, touch pad, and the asset tag
// written into the identity data.
constexpr std::uint32_t kVideoGroup = 0x9602;  // video memory
inline constexpr CallRow GetCpuInfo{"GetCpuInfo", kSetupGroup, 0x0001, kStatus, kRead};
inline constexpr CallRow GetSystemRam{"GetSystemRam", kSetupGroup, 0x0022, kStatus, kRead};
// EBX is not the call's: the function group alone selects it.
inline constexpr CallRow GetVideoRam{"GetVideoRam", kVideoGroup, 0x0000, kStatus, kRead};
inline constexpr CallRow GetIdeType{"GetIdeType", kSetupGroup, 0x000A, kStatus, kRead};
// BH = the port index.
inline constexpr CallRow GetSerialPort{"GetSerialPort", kSetupGroup, 0x0002, kStatus, kRead};
inline constexpr CallRow GetParellelPort{"GetParellelPort", kSetupGroup, 0x0003, kStatus, kRead};
inline constexpr CallRow GetInternalCacheStatus{"GetInternalCacheStatus", kSetupGroup, 0x0005, kStatus, kRead};
inline constexpr CallRow GetExtCacheStatus{"GetExtCacheStatus", kSetupGroup, 0x0004, kStatus, kRead};
inline constexpr CallRow GetTouchPad{"GetTouchPad", kMachineGroup, 0x020F, kStatus, kRead};
inline constexpr CallRow SetAssetTag{"SetAssetTag", kSetupGroup, 0x8113, kChannel, kWrite};

// ---- Boot, POST, password and fan (bios/boot_calls, bios/password_calls):
// the boot sequence and the first hard disk, the simple boot flag and fast
// POST, the power-on password (the setup password's rows are the shell's),
// the fan.
inline constexpr CallRow AskPowerOnPasswd{"AskPowerOnPasswd", kSetupGroup, 0x0107, kAh, kRead};
inline constexpr CallRow DisablePowerOnPasswd{"DisablePowerOnPasswd", kSetupGroup, 0x0007, kStatus, kWrite};
inline constexpr CallRow SetChkPowerOnPasswd{"SetChkPowerOnPasswd", kSetupGroup, 0x0007, kAh, kCheckOrStore};
inline constexpr CallRow DisableSetupPasswd{"DisableSetupPasswd", kSetupGroup, 0x0008, kAh, kWrite};
// Boot list, hard disk boot byte, boot options byte and fan (bios/boot_calls).
// The hard disk byte's requests go under the list calls' names.
constexpr std::uint32_t kFanGroup = 0x9611;
inline constexpr CallRow GetBootSeq{"GetBootSeq", kSetupGroup, 0x0017, kStatus, kRead};
inline constexpr CallRow SetBootSeq{"SetBootSeq", kSetupGroup, 0x0117, kStatus, kWrite};
inline constexpr CallRow GetHddBootSeq{"GetBootSeq", kSetupGroup, 0x0217, kStatus, kRead};
inline constexpr CallRow SetHddBootSeq{"SetBootSeq", kSetupGroup, 0x0317, kStatus, kWrite};
// The options byte: BH 0 reads it into AL, BH 1 writes CL.
inline constexpr CallRow GetSimpleBoot{"GetSimpleBoot", kSetupGroup, 0x002A, kStatus, kRead};
inline constexpr CallRow EnableSimpleBoot{"EnableSimpleBoot", kSetupGroup, 0x002A, kStatus, kWrite};
inline constexpr CallRow GetFastPOST{"GetFastPOST", kSetupGroup, 0x002A, kStatus, kRead};
inline constexpr CallRow EnableFastPOST{"EnableFastPOST", kSetupGroup, 0x002A, kStatus, kWrite};
// The fan: BH 0 off, 1 on, 2 reads it into AL.
inline constexpr CallRow EnableFan{"EnableFan", kFanGroup, 0x0028, kStatus, kWrite};
inline constexpr CallRow GetFanStatus{"GetFanStatus", kFanGroup, 0x0228, kStatus, kRead};

// ---- Display (bios/display_calls): the boot display, the display in use, the
// monitor check, the panel type, brightness and contrast with their ranges.
// BL selects the item, BH the operation: 0 reads it, 1 writes it.
inline constexpr CallRow GetBrightnessContrastRange{"GetBrightnessContrastRange", kMachineGroup, 0x0008, kStatus, kRead};
inline constexpr CallRow GetBootDisplay{"GetBootDisplay", kMachineGroup, 0x000A, kStatus, kRead};
inline constexpr CallRow SetBootDisplay{"SetBootDisplay", kMachineGroup, 0x010A, kStatus, kWrite};
inline constexpr CallRow GetDisplayDevice{"GetDisplayDevice", kMachineGroup, 0x000B, kStatus, kRead};
inline constexpr CallRow SetDisplayDevice{"SetDisplayDevice", kMachineGroup, 0x010B, kStatus, kWrite};
inline constexpr CallRow CheckMonitorConnected{"CheckMonitorConnected", kMachineGroup, 0x000C, kStatus, kRead};
inline constexpr CallRow GetPanelType{"GetPanelType", kMachineGroup, 0x000D, kStatus, kRead};
inline constexpr CallRow GetDisplayBrightness{"GetDisplayBrightness", kMachineGroup, 0x0007, kStatus, kRead};
inline constexpr CallRow SetDisplayBrightness{"SetDisplayBrightness", kMachineGroup, 0x0107, kStatus, kWrite};
inline constexpr CallRow GetDisplayContrast{"GetDisplayContrast", kMachineGroup, 0x0006, kStatus, kRead};
inline constexpr CallRow SetDisplayContrast{"SetDisplayContrast", kMachineGroup, 0x0106, kStatus, kWrite};

// Every row above, once: what the simulated notebook and the tests go through.
inline constexpr const CallRow* kCatalogue[] = {
    &ZEFACheck, &SetHotkeyButton, &CMOSChecksum, &LoadSetupDefault, &SetChkSetupPasswd, &AskSetupPasswd,
    &SetPowerButtonAction, &GetCpuInfo, &GetSystemRam, &GetVideoRam, &GetIdeType, &GetSerialPort, &GetParellelPort,
    &GetInternalCacheStatus, &GetExtCacheStatus, &GetTouchPad, &SetAssetTag, &AskPowerOnPasswd, &DisablePowerOnPasswd,
    &SetChkPowerOnPasswd, &DisableSetupPasswd, &GetBootSeq, &SetBootSeq, &GetHddBootSeq, &SetHddBootSeq,
    &GetSimpleBoot, &EnableSimpleBoot, &GetFastPOST, &EnableFastPOST, &EnableFan, &GetFanStatus,
    &GetBrightnessContrastRange, &GetBootDisplay, &SetBootDisplay, &GetDisplayDevice, &SetDisplayDevice,
    &CheckMonitorConnected, &GetPanelType, &GetDisplayBrightness, &SetDisplayBrightness, &GetDisplayContrast,
    &SetDisplayContrast,
};

}  // namespace tlw::row
