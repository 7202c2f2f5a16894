// The processor's vendor, type and speed texts from the BIOS's codes.
#include "pages/info/cpu_names.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/native/pages/info_texts.h"

namespace tlw {
namespace {

struct Named {
    std::uint8_t vendorCode, typeCode;
    const char* vendor;
    const char* type;
};

TEST(InfoCpuNames, VendorsChooseTheirTypeTable) {
    const test::InfoTexts texts;
    const Named cases[] = {
        {0, 10, "Intel", "Pentium III"}, {0, 9, "Intel", "Unknown Type"},  {0, 8, "Intel", "Celeron"},
        {0, 2, "Intel", "Pentium"},      {0, 11, "Intel", "Unknown Type"}, {1, 5, "Cyrix", "6x86MX"},
        {1, 2, "Cyrix", "Unknown Type"}, {1, 6, "Cyrix", "Unknown Type"},  {2, 8, "AMD", "K6-2(8~F)"},
        {2, 4, "AMD", "Unknown Type"},   {2, 3, "AMD", "K5"},              {3, 0, "IBM", "Unknown Type"},
        {3, 10, "IBM", "Unknown Type"},  {6, 1, "SGS", "Unknown Type"},    {7, 10, "Unknown Brand", "Unknown Type"},
        {0xFF, 0, "Unknown Brand", "Unknown Type"},
    };
    for (const Named& c : cases) {
        std::string vendor = "stale", type = "stale";
        GetCpuVendor(texts, c.vendorCode, vendor, c.typeCode, type);
        EXPECT_EQ(vendor, c.vendor) << int{c.vendorCode} << "/" << int{c.typeCode};
        EXPECT_EQ(type, c.type) << int{c.vendorCode} << "/" << int{c.typeCode};
    }
}

TEST(InfoCpuNames, TypeTablesShareOnlyTheirFirstTwoRows) {
    const test::InfoTexts texts;
    for (std::uint8_t code : {0, 1}) {
        EXPECT_EQ(GetIntelType(texts, code), GetCyrixType(texts, code));
        EXPECT_EQ(GetIntelType(texts, code), GetAmdType(texts, code));
    }
    EXPECT_EQ(GetCyrixType(texts, 3), "6x86");
    EXPECT_EQ(GetAmdType(texts, 3), "K5");
    EXPECT_EQ(GetIntelType(texts, 4), "Pentium(ODP/MMX)");
    EXPECT_EQ(GetAmdType(texts, 255), "Unknown Type");
}

struct Speed {
    std::uint8_t bus, multiplier;
    std::uint16_t reported;
    const char* text;
};

TEST(InfoCpuNames, SpeedsComeReportedMultipliedOrFromTheTable) {
    const test::InfoTexts texts;
    const Speed cases[] = {
        // Reported by the BIOS itself, whatever its size.
        {0xFF, 0xFF, 700, "700 MHz"},
        {0xFF, 0xFF, 65535, "65535 MHz"},
        {0xFF, 3, 700, "Unknown Speed"},
        {3, 0xFF, 700, "Unknown Speed"},
        // The four slowest buses multiplied, truncated.
        {2, 3, 0, "82 MHz"},   // 33.0 x 2.5
        {1, 23, 0, "43 MHz"},  // 25.0 x 1.75
        {3, 22, 0, "480 MHz"},
        {0, 0, 0, "20 MHz"},
        // Table entries: the 66 and 133 columns and the odd order of 100, 95, 90.
        {6, 3, 0, "166 MHz"},
        {6, 2, 0, "133 MHz"},
        {12, 2, 0, "266 MHz"},
        {12, 21, 0, "1533 MHz"},
        {9, 12, 0, "700 MHz"},
        {10, 12, 0, "665 MHz"},
        {11, 12, 0, "630 MHz"},
        {9, 23, 0, "175 MHz"},
        {11, 23, 0, "158 MHz"},
        {13, 22, 0, "2400 MHz"},
        {4, 0, 0, "50 MHz"},
        // Past the tables.
        {14, 0, 0, "Unknown Speed"},
        {4, 24, 0, "Unknown Speed"},
        {0xFE, 0xFF, 700, "Unknown Speed"},
    };
    for (const Speed& c : cases) {
        EXPECT_EQ(FormatCpuSpeed(texts, c.bus, c.multiplier, c.reported), c.text)
            << "bus " << int{c.bus} << " multiplier " << int{c.multiplier};
    }
}

// Every entry of the speed table, exactly, against a copy of the table typed
// as data (tests/native/pages/cpu_speeds.txt): its rounding is uneven, so a
// one-digit slip anywhere shows here.
TEST(InfoCpuNames, EveryTableSpeedIsTheTypedTablesEntry) {
    const test::InfoTexts texts;
    std::ifstream table(TALLOWIN_SOURCE_DIR "/tests/native/pages/cpu_speeds.txt");
    ASSERT_TRUE(table.is_open());
    std::string line;
    int rows = 0;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream cells(line);
        int multiplier = -1;
        cells >> multiplier;
        ASSERT_EQ(multiplier, rows) << "rows in multiplier code order";
        for (int bus = 4; bus <= kCpuLastBusCode; ++bus) {
            int mhz = 0;
            ASSERT_TRUE(cells >> mhz) << line;
            EXPECT_EQ(FormatCpuSpeed(texts, static_cast<std::uint8_t>(bus), static_cast<std::uint8_t>(multiplier), 0),
                      std::to_string(mhz) + " MHz")
                << "bus " << bus << " multiplier " << multiplier;
        }
        ++rows;
    }
    EXPECT_EQ(rows, kCpuLastMultiplierCode + 1);
}

}  // namespace
}  // namespace tlw
