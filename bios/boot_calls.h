// The BIOS calls behind the boot order, the first hard disk, the boot options
// byte (simple boot flag and fast POST) and the fan. Each returns true on
// success and delivers results through out-parameters.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tlw {

// The boot device list: one device code per byte in boot order, ending at the
// first 0xFF or after 16 codes. Only its address travels; both sides assume
// 16 bytes.
constexpr std::size_t kBootListSize = 16;
constexpr std::uint8_t kBootListEnd = 0xFF;
using BootList = std::array<std::uint8_t, kBootListSize>;

// Reads the list into `list`. Places the BIOS leaves alone keep what they
// held: fill the list with kBootListEnd first.
bool GetBootSeq(BootList& list);
bool SetBootSeq(const BootList& list);

// The hard disk boot byte (0 = primary, 2 = secondary), raw.
bool GetHddBootSeq(std::uint8_t& value);
bool SetHddBootSeq(std::uint8_t value);

// Bit 0 of the boot options byte. `on` is 1 when set, else 0.
bool GetSimpleBoot(std::uint8_t& on);
bool EnableSimpleBoot(bool on);

// Fast POST: on while bit 1 of the boot options byte is set. Switching it on
// sets bit 1; switching it off clears bits 1 and 2.
bool GetFastPOST(std::uint8_t& on);
bool EnableFastPOST(bool on);

// Fan always on: `on` is the BIOS's AL, raw.
bool GetFanStatus(std::uint8_t& on);
bool EnableFan(bool on);

}  // namespace tlw
