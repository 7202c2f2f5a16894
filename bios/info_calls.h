// The BIOS calls that report the machine's configuration. Each returns true on
// success and delivers its results through out-parameters.
#pragma once

#include <cstdint>

namespace tlw {

constexpr std::uint8_t kFirstHardDisk = 0x80;  // the BIOS's number of the first IDE drive
constexpr std::uint8_t kIdeHardDisk = 1;       // GetIdeType's type code of a hard disk

// Memory size units as GetSystemRam reports them.
enum MemoryUnit : std::uint8_t { kMemoryKB = 0, kMemoryMB = 1, kMemoryGB = 2 };

// The processor as codes: vendor, type, bus clock and multiplier codes, and
// the speed in MHz that counts when both clock codes are 0xFF.
bool GetCpuInfo(std::uint8_t& vendor, std::uint8_t& type, std::uint8_t& bus, std::uint8_t& multiplier,
                std::uint16_t& speed);

// The total memory: from the BIOS in MB, or under a BIOS too old to know it
// from the machine's facts (MachineFactsInUse), scaled by ScaleMemory.
bool GetSystemRam(std::uint32_t& size, std::uint8_t& unit);

// The video memory in KB; 0 when the call fails.
std::uint32_t GetVideoRam();

// The IDE device at BIOS drive number `drive` (0x80 = first hard disk): its
// type code (1 = hard disk, 2 and up removable and optical kinds) and a second
// byte that must be non-zero before a hard disk's size is asked.
bool GetIdeType(std::uint8_t drive, std::uint8_t& type, std::uint8_t& second);

// Port state flags: bit 0 no such port, bit 1 disabled. On a refusal `flags`
// holds the BIOS's AH instead.
constexpr std::uint8_t kNoSuchDevice = 0x01;
constexpr std::uint8_t kDeviceDisabled = 0x02;

// Serial port `index` (0 = first): flags, I/O base, interrupt, and mode
// (0 standard, 1 IrDA, 2 ASK infrared).
bool GetSerialPort(std::uint8_t index, std::uint8_t& flags, std::uint16_t& base, std::uint8_t& irq,
                   std::uint8_t& mode);

// The parallel port: flags, I/O base, interrupt, mode and DMA channel. On a
// refusal `flags` holds the AH of the request refused, the platform check's
// or the port's.
bool GetParellelPort(std::uint8_t& flags, std::uint16_t& base, std::uint8_t& irq, std::uint8_t& mode,
                     std::uint8_t& dma);

// A cache's flags (bit 0 no cache, bit 1 switched off; the BIOS's AH on a
// refusal) and size code.
bool GetInternalCacheStatus(std::uint8_t& flags, std::uint8_t& sizeCode);
bool GetExtCacheStatus(std::uint8_t& flags, std::uint8_t& sizeCode);

// The touch pad: 0 disabled, 1 enabled.
bool GetTouchPad(std::uint8_t& state);

// BIOS interface revisions (BH major, BL minor, each byte judged alone) too
// old to report the memory size, or to pack the parallel port's mode and DMA
// channel into DH.
bool IsEarlyMemoryRevision(std::uint16_t revision);
bool IsEarlyParallelRevision(std::uint16_t revision);

// A byte count as GetSystemRam reports it: KB rounded up, moved on to MB and
// then GB (each rounded up) while the figure is 2048 or more. A figure past
// 32 bits in GB (no machine has it) stays at 0xFFFFFFFF GB.
struct ScaledMemory {
    std::uint32_t size;
    std::uint8_t unit;
};
ScaledMemory ScaleMemory(std::uint64_t bytes);

}  // namespace tlw
