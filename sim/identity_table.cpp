// Writing DMI structures, and rewriting an enclosure's string set.
#include "sim/identity_table.h"

#include <cstdint>
#include <vector>

#include "dmi/dmi_table.h"

namespace tlw::sim {
namespace {

constexpr std::size_t kEnclosureAssetTag = 8;
// The enclosure's other string fields: manufacturer, version, serial number.
constexpr std::size_t kEnclosureStrings[] = {4, 6, 7};
constexpr std::size_t kMostStrings = 255;

// A structure's formatted area and string set; string fields are numbered as
// strings are added.
class StructureWriter {
public:
    StructureWriter(std::uint8_t type, std::uint8_t length, std::uint16_t handle) : area_(length, 0) {
        area_[0] = type;
        area_[1] = length;
        area_[2] = static_cast<char>(handle & 0xFF);
        area_[3] = static_cast<char>(handle >> 8);
    }
    void Byte(std::size_t at, std::uint8_t value) { area_[at] = static_cast<char>(value); }
    void String(std::size_t at, const std::string& text) {
        const std::string cut = text.substr(0, text.find('\0'));
        if (cut.empty()) return;  // field stays 0: no string
        strings_ += cut + '\0';
        area_[at] = static_cast<char>(++count_);
    }
    std::string Bytes() const { return area_ + (strings_.empty() ? std::string(2, '\0') : strings_ + '\0'); }

private:
    std::string area_;
    std::string strings_;
    int count_ = 0;
};

}  // namespace

std::string BuildIdentityTable(const IdentityState& identity) {
    StructureWriter bios(dmi::kBiosInformation, 0x12, 0);
    StructureWriter system(dmi::kSystemInformation, 0x1B, 1);
    system.String(4, identity.manufacturer);
    system.String(5, identity.productName);
    system.String(7, identity.serialNumber);
    for (std::size_t i = 0; i < 16; ++i) system.Byte(8 + i, identity.uuid[i]);
    system.Byte(24, 0x06);  // woken by the power switch
    StructureWriter enclosure(dmi::kSystemEnclosure, 0x0D, 2);
    enclosure.String(4, identity.manufacturer);
    enclosure.Byte(5, 0x0A);  // a notebook
    enclosure.String(kEnclosureAssetTag, identity.assetTag);
    for (std::size_t at = 9; at <= 12; ++at) enclosure.Byte(at, 0x03);  // states safe, no security
    StructureWriter end(dmi::kEndOfTable, 4, 3);
    return bios.Bytes() + system.Bytes() + enclosure.Bytes() + end.Bytes();
}

bool PatchEnclosureAssetTag(std::string& table, const std::string& tag) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(table.data());
    dmi::Structure s;
    std::size_t at = 0;
    for (;;) {
        if (!dmi::StructureAt(bytes, table.size(), at, s)) return false;
        if (s.type == dmi::kSystemEnclosure) break;
        at = s.end;
    }
    if (s.length <= kEnclosureAssetTag) return false;

    // The set's strings: the bytes before its final NUL, split at each NUL;
    // a set of two NULs alone has none.
    std::vector<std::string> strings;
    const std::string set = table.substr(s.strings(), s.end - 1 - s.strings());
    for (std::size_t from = 0; set != std::string(1, '\0') && from < set.size();) {
        const std::size_t nul = set.find('\0', from);
        strings.push_back(set.substr(from, nul - from));
        from = nul + 1;
    }

    // The tag's own string is rewritten in place; a number no string has, or
    // one the enclosure's other fields share, gets a string of its own.
    const std::string cut = tag.substr(0, tag.find('\0'));
    std::uint8_t number = static_cast<std::uint8_t>(table[s.offset + kEnclosureAssetTag]);
    bool shared = number == 0 || number > strings.size();
    for (std::size_t field : kEnclosureStrings) {
        shared = shared || dmi::FieldByte(bytes, s, field) == number;
    }
    if (cut.empty()) {
        number = 0;
    } else if (!shared) {
        strings[number - 1] = cut;
    } else if (strings.size() < kMostStrings) {
        strings.push_back(cut);
        number = static_cast<std::uint8_t>(strings.size());
    } else {
        return false;
    }

    std::string rewritten;
    for (const std::string& text : strings) rewritten += text + '\0';
    rewritten += strings.empty() ? std::string(2, '\0') : std::string(1, '\0');
    table[s.offset + kEnclosureAssetTag] = static_cast<char>(number);
    table.replace(s.strings(), s.end - s.strings(), rewritten);
    return true;
}

}  // namespace tlw::sim
