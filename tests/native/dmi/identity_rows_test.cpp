// The identity rows' wording: which rows appear, in which order, and when a
// value reads "N/A" or "Unknown".
#include "dmi/identity_rows.h"

#include <gtest/gtest.h>

#include "res/resource.h"

namespace tlw::dmi {
namespace {

// "label=value" per row, the value's string id as "#id".
std::vector<std::string> Texts(const std::vector<IdentityRow>& rows) {
    std::vector<std::string> texts;
    for (const IdentityRow& row : rows) {
        texts.push_back(std::to_string(row.labelId) + "=" +
                        (row.valueId ? "#" + std::to_string(row.valueId) : row.text));
    }
    return texts;
}

std::string Row(unsigned label, const std::string& value) { return std::to_string(label) + "=" + value; }
std::string NotAvailable(unsigned label) { return Row(label, "#" + std::to_string(IDS_NOT_AVAILABLE)); }

TEST(IdentityRows, ATextFieldAddsItsTextNAForBlanksOnlyAndNoRowWhenEmpty) {
    Identity identity;
    SetText(identity.manufacturer, " Maker ");
    SetText(identity.serialNumber, "    ");
    identity.uuid = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    SetText(identity.assetTag, "  A1234");
    EXPECT_EQ(Texts(IdentityRows(identity, AssetTagState::Known)),
              (std::vector<std::string>{Row(IDS_DMI_MANUFACTURER, " Maker "), NotAvailable(IDS_DMI_SERIAL_NUMBER),
                                        Row(IDS_DMI_UUID, "00112233445566778899AABBCCDDEEFF"),
                                        Row(IDS_DMI_ASSET_TAG, "  A1234")}));
}

TEST(IdentityRows, NothingFoundLeavesTheUuidAndAssetTagRows) {
    const Identity nothing;
    EXPECT_EQ(Texts(IdentityRows(nothing, AssetTagState::Known)),
              (std::vector<std::string>{NotAvailable(IDS_DMI_UUID), NotAvailable(IDS_DMI_ASSET_TAG)}));
}

TEST(IdentityRows, ABlankTagReadsNAWhenKnownAndUnknownOtherwiseButATagIsAlwaysShown) {
    Identity identity;
    SetText(identity.assetTag, std::string(31, ' '));  // what an apply writes first
    EXPECT_EQ(Texts(IdentityRows(identity, AssetTagState::Known)).back(), NotAvailable(IDS_DMI_ASSET_TAG));
    EXPECT_EQ(Texts(IdentityRows(identity, AssetTagState::Unknown)).back(),
              Row(IDS_DMI_ASSET_TAG, "#" + std::to_string(IDS_UNKNOWN)));
    // A tag the field holds (written by this program) shows even when this read did not reach the enclosure.
    SetText(identity.assetTag, "NEW-7");
    EXPECT_EQ(Texts(IdentityRows(identity, AssetTagState::Unknown)).back(), Row(IDS_DMI_ASSET_TAG, "NEW-7"));
}

TEST(IdentityRows, TheRowsComeInTheirFixedOrder) {
    Identity identity;
    SetText(identity.serialNumber, "S");
    SetText(identity.productName, "P");
    SetText(identity.manufacturer, "M");
    identity.uuid[15] = 1;
    std::vector<unsigned> labels;
    for (const IdentityRow& row : IdentityRows(identity, AssetTagState::Known)) labels.push_back(row.labelId);
    EXPECT_EQ(labels, (std::vector<unsigned>{IDS_DMI_MANUFACTURER, IDS_DMI_PRODUCT_NAME, IDS_DMI_SERIAL_NUMBER,
                                             IDS_DMI_UUID, IDS_DMI_ASSET_TAG}));
    EXPECT_EQ(IdentityRows(identity, AssetTagState::Known)[3].text, "00000000000000000000000000000001");
}

}  // namespace
}  // namespace tlw::dmi
