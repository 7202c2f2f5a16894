// The display calls' decoding.
#include "bios/display_calls.h"

#include <gtest/gtest.h>

#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

TEST(DisplayCalls, RangesComeWithTheMaximumInTheHighByte) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.ecx = 0xABCD0F00;  // only CH and CL carry the contrast range
    answer.edx = 0x12341402;
    channel.AnswerWith(answer);
    std::uint8_t contrastMax = 0, contrastMin = 0xFF, brightnessMax = 0, brightnessMin = 0;
    ASSERT_TRUE(GetBrightnessContrastRange(contrastMax, contrastMin, brightnessMax, brightnessMin));
    EXPECT_EQ(contrastMin, 0);
    EXPECT_EQ(contrastMax, 15);
    EXPECT_EQ(brightnessMin, 2);
    EXPECT_EQ(brightnessMax, 20);
}

TEST(DisplayCalls, ReadsTakeTheirLowByteAndThePanelTypeComesInAl) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.eax = 0x00000301;  // AH 3 is no part of the panel type
    answer.ecx = 0x00000207;
    channel.AnswerWith(answer);
    std::uint8_t type = 0, level = 0;
    ASSERT_TRUE(GetPanelType(type));
    EXPECT_EQ(type, 1);
    ASSERT_TRUE(GetDisplayBrightness(level));
    EXPECT_EQ(level, 7);
}

TEST(DisplayCalls, ARefusalFailsTheCallAndLeavesEveryOutputAlone) {
    test::ScriptedChannel channel;
    RegisterFrame refused;
    refused.status = kBiosRefused;
    refused.eax = 0x00000001;
    refused.ecx = 0x00000F00;
    refused.edx = 0x00001402;
    channel.AnswerWith(refused);
    EXPECT_FALSE(CheckMonitorConnected()) << "a refused check means no monitor, whatever the registers hold";
    std::uint8_t a = 0xAA, b = 0xBB, c = 0xCC, d = 0xDD;
    EXPECT_FALSE(GetBrightnessContrastRange(a, b, c, d));
    EXPECT_EQ(a, 0xAA);
    EXPECT_EQ(b, 0xBB);
    EXPECT_EQ(c, 0xCC);
    EXPECT_EQ(d, 0xDD);
    EXPECT_FALSE(GetPanelType(a));
    EXPECT_EQ(a, 0xAA);
    EXPECT_FALSE(SetDisplayContrast(3));

    channel.driver().fail = true;
    EXPECT_FALSE(GetDisplayDevice(b));
    EXPECT_EQ(b, 0xBB);
}

}  // namespace
}  // namespace tlw
