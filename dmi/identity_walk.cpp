// The identity walk: structures in order until BIOS, system and enclosure
// have been seen and another type follows, or until the bytes end.
#include "dmi/identity_walk.h"

#include <algorithm>
#include <string_view>

#include "dmi/dmi_table.h"

namespace tlw::dmi {
namespace {

// Offsets inside the system information structure (type 1) ...
constexpr std::size_t kManufacturer = 4;
constexpr std::size_t kProductName = 5;
constexpr std::size_t kSerialNumber = 7;
constexpr std::size_t kUuid = 8;
// ... and the system enclosure (type 3).
constexpr std::size_t kAssetTag = 8;

template <std::size_t N>
void CopyString(const std::uint8_t* table, const Structure& s, std::size_t field, std::array<char, N>& into) {
    const std::string_view text = StringOf(table, s, FieldByte(table, s, field));
    SetText(into, std::string(text));
}

void ReadSystem(const std::uint8_t* table, const Structure& s, Identity& identity) {
    CopyString(table, s, kSerialNumber, identity.serialNumber);
    CopyString(table, s, kProductName, identity.productName);
    CopyString(table, s, kManufacturer, identity.manufacturer);
    // An older, shorter structure without the UUID leaves zeros for the bytes it lacks.
    for (std::size_t i = 0; i < identity.uuid.size(); ++i) identity.uuid[i] = FieldByte(table, s, kUuid + i);
}

}  // namespace

Walk WalkIdentity(const std::uint8_t* table, std::size_t count, Identity& identity) {
    Walk walk;
    bool sawBios = false;
    bool sawBoard = false;
    Structure s;
    while (walk.end < count) {
        // Once BIOS, system and enclosure are seen, any other type stops the
        // walk on its type byte alone: the rest of that structure may lie
        // past the bytes the proxy handed over.
        const std::uint8_t type = table[walk.end];
        const bool read = type == kBiosInformation || type == kSystemInformation || type == kBaseBoard ||
                          type == kSystemEnclosure;
        if (!read && sawBios && walk.sawSystem && (sawBoard || walk.sawEnclosure)) {
            walk.stopped = true;
            return walk;
        }
        if (!StructureAt(table, count, walk.end, s)) break;
        switch (s.type) {
            case kBiosInformation:
                sawBios = true;
                break;
            case kSystemInformation:
                walk.sawSystem = true;
                ReadSystem(table, s, identity);
                break;
            case kBaseBoard:
                sawBoard = true;
                break;
            case kSystemEnclosure:
                walk.sawEnclosure = true;
                CopyString(table, s, kAssetTag, identity.assetTag);
                break;
            default:
                if (s.type == kEndOfTable) walk.sawEndOfTable = true;
                break;
        }
        walk.end = s.end;
    }
    return walk;
}

}  // namespace tlw::dmi
