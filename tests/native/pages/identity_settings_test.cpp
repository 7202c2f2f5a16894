// The information page's identity and asset tag flow on the simulated
// notebook: its DMI proxy and its BIOS, through the state file and the log.
#include "pages/info/identity_settings.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "sim/simulated_dmi_proxy.h"
#include "tests/native/dmi/dmi_test_tables.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw {
namespace {

using sim::fs::path;

class IdentityFlow : public sim::SimulatedNotebook {
protected:
    bool OpenWithProxy(const std::string& text) {
        UseDmiProxy(std::make_unique<sim::SimulatedDmiProxy>(state().string(), log().string()));
        return Open(text.c_str());
    }
    void TearDown() override {
        UseDmiProxy(nullptr);
        SimulatedNotebook::TearDown();
    }

    // The rows as "label=value", a value string id as "#id".
    std::vector<std::string> Rows() const {
        std::vector<std::string> texts;
        for (const dmi::IdentityRow& row : settings.rows()) {
            texts.push_back(std::to_string(row.labelId) + "=" +
                            (row.valueId ? "#" + std::to_string(row.valueId) : row.text));
        }
        return texts;
    }
    std::string AssetTagRow() const { return Rows().empty() ? "" : Rows().back(); }
    std::vector<std::string> LinesOf(const std::string& call) const {
        std::vector<std::string> found;
        for (const std::string& line : LogLines()) {
            if (line.rfind(call + " ", 0) == 0) found.push_back(line);
        }
        return found;
    }
    void EnterTag(const std::string& tag) {
        settings.entry().newTag = settings.entry().confirmation = tag;
        settings.entry().newTagChanged = true;
        settings.TagEntered();
    }

    IdentitySettings settings;
};

std::string Row(unsigned label, const std::string& value) { return std::to_string(label) + "=" + value; }
const std::string kNotAvailable = "#" + std::to_string(IDS_NOT_AVAILABLE);

TEST_F(IdentityFlow, TheNotebooksIdentityKeysMakeItsRows) {
    ASSERT_TRUE(OpenWithProxy("manufacturer = Maker Inc.\nproduct_name = \"\"\nserial_number = \"  SN 7  \"\n"
                              "uuid = 00112233445566778899AABBCCDDEEFF\nasset_tag = \"    \"\n"));
    settings.Load();
    EXPECT_EQ(Rows(), (std::vector<std::string>{Row(IDS_DMI_MANUFACTURER, "Maker Inc."),
                                                Row(IDS_DMI_SERIAL_NUMBER, "  SN 7  "),
                                                Row(IDS_DMI_UUID, "00112233445566778899AABBCCDDEEFF"),
                                                Row(IDS_DMI_ASSET_TAG, kNotAvailable)}));
    EXPECT_TRUE(settings.CanChangeTag());
    EXPECT_EQ(LinesOf("DmiProxy").size(), 1u);
}

TEST_F(IdentityFlow, ApplyWritesBlanksThenTheTagWhichTheRefillShowsAndLocks) {
    ASSERT_TRUE(OpenWithProxy(""));
    settings.Load();
    ASSERT_TRUE(settings.CanChangeTag());
    EnterTag("A1234");
    EXPECT_EQ(settings.Apply(), ApplyResult::Applied);

    const std::vector<std::string> writes = LinesOf("SetAssetTag");
    ASSERT_EQ(writes.size(), 2u);
    std::string blanks;
    for (int i = 0; i < 31; ++i) blanks += "20";
    EXPECT_NE(writes[0].find("EAX=00009610 EBX=00008113 ECX=00000000 EDX=00000000 BUF=" + blanks + "00 ->"),
              std::string::npos)
        << writes[0];
    EXPECT_NE(writes[1].find("BUF=413132333400 ->"), std::string::npos) << writes[1];
    EXPECT_NE(sim::ReadFile(state()).find("asset_tag = \"A1234\""), std::string::npos);
    EXPECT_TRUE(settings.entry().newTag.empty() && settings.entry().confirmation.empty());

    settings.Load();
    EXPECT_EQ(AssetTagRow(), Row(IDS_DMI_ASSET_TAG, "A1234"));
    EXPECT_FALSE(settings.CanChangeTag());
}

TEST_F(IdentityFlow, NothingPendingOrADiscardedTagWritesNothing) {
    ASSERT_TRUE(OpenWithProxy(""));
    settings.Load();
    EXPECT_EQ(settings.Apply(), ApplyResult::Nothing);
    EnterTag("GONE");
    settings.RestorePrevious();
    EXPECT_TRUE(settings.entry().newTag.empty()) << "the dialog's texts are emptied";
    EXPECT_EQ(settings.Apply(), ApplyResult::Nothing);
    EXPECT_TRUE(LinesOf("SetAssetTag").empty());
    EXPECT_TRUE(settings.CanChangeTag());
}

TEST_F(IdentityFlow, AFailedReadShowsNoRowsAndChangesNothing) {
    ASSERT_TRUE(OpenWithProxy("refuse = DmiProxy channel\n"));
    settings.Load();
    EXPECT_TRUE(settings.rows().empty());
    EXPECT_TRUE(settings.CanChangeTag());
    EXPECT_EQ(LinesOf("DmiProxy"), std::vector<std::string>{"DmiProxy -> FAILED"});

    // Once a tag was seen the button stays locked, whatever a later read does.
    ASSERT_TRUE(OpenWithProxy("asset_tag = OWNED\n"));
    settings.Load();
    EXPECT_FALSE(settings.CanChangeTag());
    ASSERT_TRUE(OpenWithProxy("refuse = DmiProxy channel\n"));
    settings.Load();
    EXPECT_TRUE(settings.rows().empty());
    EXPECT_FALSE(settings.CanChangeTag());
    EXPECT_EQ(dmi::TextOf(settings.identity().assetTag), "OWNED") << "the fields keep what the last read found";
}

TEST_F(IdentityFlow, ARealTableShowsThatMachineAndItsTagIsWrittenIntoACopy) {
    TLW_SKIP_WITHOUT_REAL_TABLES();
    for (const dmi::test::RealTable& t : dmi::test::RealTables()) {
        SCOPED_TRACE(t.name);
        const path original = path(TALLOWIN_SMBIOS_TABLES) / t.name;
        IdentitySettings fresh;
        ASSERT_TRUE(OpenWithProxy("dmi_table = \"" + original.string() + "\"\n"));
        fresh.Load();
        settings = fresh;
        const std::vector<std::string> rows = Rows();
        ASSERT_GE(rows.size(), 5u);
        EXPECT_EQ(rows[0], Row(IDS_DMI_MANUFACTURER, t.manufacturer));
        EXPECT_EQ(rows[3], Row(IDS_DMI_UUID, t.uuidDigits));
        EXPECT_EQ(settings.CanChangeTag(), t.assetTag.empty());
        if (!settings.CanChangeTag()) continue;

        EnterTag("NEW-7");
        settings.Apply();
        EXPECT_EQ(sim::ReadFile(original), t.bytes) << "the named table is only read";
        const path copy = state().string() + ".dmi";
        EXPECT_NE(sim::ReadFile(state()).find("dmi_table = \"" + copy.string() + "\""), std::string::npos) << sim::ReadFile(state());
        settings.Load();
        EXPECT_EQ(AssetTagRow(), Row(IDS_DMI_ASSET_TAG, "NEW-7"));
        EXPECT_EQ(Rows()[0], rows[0]) << "the rest of the table is as it was";
        EXPECT_FALSE(settings.CanChangeTag());
    }
}

TEST_F(IdentityFlow, ATableCutBeforeItsEnclosureKeepsTheTagUnknownAndLocked) {
    using namespace dmi::test;
    std::string table = Bios() + System("Maker", "Model", "Serial");
    while (table.size() < kDmiTableCapacity) table += Structure(0xDE, std::vector<std::uint8_t>(60, 0), {"OEM"});
    table += Enclosure("") + EndOfTable();
    sim::WriteFile(dir_ / "long.dmi", table);
    ASSERT_TRUE(OpenWithProxy("dmi_table = \"" + (dir_ / "long.dmi").string() + "\"\n"));
    settings.Load();
    EXPECT_EQ(AssetTagRow(), Row(IDS_DMI_ASSET_TAG, "#" + std::to_string(IDS_UNKNOWN)));
    EXPECT_FALSE(settings.CanChangeTag()) << "a tag the program could not see is never overwritten";
    EXPECT_EQ(LinesOf("DmiProxy"), std::vector<std::string>{"DmiProxy -> BYTES=2048"});
}

// After a read that could not see the enclosure, a whole read that finds no
// tag gives the entry back; a processor cut short after the base board ends
// the walk as a whole one.
TEST_F(IdentityFlow, AWholeReadWithoutATagUnlocksWhatACutReadLocked) {
    using namespace dmi::test;
    std::string cut = Bios() + System("Maker", "Model", "Serial");
    while (cut.size() < kDmiTableCapacity) cut += Structure(0xDE, std::vector<std::uint8_t>(60, 0), {"OEM"});
    sim::WriteFile(dir_ / "cut.dmi", cut);
    sim::WriteFile(dir_ / "whole.dmi", Bios() + System("Maker", "Model", "Serial") + Board() + Processor().substr(0, 6));
    const std::string unknown = Row(IDS_DMI_ASSET_TAG, "#" + std::to_string(IDS_UNKNOWN));
    const struct {
        const char* table;
        std::string assetTagRow;
        bool canChange;
    } reads[] = {{"cut.dmi", unknown, false}, {"whole.dmi", Row(IDS_DMI_ASSET_TAG, kNotAvailable), true},
                 {"cut.dmi", unknown, false}};
    for (const auto& read : reads) {
        ASSERT_TRUE(OpenWithProxy("dmi_table = \"" + (dir_ / read.table).string() + "\"\n"));
        settings.Load();
        EXPECT_EQ(AssetTagRow(), read.assetTagRow) << read.table;
        EXPECT_EQ(settings.CanChangeTag(), read.canChange) << read.table;
    }
}

TEST_F(IdentityFlow, AnUnreadableTableFailsTheRead) {
    ASSERT_TRUE(OpenWithProxy("dmi_table = \"" + (dir_ / "none.dmi").string() + "\"\n"));
    settings.Load();
    EXPECT_TRUE(settings.rows().empty());
    const std::vector<std::string> lines = LinesOf("DmiProxy");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("DmiProxy -> FAILED: the table ", 0), 0u) << lines[0];
}

TEST(AssetTagEntry, OkWithoutTypingCancelsAndTheTextsMustMatchExactly) {
    AssetTagEntry entry;
    EXPECT_EQ(JudgeEntry(entry, "", ""), EntryVerdict::Cancel);
    entry.newTagChanged = true;
    EXPECT_EQ(JudgeEntry(entry, "A1234", "a1234"), EntryVerdict::Mismatch);
    EXPECT_EQ(JudgeEntry(entry, "A1234", "A1234"), EntryVerdict::Accept);
    EXPECT_EQ(JudgeEntry(entry, "", ""), EntryVerdict::Accept) << "typed and erased: an empty tag";
    AssetTagEntry confirmedOnly;
    confirmedOnly.confirmationChanged = true;
    EXPECT_EQ(JudgeEntry(confirmedOnly, "X", ""), EntryVerdict::Mismatch);
}

}  // namespace
}  // namespace tlw
