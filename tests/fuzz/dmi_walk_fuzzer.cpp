// Fuzz target for the DMI walk (libFuzzer, with AddressSanitizer and
// UndefinedBehaviorSanitizer): any bytes a driver or a table file may hold,
// walked as one read and whole, worded into rows, and patched as the
// simulated notebook patches a table. Faults abort.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dmi/dmi_proxy.h"
#include "dmi/dmi_table.h"
#include "dmi/identity_rows.h"
#include "dmi/identity_walk.h"
#include "sim/identity_table.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

template <std::size_t N>
void CheckTerminated(const std::array<char, N>& field) {
    Check(tlw::dmi::TextOf(field).size() < N);
}

void WalkAndWord(const std::uint8_t* data, std::size_t count, tlw::dmi::Identity& identity) {
    const tlw::dmi::Walk walk = tlw::dmi::WalkIdentity(data, count, identity);
    Check(walk.end <= count);
    CheckTerminated(identity.manufacturer);
    CheckTerminated(identity.productName);
    CheckTerminated(identity.serialNumber);
    CheckTerminated(identity.assetTag);
    const auto rows = tlw::dmi::IdentityRows(identity, walk.assetTag());
    Check(rows.size() >= 2 && rows.size() <= 5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The fields carry over from one read to the next, as on the page.
    tlw::dmi::Identity identity;
    WalkAndWord(data, size < tlw::kDmiTableCapacity ? size : tlw::kDmiTableCapacity, identity);
    WalkAndWord(data, size, identity);

    std::string table(reinterpret_cast<const char*>(data), size);
    const std::string tag = "FUZZ TAG";
    if (tlw::sim::PatchEnclosureAssetTag(table, tag)) {
        // The first enclosure now names the tag.
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(table.data());
        tlw::dmi::Structure s;
        std::size_t at = 0;
        while (tlw::dmi::StructureAt(bytes, table.size(), at, s) && s.type != tlw::dmi::kSystemEnclosure) at = s.end;
        Check(s.type == tlw::dmi::kSystemEnclosure);
        Check(tlw::dmi::StringOf(bytes, s, tlw::dmi::FieldByte(bytes, s, 8)) == tag);
    }
    return 0;
}
