// The system-information calls' register values and decoding.
#include "bios/info_calls.h"

#include <gtest/gtest.h>

#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

TEST(InfoCalls, IdeTypeSendsTheDriveInEdxAndReadsAlAndAh) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.eax = 0x12340901;  // AH = 0x09, AL = 0x01; the high word is not the call's
    channel.AnswerWith(answer);
    std::uint8_t type = 0, second = 0;
    EXPECT_TRUE(GetIdeType(0x82, type, second));
    EXPECT_EQ(channel.last().eax, 0x9610u);
    EXPECT_EQ(channel.last().ebx, 0x000Au);
    EXPECT_EQ(channel.last().edx, 0x82u);
    EXPECT_EQ(channel.sent.back().call, "GetIdeType");
    EXPECT_EQ(type, 0x01);
    EXPECT_EQ(second, 0x09);

    answer.status = kBiosRefused;
    channel.AnswerWith(answer);
    type = second = 0x55;
    EXPECT_FALSE(GetIdeType(0x80, type, second));
    EXPECT_EQ(type, 0x55);
    EXPECT_EQ(second, 0x55);
}

}  // namespace
}  // namespace tlw
