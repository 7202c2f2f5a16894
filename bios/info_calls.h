// The BIOS calls that report the machine's configuration. Each returns true on
// success and delivers its results through out-parameters.
#pragma once

#include <cstdint>

namespace tlw {

constexpr std::uint8_t kFirstHardDisk = 0x80;  // the BIOS's number of the first IDE drive
constexpr std::uint8_t kIdeHardDisk = 1;       // GetIdeType's type code of a hard disk

// The IDE device at BIOS drive number `drive` (0x80 = first hard disk): its
// type code (1 = hard disk, 2 and up removable and optical kinds) and a second
// byte that must be non-zero before a hard disk's size is asked.
bool GetIdeType(std::uint8_t drive, std::uint8_t& type, std::uint8_t& second);

}  // namespace tlw
