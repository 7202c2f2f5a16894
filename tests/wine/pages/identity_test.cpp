// The identity and the asset tag write under Wine, on both builds: the DMI
// device, and the simulated notebook as the program selects it, reading real
// machines' tables through Windows paths and handing the BIOS the tag's real
// address in the 32-bit build.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/driver_selection.h"
#include "bios/bios_channel.h"
#include "dmi/dmi_proxy.h"
#include "pages/info/identity_settings.h"
#include "res/resource.h"
#include "tests/native/dmi/dmi_test_tables.h"
#include "tests/wine/harness.h"

namespace {

// A Unix path as Wine's drive Z: shows it.
std::string WindowsPath(const std::string& unix) {
    std::string path = "Z:" + unix;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

class IdentityUnderWine : public ::testing::Test {
protected:
    void TearDown() override {
        tlw::CloseBiosChannel();
        tlw::UseDmiProxy(nullptr);
    }
    void OpenNotebook(const std::string& state) {
        tlw::CloseBiosChannel();
        wt::WriteText(dir_.File("notebook.ini"), state);
        ::DeleteFileA(dir_.File("requests.log").c_str());
        std::string error;
        ASSERT_TRUE(tlw::OpenBiosChannelWith(
            OpenSimulatedNotebook(dir_.File("notebook.ini"), dir_.File("requests.log"), error)))
            << error;
    }
    std::vector<std::string> Log(const std::string& call) const {
        return wt::LinesOf(wt::ReadLines(dir_.File("requests.log")), call);
    }
    std::string Value(const tlw::dmi::IdentityRow& row) const {
        return row.valueId ? "#" + std::to_string(row.valueId) : row.text;
    }

    wt::TempDir dir_;
    tlw::IdentitySettings settings_;
};

TEST_F(IdentityUnderWine, WithoutTheDriverTheDeviceReadFails) {
    tlw::UseDmiProxy(tlw::DmiDevice());
    tlw::DmiTable table{};
    std::size_t count = 99;
    EXPECT_FALSE(tlw::ReadDmiTable(table, count));
    EXPECT_EQ(count, 0u);
}

TEST_F(IdentityUnderWine, ARealNotebooksTableShowsThatMachine) {
    TLW_SKIP_WITHOUT_REAL_TABLES();
    const auto tables = tlw::dmi::test::RealTables();
    ASSERT_FALSE(tables.empty());
    for (const auto& t : tables) {
        SCOPED_TRACE(t.name);
        OpenNotebook("dmi_table = " + WindowsPath(std::string(TALLOWIN_SMBIOS_TABLES) + "/" + t.name) + "\n");
        tlw::IdentitySettings settings;
        settings.Load();
        const auto& rows = settings.rows();
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(Value(rows[0]), t.manufacturer);
        EXPECT_EQ(Value(rows[1]), t.product);
        EXPECT_EQ(Value(rows[2]), t.serial);
        EXPECT_EQ(Value(rows[3]), t.uuidDigits);
        EXPECT_EQ(Value(rows[4]), t.assetTag.empty() ? "#" + std::to_string(IDS_NOT_AVAILABLE) : t.assetTag);
    }
}

TEST_F(IdentityUnderWine, ApplyHandsTheBiosBlanksThenTheTagAndTheRefillLocksIt) {
    OpenNotebook("");
    settings_.Load();
    ASSERT_TRUE(settings_.CanChangeTag());
    settings_.entry().newTag = "A1234";
    settings_.TagEntered();
    settings_.Apply();
    const auto writes = Log("SetAssetTag");
    ASSERT_EQ(writes.size(), 2u);
    std::string blanks;
    for (int i = 0; i < 31; ++i) blanks += "20";
    EXPECT_NE(writes[0].find("BUF=" + blanks + "00 ->"), std::string::npos) << writes[0];
    EXPECT_NE(writes[1].find("BUF=413132333400 ->"), std::string::npos) << writes[1];
    settings_.Load();
    EXPECT_EQ(Value(settings_.rows().back()), "A1234");
    EXPECT_FALSE(settings_.CanChangeTag());
}

TEST_F(IdentityUnderWine, AFailedReadShowsNoRowsAndLeavesTheButtonEnabled) {
    OpenNotebook("refuse = DmiProxy channel\n");
    settings_.Load();
    EXPECT_TRUE(settings_.rows().empty());
    EXPECT_TRUE(settings_.CanChangeTag());
    EXPECT_EQ(Log("DmiProxy").size(), 1u);
}

}  // namespace
