// The simulated notebook's identity: its text keys, the asset tag the BIOS
// keeps, the table it builds and a real table's enclosure patched.
#include <gtest/gtest.h>

#include "bios/asset_tag_call.h"
#include "dmi/dmi_proxy.h"
#include "dmi/identity_walk.h"
#include "sim/identity_table.h"
#include "sim/simulated_dmi_proxy.h"
#include "tests/native/dmi/dmi_test_tables.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

using namespace dmi::test;

// The walk's view of a table.
dmi::Identity Walked(const std::string& table) {
    dmi::Identity identity;
    dmi::WalkIdentity(Bytes(table), table.size(), identity);
    return identity;
}

TEST_F(SimulatedNotebook, TextKeysKeepBlanksQuotesAndHashesThroughASave) {
    const std::string odd = std::string(20, ' ') + "#\"\\x41\x01\xE9";
    ASSERT_TRUE(Open(nullptr));
    ASSERT_TRUE(SetAssetTag(odd.c_str()));
    CloseBiosChannel();
    ASSERT_TRUE(Open(nullptr)) << "the saved file reads again";
    EXPECT_EQ(notebook().identity.assetTag, odd);

    for (const char* bad : {"asset_tag = \"open\n", "asset_tag = \"a\"b\"\n", "asset_tag = \"\\x00\"\n"}) {
        std::string error;
        EXPECT_FALSE(Open(bad, &error)) << bad;
        EXPECT_NE(error.find("asset_tag wants a text"), std::string::npos) << error;
    }
    ASSERT_TRUE(Open("manufacturer = Bare words stay\nserial_number = \"C:\\x.dmi \\x41\\x5C\"\n"));
    EXPECT_EQ(notebook().identity.manufacturer, "Bare words stay");
    EXPECT_EQ(notebook().identity.serialNumber, "C:\\x.dmi A\\") << "a backslash stands for itself";
}

TEST_F(SimulatedNotebook, TheBiosKeepsAtMost32CharactersOfATag) {
    ASSERT_TRUE(Open(nullptr));
    const std::string longTag(40, 'L');
    EXPECT_TRUE(SetAssetTag(longTag.c_str()));
    EXPECT_EQ(notebook().identity.assetTag, std::string(32, 'L'));
    std::string read;
    for (int i = 0; i < 33; ++i) read += "4C";
    const std::string line = LogLines().back();
    EXPECT_NE(line.find("BUF=" + read + " ->"), std::string::npos) << "33 bytes read, no further: " << line;
}

TEST_F(SimulatedNotebook, TheBuiltTableHoldsTheIdentityAndEndsWithItsEndStructure) {
    IdentityState identity;
    identity.manufacturer = "Maker";
    identity.productName = "";
    identity.assetTag = "T 1";
    const std::string table = BuildIdentityTable(identity);
    const dmi::Identity walked = Walked(table);
    EXPECT_EQ(dmi::TextOf(walked.manufacturer), "Maker");
    EXPECT_EQ(dmi::TextOf(walked.productName), "");
    EXPECT_EQ(dmi::TextOf(walked.serialNumber), identity.serialNumber);
    EXPECT_TRUE(std::equal(walked.uuid.begin(), walked.uuid.end(), identity.uuid));
    EXPECT_EQ(dmi::TextOf(walked.assetTag), "T 1");
    EXPECT_EQ(table.substr(table.size() - 6, 2), "\x7F\x04");
    EXPECT_EQ(table.substr(table.size() - 2), std::string(2, '\0'));
}

TEST(EnclosurePatch, RewritesTheTagsOwnStringAndGivesASharedOneAStringOfItsOwn) {
    const std::string head = Bios() + System("M", "P", "S");
    // Manufacturer 1, serial 2, asset tag 3: its own string.
    std::string own = head + Structure(3, {1, 0x0A, 0, 2, 3}, {"Maker", "SER", "OLD TAG"}) + EndOfTable();
    ASSERT_TRUE(PatchEnclosureAssetTag(own, "NEW"));
    EXPECT_EQ(own, head + Structure(3, {1, 0x0A, 0, 2, 3}, {"Maker", "SER", "NEW"}) + EndOfTable());

    // The tag shares the serial number's string: the serial keeps it.
    std::string shared = head + Structure(3, {1, 0x0A, 0, 2, 2}, {"Maker", "SAME"}) + EndOfTable();
    ASSERT_TRUE(PatchEnclosureAssetTag(shared, "NEW"));
    EXPECT_EQ(shared, head + Structure(3, {1, 0x0A, 0, 2, 3}, {"Maker", "SAME", "NEW"}) + EndOfTable());

    // No strings yet, then an empty tag: no string at all.
    std::string none = head + Structure(3, {0, 0x0A, 0, 0, 0}) + EndOfTable();
    ASSERT_TRUE(PatchEnclosureAssetTag(none, "T"));
    EXPECT_EQ(none, head + Structure(3, {0, 0x0A, 0, 0, 1}, {"T"}) + EndOfTable());
    ASSERT_TRUE(PatchEnclosureAssetTag(none, ""));
    EXPECT_EQ(dmi::TextOf(Walked(none).assetTag), "");

    for (std::string unpatchable : {head + EndOfTable(), head + Structure(3, {0, 0x0A, 0, 0}) + EndOfTable(),
                                    head + std::string{3, 13, 0}}) {
        const std::string before = unpatchable;
        EXPECT_FALSE(PatchEnclosureAssetTag(unpatchable, "T"));
        EXPECT_EQ(unpatchable, before);
    }
}

TEST_F(SimulatedNotebook, TheProxyHandsOverWhatTheFileSaysAtEachRead) {
    ASSERT_TRUE(Open("manufacturer = Maker A\n"));
    SimulatedDmiProxy proxy(state().string(), log().string());
    DmiTable table{};
    std::size_t count = 0;
    const auto manufacturer = [&] {
        dmi::Identity identity;
        dmi::WalkIdentity(table.data(), count, identity);
        return dmi::TextOf(identity.manufacturer);
    };
    ASSERT_TRUE(proxy.Read(table, count));
    EXPECT_EQ(manufacturer(), "Maker A");
    // Edits of the same length, one the file cannot be used with, and back.
    WriteFile(state(), "manufacturer = Maker B\n");
    ASSERT_TRUE(proxy.Read(table, count));
    EXPECT_EQ(manufacturer(), "Maker B");
    WriteFile(state(), "manufacturer = Maker B\nrefuse = DmiProxy channel\n");
    EXPECT_FALSE(proxy.Read(table, count));
    WriteFile(state(), "manufacturer = Maker B\nmanufacturer = Maker C\n");
    EXPECT_FALSE(proxy.Read(table, count));
    EXPECT_NE(LogLines().back().find("cannot be used"), std::string::npos) << LogLines().back();
    WriteFile(state(), "manufacturer = Maker A\n");
    ASSERT_TRUE(proxy.Read(table, count));
    EXPECT_EQ(manufacturer(), "Maker A");
}

TEST(DmiRead, TheCountNeverExceedsTheBufferAndIsZeroOnFailure) {
    struct Reporting : DmiProxy {
        std::size_t reports = 0;
        bool fails = false;
        bool Read(DmiTable&, std::size_t& count) override {
            count = reports;
            return !fails;
        }
    };
    auto owned = std::make_unique<Reporting>();
    Reporting& proxy = *owned;
    UseDmiProxy(std::move(owned));
    DmiTable table{};
    std::size_t count = 7;
    proxy.reports = 5000;
    EXPECT_TRUE(ReadDmiTable(table, count));
    EXPECT_EQ(count, kDmiTableCapacity);
    proxy.fails = true;
    EXPECT_FALSE(ReadDmiTable(table, count));
    EXPECT_EQ(count, 0u);
    UseDmiProxy(nullptr);
    count = 7;
    EXPECT_FALSE(ReadDmiTable(table, count)) << "no proxy";
    EXPECT_EQ(count, 0u);
}

}  // namespace
}  // namespace tlw::sim
