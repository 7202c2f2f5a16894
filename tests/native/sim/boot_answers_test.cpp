// The simulated notebook's boot and POST answers and their state-file keys.
#include <gtest/gtest.h>

#include "bios/boot_calls.h"
#include "bios/shell_calls.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

BootList Read() {
    BootList list;
    list.fill(0xAA);
    EXPECT_TRUE(GetBootSeq(list));
    return list;
}

TEST_F(SimulatedNotebook, BootSettingsAreKeptInTheStateFileAndDefaultsRestoreThem) {
    ASSERT_TRUE(Open("boot_options = 0x05\nfan_always_on = on\nboot_sequence = 08 02\nhdd_boot = 2\n"));
    const BootList list = Read();
    EXPECT_EQ(list[0], 8);
    EXPECT_EQ(list[1], 2);
    for (std::size_t i = 2; i < kBootListSize; ++i) EXPECT_EQ(list[i], kBootListEnd) << "the whole rest reads 0xFF";
    std::uint8_t on = 0, hdd = 0;
    EXPECT_TRUE(GetFanStatus(on));
    EXPECT_EQ(on, 1);
    EXPECT_TRUE(GetHddBootSeq(hdd));
    EXPECT_EQ(hdd, 2);

    BootList sixteen;
    for (std::size_t i = 0; i < kBootListSize; ++i) sixteen[i] = static_cast<std::uint8_t>(0x10 + i);
    EXPECT_TRUE(SetBootSeq(sixteen));
    EXPECT_EQ(Read(), sixteen) << "sixteen codes, no end marker";
    EXPECT_TRUE(EnableFan(false));
    EXPECT_TRUE(SetHddBootSeq(0));
    EXPECT_TRUE(EnableFastPOST(false));
    const std::string saved = ReadFile(state());
    EXPECT_NE(saved.find("boot_sequence = 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F"), std::string::npos)
        << saved;
    EXPECT_NE(saved.find("fan_always_on = off"), std::string::npos);
    EXPECT_NE(saved.find("hdd_boot = 0"), std::string::npos);
    EXPECT_NE(saved.find("boot_options = 0x01"), std::string::npos);

    // A list ends at its first 0xFF; what follows is not kept.
    BootList shorter = sixteen;
    shorter[2] = kBootListEnd;
    EXPECT_TRUE(SetBootSeq(shorter));
    EXPECT_NE(ReadFile(state()).find("boot_sequence = 10 11\n"), std::string::npos);

    EXPECT_TRUE(LoadSetupDefault());
    EXPECT_EQ(notebook().boot.settings.sequence, (std::vector<std::uint8_t>{0, 1, 2, 8}));
    EXPECT_EQ(notebook().boot.settings.options, 0);
    EXPECT_FALSE(notebook().boot.settings.fanAlwaysOn);
}

TEST_F(SimulatedNotebook, BootKeysRefuseWhatTheyCannotHold) {
    for (const char* text : {"boot_sequence = 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10\n",
                             "boot_options = 0x100\n", "fan_always_on = maybe\n", "hdd_boot = 256\n"}) {
        std::string error;
        EXPECT_FALSE(Open(text, &error)) << text;
        EXPECT_FALSE(error.empty());
    }
}

TEST_F(SimulatedNotebook, BootCallsCanBeRefusedOneByOne) {
    ASSERT_TRUE(Open("refuse = EnableSimpleBoot status\nrefuse = GetFanStatus channel\nrefuse = SetBootSeq status\n"));
    std::uint8_t on = 0;
    EXPECT_FALSE(EnableSimpleBoot(true));
    EXPECT_FALSE(GetFanStatus(on));
    EXPECT_TRUE(GetSimpleBoot(on)) << "the same function under another name";
    EXPECT_EQ(on, 0);
    EXPECT_FALSE(SetHddBootSeq(2)) << "the hard disk byte goes under the list's name";
    EXPECT_TRUE(EnableFan(true));
    EXPECT_EQ(notebook().boot.settings.hddBoot, 0);
    const auto lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].rfind("EnableSimpleBoot EAX=00009610 EBX=0000002A ", 0), 0u) << "refused at the read";
    EXPECT_EQ(lines[1].rfind("GetFanStatus ", 0), 0u) << lines[1];
}

}  // namespace
}  // namespace tlw::sim
