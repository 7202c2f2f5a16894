// The information rows before the identity rows, worded from the simulated
// notebook's answers and machine facts.
#include "pages/info/info_probes.h"

#include <gtest/gtest.h>

#include <memory>

#include "sim/simulated_machine_facts.h"
#include "tests/native/pages/info_texts.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

std::vector<std::string> Shown(const InfoRows& rows) {
    std::vector<std::string> shown;
    for (const InfoRow& row : rows) shown.push_back(row.label + "|" + row.value);
    return shown;
}

class InfoRowsTest : public SimulatedNotebook {
protected:
    void TearDown() override {
        UseMachineFacts(nullptr);
        SimulatedNotebook::TearDown();
    }
    // The rows of the notebook whose state file holds `text` (a fresh one when null).
    std::vector<std::string> RowsOf(const char* text, bool windows2000 = false) {
        CloseBiosChannel();
        EXPECT_TRUE(Open(text)) << (text ? text : "");
        UseMachineFacts(std::make_unique<SimulatedMachineFacts>(state().string()));
        return Shown(MachineRows(texts_, MachineFactsInUse(), windows2000));
    }
    // The value of the first row labelled `label`; "<no row>" when there is none.
    std::string ValueOf(const std::vector<std::string>& rows, const std::string& label) {
        for (const std::string& row : rows) {
            if (row.compare(0, label.size() + 1, label + "|") == 0) return row.substr(label.size() + 1);
        }
        return "<no row>";
    }

    test::InfoTexts texts_;
};

TEST_F(InfoRowsTest, AFreshNotebookShowsEveryRowInOrder) {
    const std::vector<std::string> expected = {
        "CPU|Intel",
        "|Pentium III",
        "|700 MHz",
        "Total Memory|128 MB",
        "Video RAM|8.0 MB",
        "Hard Disk|20004 MB",  // 38760 x 16 x 63 x 512 bytes
        "Serial Port 1|3f8h (IRQ 4) ",
        "|Operation Mode: Standard",
        "Parallel Port|378h (IRQ 7) ",
        "|Operation Mode: ECP (DMA 3 )",
        "Internal Cache|Cache ON (32 KB)",
        "External Cache|Cache ON (256 KB)",
        "TouchPad|Enabled",
    };
    EXPECT_EQ(RowsOf(nullptr), expected);
}

TEST_F(InfoRowsTest, ABiosThatRefusesEverythingShowsUnknownsAndLeavesRowsOut) {
    std::string text;
    for (const char* call : {"ZEFACheck", "GetCpuInfo", "GetSystemRam", "GetVideoRam", "GetIdeType", "GetSerialPort",
                             "GetParellelPort", "GetInternalCacheStatus", "GetExtCacheStatus", "GetTouchPad"}) {
        text += std::string("refuse = ") + call + " status\n";
    }
    const std::vector<std::string> expected = {
        "CPU|Unknown Brand",         "|Unknown Type",          "|Unknown Speed",
        "Total Memory|Unknown",      "Video RAM|0.0 MB",       "Serial Port 1|Unknown",
        "Parallel Port|Unknown",     "Internal Cache|Unknown", "External Cache|Unknown",
    };
    EXPECT_EQ(RowsOf(text.c_str()), expected);
}

TEST_F(InfoRowsTest, AFailedProcessorQueryShowsTheTablesUnknowns) {
    const std::vector<std::string> rows = RowsOf("cpu = 0 10 0xff 0xff 700\nrefuse = GetCpuInfo channel\n");
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0], "CPU|Unknown Brand");
    EXPECT_EQ(rows[1], "|Unknown Type");
    EXPECT_EQ(rows[2], "|Unknown Speed");
    EXPECT_EQ(RowsOf("cpu = 2 7 0xff 0xff 450\n")[2], "|450 MHz");
}

TEST_F(InfoRowsTest, MemoryComesFromTheFactsUnderAnEarlyRevision) {
    EXPECT_EQ(ValueOf(RowsOf("revision = 0x0107\nphysical_memory = 536870912\n"), "Total Memory"), "512 MB");
    EXPECT_EQ(ValueOf(RowsOf("revision = 0x0107\nphysical_memory = 2148532224\n"), "Total Memory"), "3 GB");
    EXPECT_EQ(ValueOf(RowsOf("revision = 0x0107\nphysical_memory = 1610612736\n"), "Total Memory"), "1536 MB");
    // A KB figure is not shown, nor a fact the system cannot give.
    EXPECT_EQ(ValueOf(RowsOf("revision = 0x0107\nphysical_memory = 1048576\n"), "Total Memory"), "Unknown");
    EXPECT_EQ(ValueOf(RowsOf("revision = 0x0107\n"), "Total Memory"), "Unknown");
    // A later revision asks the BIOS and never the facts.
    EXPECT_EQ(ValueOf(RowsOf("revision = 0x0200\nsystem_ram_mb = 384\n"), "Total Memory"), "384 MB");
}

TEST_F(InfoRowsTest, VideoMemoryReadsInTenthsOfAMegabyte) {
    EXPECT_EQ(ValueOf(RowsOf("video_ram_kb = 2560\n"), "Video RAM"), "2.5 MB");
    EXPECT_EQ(ValueOf(RowsOf("video_ram_kb = 0\n"), "Video RAM"), "0.0 MB");
    EXPECT_EQ(ValueOf(RowsOf("video_ram_kb = 4194240\n"), "Video RAM"), "4095.9 MB");
}

TEST_F(InfoRowsTest, HardDiskSizesAreDecimalMegabytesRoundedHalfUp) {
    struct Case {
        const char* geometry;
        const char* shown;
    } const cases[] = {
        {"1 1 1 1499999", "1 MB"},
        {"1 1 1 1500000", "2 MB"},
        {"20 1 1 1000000000", "20000 MB"},
        {"0 16 63 512", "0 MB"},
        {"-1 16 63 512", "<no row>"},
        // 2^63 - 1 cylinders would wrap the product: not believed.
        {"9223372036854775807 255 63 512", "<no row>"},
        // Fits 64 bits, yet its megabytes do not fit the row's number.
        {"4294967295 4294967295 1 1", "<no row>"},
        {"", "<no row>"},
    };
    for (const Case& c : cases) {
        const std::string text = std::string("hard_disk_geometry = ") + c.geometry + "\n";
        EXPECT_EQ(ValueOf(RowsOf(text.c_str()), "Hard Disk"), c.shown) << c.geometry;
    }
    // Drive 1's geometry is not drive 0's.
    EXPECT_EQ(ValueOf(RowsOf("hard_disk_geometry = \nhard_disk_geometry_1 = 1 1 1 1500000\n"), "Hard Disk"),
              "<no row>");
}

TEST_F(InfoRowsTest, DriveKindsByTypeCode) {
    EXPECT_EQ(ValueOf(RowsOf("ide_type_80 = 01 00\n"), "Hard Disk"), "<no row>");
    EXPECT_EQ(ValueOf(RowsOf("ide_type_80 = 09 00\n"), "DVD & CD-RW "), "Detected");
    EXPECT_EQ(ValueOf(RowsOf("ide_type_80 = 02 01\n"), "CD-ROM"), "Detected");
    EXPECT_EQ(ValueOf(RowsOf("ide_type_80 = 07 00\n"), "HiFD"), "Detected");
    for (const char* none : {"ide_type_80 = 00 00\n", "ide_type_80 = 0A 00\n", "ide_type_80 = FF 01\n"}) {
        const std::vector<std::string> rows = RowsOf(none);
        EXPECT_EQ(rows.size(), 12u) << none << ": every row but the drive's";
        EXPECT_EQ(rows[5].rfind("Serial Port 1|", 0), 0u) << none;
    }
}

TEST_F(InfoRowsTest, PortStatesAndModes) {
    EXPECT_EQ(ValueOf(RowsOf("serial_port = 3 0x3f8 4 0\n"), "Serial Port 1"), "None");
    EXPECT_EQ(ValueOf(RowsOf("serial_port = 2 0x3f8 4 0\n"), "Serial Port 1"), "Disabled");
    std::vector<std::string> rows = RowsOf("serial_port = 0 0x2F8 3 3\nparallel_port = 0 0x3bc 5 6 0\n");
    EXPECT_EQ(ValueOf(rows, "Serial Port 1"), "2f8h (IRQ 3) ");
    EXPECT_EQ(rows[6], "|Operation Mode: Undefined");
    EXPECT_EQ(ValueOf(rows, "Parallel Port"), "3bch (IRQ 5) ");
    EXPECT_EQ(rows[8], "|Operation Mode: Undefined");
    rows = RowsOf("serial_port = 0 0x3e8 10 2\nparallel_port = 0 0x278 5 5 0\n");
    EXPECT_EQ(rows[6], "|Operation Mode: ASK_IR");
    EXPECT_EQ(rows[8], "|Operation Mode: External FDD as B");
    // No mode row under a port that is absent or off.
    rows = RowsOf("parallel_port = 2 0x378 7 3 3\n");
    EXPECT_EQ(rows[7], "Parallel Port|Disabled");
    EXPECT_EQ(rows[8].rfind("Internal Cache|", 0), 0u) << "no mode row under a port that is off";
}

TEST_F(InfoRowsTest, EarlyParallelRevisionsGiveTheChannelApart) {
    // Both encodings reach the same row.
    for (const char* revision : {"revision = 0x0104\n", "revision = 0x0105\n"}) {
        const std::string text = std::string(revision) + "parallel_port = 0 0x378 7 3 2\n";
        EXPECT_EQ(RowsOf(text.c_str())[8], "|Operation Mode: ECP (DMA 2 )") << revision;
    }
}

TEST_F(InfoRowsTest, UnderWindows2000ThePortsComeFromTheDeviceManager) {
    std::vector<std::string> rows = RowsOf(nullptr, true);
    EXPECT_EQ(ValueOf(rows, "Serial Port"), "Enabled");
    EXPECT_EQ(ValueOf(rows, "Parallel Port"), "Enabled");
    EXPECT_EQ(ValueOf(rows, "Serial Port 1"), "<no row>");
    EXPECT_EQ(rows.size(), 11u) << "no mode rows";

    rows = RowsOf("port_devices = PCI\\VEN_8086\\3:0 ACPI\\PNP0501\\1:22\n", true);
    EXPECT_EQ(ValueOf(rows, "Serial Port"), "Disabled");
    EXPECT_EQ(ValueOf(rows, "Parallel Port"), "<no row>");
    rows = RowsOf("port_devices = ACPI\\PNP0400\\0:0\nrefuse = GetParellelPort status\n", true);
    EXPECT_EQ(ValueOf(rows, "Serial Port"), "<no row>");
    EXPECT_EQ(ValueOf(rows, "Parallel Port"), "Enabled") << "the BIOS is not asked";
    // Without facts to ask, neither row.
    CloseBiosChannel();
    ASSERT_TRUE(Open(nullptr));
    rows = Shown(MachineRows(texts_, nullptr, true));
    EXPECT_EQ(ValueOf(rows, "Serial Port"), "<no row>");
    EXPECT_EQ(ValueOf(rows, "Parallel Port"), "<no row>");
}

TEST_F(InfoRowsTest, CacheSizesFollowTheirBase) {
    std::vector<std::string> rows = RowsOf("internal_cache = 0 6\nexternal_cache = 2 6\n");
    EXPECT_EQ(ValueOf(rows, "Internal Cache"), "Cache ON (512 KB)");
    EXPECT_EQ(ValueOf(rows, "External Cache"), "Cache OFF (1024 KB)");
    rows = RowsOf("internal_cache = 0 7\nexternal_cache = 0 7\n");
    EXPECT_EQ(ValueOf(rows, "Internal Cache"), "Cache ON (1 MB)");
    EXPECT_EQ(ValueOf(rows, "External Cache"), "Cache ON (2 MB)");
    rows = RowsOf("internal_cache = 1 3\nexternal_cache = 3 0\n");
    EXPECT_EQ(ValueOf(rows, "Internal Cache"), "None");
    EXPECT_EQ(ValueOf(rows, "External Cache"), "None");
    rows = RowsOf("internal_cache = 0 30\nexternal_cache = 0 255\n");
    EXPECT_EQ(ValueOf(rows, "Internal Cache"), "Cache ON (8192 GB)");
    EXPECT_EQ(ValueOf(rows, "External Cache"), "Cache ON Unknown");
}

// Codes 0-9 as the BIOS vendor lists them; past them the figure must never
// wrap: once the MB figure passes 16 bits the size moves to GB, then to unknown.
TEST(InfoCacheSizes, LargeCodesMoveUpAUnitInsteadOfWrapping) {
    const char* const units[] = {"KB", "MB", "GB", "?"};
    const auto text = [&](std::uint8_t code, unsigned base) {
        const CacheSize s = ScaleCacheSize(code, base);
        return s.unit == CacheSize::kUnknown ? std::string("?") : std::to_string(s.figure) + " " + units[s.unit];
    };
    const char* const internal[] = {"8 KB",   "16 KB", "32 KB", "64 KB", "128 KB",
                                    "256 KB", "512 KB", "1 MB", "2 MB",  "4 MB"};
    const char* const external[] = {"16 KB",  "32 KB",   "64 KB", "128 KB", "256 KB",
                                    "512 KB", "1024 KB", "2 MB",  "4 MB",   "8 MB"};
    for (std::uint8_t code = 0; code < 10; ++code) {
        EXPECT_EQ(text(code, 3), internal[code]);
        EXPECT_EQ(text(code, 4), external[code]);
    }
    EXPECT_EQ(text(22, 3), "32768 MB");
    EXPECT_EQ(text(23, 3), "64 GB") << "65536 MB would not fit 16 bits";
    EXPECT_EQ(text(16, 4), "1024 MB");
    EXPECT_EQ(text(32, 3), "32768 GB");
    EXPECT_EQ(text(33, 3), "?");
    EXPECT_EQ(text(255, 4), "?");
}

TEST_F(InfoRowsTest, TouchPadShowsOnlyItsTwoStates) {
    EXPECT_EQ(ValueOf(RowsOf("touch_pad = 0\n"), "TouchPad"), "Disabled");
    EXPECT_EQ(ValueOf(RowsOf("touch_pad = 2\n"), "TouchPad"), "<no row>");
    EXPECT_EQ(ValueOf(RowsOf("refuse = GetTouchPad status\n"), "TouchPad"), "<no row>");
}

}  // namespace
}  // namespace tlw::sim
