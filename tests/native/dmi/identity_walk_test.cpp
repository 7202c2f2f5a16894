// The identity walk over real machines' tables and over small tables that
// hold each case the walk must survive or decide.
#include "dmi/identity_walk.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dmi/identity_rows.h"
#include "dmi/dmi_proxy.h"
#include "res/resource.h"
#include "tests/native/dmi/dmi_test_tables.h"

namespace tlw::dmi {
namespace {

using test::Bios;
using test::Board;
using test::Bytes;
using test::Enclosure;
using test::EndOfTable;
using test::Processor;
using test::Structure;
using test::System;

Walk WalkAll(const std::string& table, Identity& identity) {
    return WalkIdentity(Bytes(table), table.size(), identity);
}

TEST(IdentityWalk, RealTablesCutAtOneReadAndWholeGiveTheMachinesIdentity) {
    TLW_SKIP_WITHOUT_REAL_TABLES();
    const std::vector<test::RealTable> tables = test::RealTables();
    ASSERT_GE(tables.size(), 8u) << "the real tables lie in " << TALLOWIN_SMBIOS_TABLES;
    for (const test::RealTable& t : tables) {
        SCOPED_TRACE(t.name);
        ASSERT_FALSE(t.bytes.empty());
        Identity whole;
        const Walk wholeWalk = WalkAll(t.bytes, whole);
        EXPECT_EQ(TextOf(whole.manufacturer), t.manufacturer);
        EXPECT_EQ(TextOf(whole.productName), t.product);
        EXPECT_EQ(TextOf(whole.serialNumber), t.serial);
        EXPECT_EQ(UuidDigits(whole.uuid), t.uuidDigits);
        EXPECT_EQ(TextOf(whole.assetTag), t.assetTag);
        EXPECT_EQ(wholeWalk.assetTag(), AssetTagState::Known);

        // One read holds at most the buffer's bytes. Where the walk over the
        // whole table ended inside them, the read sees all it saw.
        const std::size_t cut = std::min(t.bytes.size(), kDmiTableCapacity);
        Identity read;
        const Walk readWalk = WalkIdentity(Bytes(t.bytes), cut, read);
        EXPECT_LE(readWalk.end, cut);
        if (wholeWalk.end <= cut) {
            EXPECT_EQ(readWalk.end, wholeWalk.end);
            EXPECT_EQ(TextOf(read.manufacturer), t.manufacturer);
            EXPECT_EQ(TextOf(read.serialNumber), t.serial);
            EXPECT_EQ(read.uuid, whole.uuid);
            EXPECT_EQ(TextOf(read.assetTag), t.assetTag);
            EXPECT_EQ(readWalk.assetTag(), AssetTagState::Known);
        }
    }
}

TEST(IdentityWalk, EveryTruncationOfARealTableKeepsOnlyWhatItHoldsWhole) {
    TLW_SKIP_WITHOUT_REAL_TABLES();
    for (const test::RealTable& t : test::RealTables()) {
        SCOPED_TRACE(t.name);
        Identity whole;
        WalkAll(t.bytes, whole);
        for (std::size_t count = 0; count <= t.bytes.size(); ++count) {
            // A copy of exactly `count` bytes: a read past them would leave the buffer.
            const std::vector<std::uint8_t> bytes(t.bytes.begin(), t.bytes.begin() + count);
            Identity cut;
            const Walk walk = WalkIdentity(bytes.data(), bytes.size(), cut);
            ASSERT_LE(walk.end, count);
            // A field is what the whole table says, or still empty: never a
            // string read from a structure cut short.
            for (const auto& [field, expected] : {std::pair{TextOf(cut.manufacturer), TextOf(whole.manufacturer)},
                                                  {TextOf(cut.serialNumber), TextOf(whole.serialNumber)},
                                                  {TextOf(cut.assetTag), TextOf(whole.assetTag)}}) {
                if (!field.empty()) {
                    ASSERT_EQ(field, expected) << count << " bytes";
                }
            }
        }
    }
}

TEST(IdentityWalk, StopsAtTheFirstOtherTypeOnceBiosSystemAndEnclosureAreSeen) {
    const std::vector<std::uint8_t> uuid{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                         0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    const std::string head = Bios() + System("Maker", "Model 7", "S123", uuid) + Board() + Enclosure("T-1");
    // A second system structure after the stop must not be read.
    const std::string table = head + Processor() + System("Other", "Other", "Other");
    Identity identity;
    const Walk walk = WalkAll(table, identity);
    EXPECT_TRUE(walk.stopped);
    EXPECT_EQ(walk.end, head.size()) << "the walk stops at the processor";
    EXPECT_EQ(TextOf(identity.manufacturer), "Maker");
    EXPECT_EQ(TextOf(identity.productName), "Model 7");
    EXPECT_EQ(TextOf(identity.serialNumber), "S123");
    EXPECT_EQ(UuidDigits(identity.uuid), "00112233445566778899AABBCCDDEEFF");
    EXPECT_EQ(TextOf(identity.assetTag), "T-1");
    EXPECT_EQ(walk.assetTag(), AssetTagState::Known);

    // The type byte alone stops it: a structure cut short by the byte count
    // after BIOS, system and base board still ends the walk as a stop, with
    // the tag known to be none.
    const std::string boardHead = Bios() + System("M", "P", "S") + Board();
    const std::string processor = Processor();
    for (std::size_t kept = 1; kept < processor.size(); ++kept) {
        const std::string cut = boardHead + processor.substr(0, kept);
        Identity fields;
        const Walk cutWalk = WalkAll(cut, fields);
        EXPECT_TRUE(cutWalk.stopped) << kept << " bytes of the processor";
        EXPECT_EQ(cutWalk.end, boardHead.size());
        EXPECT_EQ(IdentityRows(fields, cutWalk.assetTag()).back().valueId, unsigned{IDS_NOT_AVAILABLE});
    }
}

TEST(IdentityWalk, ABaseBoardCountsAsTheEnclosureForTheStopAndLeavesTheTagAsItWas) {
    const std::string table = Bios() + System("M", "P", "S") + Board() + Processor() + Enclosure("LATE");
    Identity identity;
    SetText(identity.assetTag, "EARLIER");
    const Walk walk = WalkAll(table, identity);
    EXPECT_TRUE(walk.stopped);
    EXPECT_FALSE(walk.sawEnclosure);
    EXPECT_EQ(TextOf(identity.assetTag), "EARLIER");
    EXPECT_EQ(walk.assetTag(), AssetTagState::Known) << "the table's order says there is no enclosure to read";
}

TEST(IdentityWalk, FieldsKeepTheirTextsUntilTheirStructureIsFoundAgain) {
    Identity identity;
    WalkAll(Bios() + System("First", "One", "1") + Enclosure("TAG") + EndOfTable(), identity);
    WalkAll(Bios() + Enclosure("") + Processor(), identity);
    EXPECT_EQ(TextOf(identity.manufacturer), "First") << "no system structure this time";
    EXPECT_EQ(TextOf(identity.assetTag), "") << "the enclosure was found and names no string";
    WalkAll(System("Second", "", "") + EndOfTable(), identity);
    EXPECT_EQ(TextOf(identity.manufacturer), "Second");
    EXPECT_EQ(TextOf(identity.productName), "") << "a found structure overwrites even with no string";
}

TEST(IdentityWalk, StringNumbersOutsideTheSetGiveEmptyTextsAndLongStringsAreCut) {
    // Manufacturer names string 0, product string 3 of a set of 2, serial string 2.
    std::vector<std::uint8_t> fields(23, 0);
    fields[5 - 4] = 3;
    fields[7 - 4] = 2;
    const std::string longText(600, 'x');
    const std::string table = Structure(1, fields, {"first", longText}) + EndOfTable();
    Identity identity;
    SetText(identity.manufacturer, "old");
    WalkAll(table, identity);
    EXPECT_EQ(TextOf(identity.manufacturer), "");
    EXPECT_EQ(TextOf(identity.productName), "");
    EXPECT_EQ(TextOf(identity.serialNumber), std::string(511, 'x')) << "cut to the 512-byte field";

    // A short, older structure: fields past its length are no strings, the UUID bytes it lacks are zeros.
    Identity old;
    WalkAll(Structure(1, {1, 2, 0, 3}, {"Maker", "Model", "Serial"}) + EndOfTable(), old);
    EXPECT_EQ(TextOf(old.manufacturer), "Maker");
    EXPECT_EQ(TextOf(old.serialNumber), "Serial");
    EXPECT_EQ(old.uuid, (std::array<std::uint8_t, 16>{}));
}

TEST(IdentityWalk, MalformedStructuresEndTheWalkCleanlyWithWhatWasFound) {
    const std::string start = Bios() + System("Maker", "Model", "Serial");
    const std::string cases[] = {
        start + std::string{3, 2, 0, 0} + std::string(8, '\0'),  // length 2
        start + std::string{3, 0, 0, 0, 0, 0},                   // length 0
        start + std::string{3, 9, 0, 0, 0, 0, 0, 0, 1, 'T', 'A', 'G'},  // string set without its double NUL
        start + std::string{3, 40, 0, 0, 0, 0},                  // formatted area past the bytes
        start + std::string{3},                                  // a lone byte
    };
    for (const std::string& table : cases) {
        Identity identity;
        const Walk walk = WalkAll(table, identity);
        EXPECT_EQ(walk.end, start.size());
        EXPECT_EQ(TextOf(identity.manufacturer), "Maker");
        EXPECT_EQ(TextOf(identity.assetTag), "");
        EXPECT_EQ(walk.assetTag(), AssetTagState::Unknown) << "the enclosure may lie in what could not be read";
    }
}

TEST(IdentityWalk, TheTagIsUnknownWhenTheReadEndsBeforeTheEnclosure) {
    // Structures of other types push the enclosure past the first read, as
    // on notebooks whose tables are longer than one read holds.
    std::string table = Bios() + System("Maker", "Model", "Serial");
    while (table.size() < kDmiTableCapacity) table += Structure(0xDE, std::vector<std::uint8_t>(60, 0), {"OEM"});
    table += Enclosure("TAKEN") + EndOfTable();

    Identity read;
    const Walk cut = WalkIdentity(Bytes(table), kDmiTableCapacity, read);
    EXPECT_FALSE(cut.sawEnclosure);
    EXPECT_EQ(cut.assetTag(), AssetTagState::Unknown);
    const std::vector<IdentityRow> rows = IdentityRows(read, cut.assetTag());
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back().valueId, unsigned{IDS_UNKNOWN});

    Identity whole;
    EXPECT_EQ(WalkAll(table, whole).assetTag(), AssetTagState::Known);
    EXPECT_EQ(TextOf(whole.assetTag), "TAKEN");

    // A whole table without any enclosure says the machine has no tag.
    Identity none;
    EXPECT_EQ(WalkAll(Bios() + System("M", "P", "S") + EndOfTable(), none).assetTag(), AssetTagState::Known);
}

}  // namespace
}  // namespace tlw::dmi
