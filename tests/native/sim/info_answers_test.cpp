// The simulated notebook's configuration answers, read from its state file.
#include <gtest/gtest.h>

#include "bios/info_calls.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

TEST_F(SimulatedNotebook, IdeDevicesAnswerTheirTwoBytesPerDrive) {
    ASSERT_TRUE(Open("ide_type_80 = 01 40\nide_type_81 = 00 00\nide_type_82 = 0901\nide_type_83 = 01 00\n"));
    const std::uint8_t expected[4][2] = {{1, 0x40}, {0, 0}, {9, 1}, {1, 0}};
    for (std::uint8_t n = 0; n < 4; ++n) {
        std::uint8_t type = 0xEE, second = 0xEE;
        EXPECT_TRUE(GetIdeType(kFirstHardDisk + n, type, second)) << int{n};
        EXPECT_EQ(type, expected[n][0]) << int{n};
        EXPECT_EQ(second, expected[n][1]) << int{n};
    }
    std::uint8_t type = 0xEE, second = 0xEE;
    EXPECT_FALSE(GetIdeType(0x84, type, second)) << "no fifth IDE drive";
    EXPECT_FALSE(GetIdeType(0x00, type, second)) << "a floppy is not an IDE drive";
    EXPECT_EQ(type, 0xEE) << "a refused call writes no out-parameter";
}

TEST_F(SimulatedNotebook, IdeTypeKeysWantExactlyTwoHexBytes) {
    for (const char* text : {"ide_type_80 = 01\n", "ide_type_80 = 01 02 03\n", "ide_type_80 = 1 2\n",
                             "ide_type_82 = zz 00\n"}) {
        std::string error;
        EXPECT_FALSE(Open(text, &error)) << text;
        EXPECT_NE(error.find("ide_type_8"), std::string::npos) << error;
    }
}

TEST_F(SimulatedNotebook, IdeQueriesCanBeRefused) {
    ASSERT_TRUE(Open("refuse = GetIdeType status\n"));
    std::uint8_t type = 0, second = 0;
    EXPECT_FALSE(GetIdeType(kFirstHardDisk, type, second));
    CloseBiosChannel();
    // AH alone does not fail a call the status decides.
    ASSERT_TRUE(Open("refuse = GetIdeType ah=86\n"));
    EXPECT_TRUE(GetIdeType(kFirstHardDisk, type, second));
    CloseBiosChannel();
    ASSERT_TRUE(Open("refuse = GetIdeType channel\n"));
    EXPECT_FALSE(GetIdeType(kFirstHardDisk, type, second));
}

}  // namespace
}  // namespace tlw::sim
