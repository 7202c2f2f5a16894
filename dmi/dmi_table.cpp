// Finding structures and their strings inside the table's bytes.
#include "dmi/dmi_table.h"

namespace tlw::dmi {

bool StructureAt(const std::uint8_t* table, std::size_t count, std::size_t offset, Structure& found) {
    if (offset > count || count - offset < kHeaderLength) return false;
    const std::uint8_t length = table[offset + 1];
    if (length < kHeaderLength || count - offset < length) return false;
    // The string set ends at the first two NULs in a row from the end of the
    // formatted area on; a set without strings is those two NULs alone.
    for (std::size_t at = offset + length; at + 1 < count; ++at) {
        if (table[at] == 0 && table[at + 1] == 0) {
            found = {offset, table[offset], length, at + 2};
            return true;
        }
    }
    return false;
}

std::string_view StringOf(const std::uint8_t* table, const Structure& structure, std::uint8_t number) {
    if (number == 0) return {};
    const char* text = reinterpret_cast<const char*>(table);
    // The set's last byte is the NUL that follows its last string.
    const std::size_t last = structure.end - 1;
    std::size_t at = structure.strings();
    for (std::uint8_t passed = 1; passed < number; ++passed) {
        while (at < last && text[at] != 0) ++at;
        ++at;  // past the string's NUL
        if (at >= last) return {};
    }
    std::size_t end = at;
    while (end < last && text[end] != 0) ++end;
    return std::string_view(text + at, end - at);
}

std::uint8_t FieldByte(const std::uint8_t* table, const Structure& structure, std::size_t at) {
    return at < structure.length ? table[structure.offset + at] : 0;
}

}  // namespace tlw::dmi
