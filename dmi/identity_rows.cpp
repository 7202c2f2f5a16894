// Wording the identity rows.
#include "dmi/identity_rows.h"

#include "res/resource.h"

namespace tlw::dmi {
namespace {

void AddTextRow(std::vector<IdentityRow>& rows, unsigned label, const std::string& text) {
    if (text.empty()) return;
    if (HasNonBlank(text)) {
        rows.push_back({label, 0, text});
    } else {
        rows.push_back({label, IDS_NOT_AVAILABLE, {}});
    }
}

}  // namespace

bool HasNonBlank(const std::string& text) { return text.find_first_not_of(' ') != std::string::npos; }

std::string UuidDigits(const std::array<std::uint8_t, 16>& uuid) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    for (std::uint8_t byte : uuid) {
        digits += kDigits[byte >> 4];
        digits += kDigits[byte & 0x0F];
    }
    return digits;
}

std::vector<IdentityRow> IdentityRows(const Identity& identity, AssetTagState tag) {
    std::vector<IdentityRow> rows;
    AddTextRow(rows, IDS_DMI_MANUFACTURER, TextOf(identity.manufacturer));
    AddTextRow(rows, IDS_DMI_PRODUCT_NAME, TextOf(identity.productName));
    AddTextRow(rows, IDS_DMI_SERIAL_NUMBER, TextOf(identity.serialNumber));

    bool anyUuidByte = false;
    for (std::uint8_t byte : identity.uuid) anyUuidByte = anyUuidByte || byte != 0;
    if (anyUuidByte) {
        rows.push_back({IDS_DMI_UUID, 0, UuidDigits(identity.uuid)});
    } else {
        rows.push_back({IDS_DMI_UUID, IDS_NOT_AVAILABLE, {}});
    }

    // Unlike the text rows, an empty asset tag still has its row.
    const std::string assetTag = TextOf(identity.assetTag);
    if (HasNonBlank(assetTag)) {
        rows.push_back({IDS_DMI_ASSET_TAG, 0, assetTag});
    } else {
        const unsigned value = tag == AssetTagState::Unknown ? IDS_UNKNOWN : IDS_NOT_AVAILABLE;
        rows.push_back({IDS_DMI_ASSET_TAG, value, {}});
    }
    return rows;
}

}  // namespace tlw::dmi
