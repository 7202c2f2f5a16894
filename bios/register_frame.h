// The register frame exchanged with the BIOS driver: eleven little-endian
// 32-bit words, the same 44-byte layout in both directions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tlw {

constexpr std::size_t kRegisterFrameBytes = 44;
constexpr std::uint32_t kBiosRefused = 0xFFFFFFFFu;

struct RegisterFrame {
    std::uint32_t status = 0;  // 0xFFFFFFFF on output: the BIOS refused the call
    std::uint32_t eax = 0;
    std::uint32_t ebx = 0;
    std::uint32_t ecx = 0;
    std::uint32_t edx = 0;
    std::uint32_t esi = 0;
    std::uint32_t edi = 0;
    std::uint32_t spare[3] = {0, 0, 0};
    // Bytes 40 and 41 are cleared on every request; 42 and 43 belong to the driver.
    std::uint32_t control = 0;

    std::uint8_t al() const { return static_cast<std::uint8_t>(eax); }
    std::uint8_t ah() const { return static_cast<std::uint8_t>(eax >> 8); }
    std::uint16_t ax() const { return static_cast<std::uint16_t>(eax); }
    std::uint8_t bl() const { return static_cast<std::uint8_t>(ebx); }
    std::uint8_t bh() const { return static_cast<std::uint8_t>(ebx >> 8); }
    std::uint16_t bx() const { return static_cast<std::uint16_t>(ebx); }
    std::uint8_t cl() const { return static_cast<std::uint8_t>(ecx); }
    std::uint8_t ch() const { return static_cast<std::uint8_t>(ecx >> 8); }
    std::uint16_t cx() const { return static_cast<std::uint16_t>(ecx); }
    std::uint8_t dl() const { return static_cast<std::uint8_t>(edx); }
    std::uint8_t dh() const { return static_cast<std::uint8_t>(edx >> 8); }
    std::uint16_t dx() const { return static_cast<std::uint16_t>(edx); }

    void ClearControlBytes() { control &= 0xFFFF0000u; }
};

using FrameBytes = std::array<std::uint8_t, kRegisterFrameBytes>;

// The wire form is little-endian whatever the host; these never depend on the
// struct's memory layout.
FrameBytes ToBytes(const RegisterFrame& frame);
RegisterFrame FromBytes(const FrameBytes& bytes);

}  // namespace tlw
