// The display calls' register values and decoding.
#include "bios/display_calls.h"

#include <gtest/gtest.h>

#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

struct Expected {
    const char* call;
    std::uint32_t ebx, ecx;
};

TEST(DisplayCalls, SendTheirRegisterValues) {
    test::ScriptedChannel channel;
    std::uint8_t a = 0, b = 0, c = 0, d = 0;
    GetBrightnessContrastRange(a, b, c, d);
    GetBootDisplay(a);
    SetBootDisplay(3);
    GetDisplayDevice(a);
    SetDisplayDevice(2);
    CheckMonitorConnected();
    GetPanelType(a);
    GetDisplayBrightness(a);
    SetDisplayBrightness(12);
    GetDisplayContrast(a);
    SetDisplayContrast(0xF0);

    const Expected expected[] = {
        {"GetBrightnessContrastRange", 0x0008, 0}, {"GetBootDisplay", 0x000A, 0},
        {"SetBootDisplay", 0x010A, 3},             {"GetDisplayDevice", 0x000B, 0},
        {"SetDisplayDevice", 0x010B, 2},           {"CheckMonitorConnected", 0x000C, 0},
        {"GetPanelType", 0x000D, 0},               {"GetDisplayBrightness", 0x0007, 0},
        {"SetDisplayBrightness", 0x0107, 12},      {"GetDisplayContrast", 0x0006, 0},
        {"SetDisplayContrast", 0x0106, 0xF0},
    };
    ASSERT_EQ(channel.sent.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].call);
        EXPECT_EQ(channel.sent[i].call, expected[i].call);
        EXPECT_EQ(channel.sent[i].frame.eax, 0x9612u);
        EXPECT_EQ(channel.sent[i].frame.ebx, expected[i].ebx);
        EXPECT_EQ(channel.sent[i].frame.ecx, expected[i].ecx);
    }
}

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
