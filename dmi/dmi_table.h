// The SMBIOS structure table as the DMI proxy hands it over: structures one
// after another from byte 0, each a formatted area (type, length, handle,
// fields) followed by its string set, NUL-terminated strings ended by one more
// NUL. Nothing here reads outside the bytes it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tlw::dmi {

// The structure types the identity rows read.
constexpr std::uint8_t kBiosInformation = 0;
constexpr std::uint8_t kSystemInformation = 1;
constexpr std::uint8_t kBaseBoard = 2;
constexpr std::uint8_t kSystemEnclosure = 3;
constexpr std::uint8_t kEndOfTable = 127;

// The smallest formatted area: type, length and handle.
constexpr std::size_t kHeaderLength = 4;

// One structure lying wholly inside the bytes.
struct Structure {
    std::size_t offset = 0;   // its first byte
    std::uint8_t type = 0;
    std::uint8_t length = 0;  // of the formatted area, counted from `offset`
    std::size_t end = 0;      // just past the double NUL that ends its string set

    std::size_t strings() const { return offset + length; }
};

// The structure at `offset` of the `count` bytes at `table`. False when it is
// not one: its length is below the header's, or its formatted area or its
// string set does not end inside the bytes.
bool StructureAt(const std::uint8_t* table, std::size_t count, std::size_t offset, Structure& found);

// String `number` of the structure's string set (1 = the first); empty for 0
// and for a number past the set's last string.
std::string_view StringOf(const std::uint8_t* table, const Structure& structure, std::uint8_t number);

// The byte at `at` of the structure's formatted area; 0 when the area is
// shorter (a field an older table does not have reads as "no string").
std::uint8_t FieldByte(const std::uint8_t* table, const Structure& structure, std::size_t at);

}  // namespace tlw::dmi
