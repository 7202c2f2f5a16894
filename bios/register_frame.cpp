// Little-endian packing of the register frame.
#include "bios/register_frame.h"

namespace tlw {
namespace {

constexpr std::size_t kWords = kRegisterFrameBytes / 4;

std::array<std::uint32_t*, kWords> Words(RegisterFrame& f) {
    return {&f.status, &f.eax, &f.ebx, &f.ecx, &f.edx, &f.esi, &f.edi,
            &f.spare[0], &f.spare[1], &f.spare[2], &f.control};
}

}  // namespace

FrameBytes ToBytes(const RegisterFrame& frame) {
    RegisterFrame copy = frame;
    FrameBytes bytes{};
    std::size_t at = 0;
    for (std::uint32_t* word : Words(copy)) {
        for (int shift = 0; shift < 32; shift += 8) bytes[at++] = static_cast<std::uint8_t>(*word >> shift);
    }
    return bytes;
}

RegisterFrame FromBytes(const FrameBytes& bytes) {
    RegisterFrame frame;
    std::size_t at = 0;
    for (std::uint32_t* word : Words(frame)) {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= std::uint32_t{bytes[at++]} << shift;
        *word = value;
    }
    return frame;
}

}  // namespace tlw
