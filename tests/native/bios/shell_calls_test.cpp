// The shell-side calls' decoding.
#include "bios/shell_calls.h"

#include <gtest/gtest.h>

#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

TEST(ShellCalls, PlatformCheckDeliversAhEvenWhenRefused) {
    test::ScriptedChannel channel;
    RegisterFrame refused;
    refused.status = kBiosRefused;
    refused.eax = 0x8600;
    refused.ebx = 0x0108;
    channel.AnswerWith(refused);
    std::uint8_t ah = 0;
    std::uint16_t revision = 0xBEEF;
    EXPECT_FALSE(ZEFACheck(ah, revision));
    EXPECT_EQ(ah, 0x86);
    EXPECT_EQ(revision, 0xBEEF);

    std::uint8_t checksumAh = 0;
    EXPECT_FALSE(CMOSChecksum(checksumAh, 1));
    EXPECT_EQ(checksumAh, 0x86);

    RegisterFrame accepted;
    accepted.eax = 0x0000;
    accepted.ebx = 0xFFFF0201;
    channel.AnswerWith(accepted);
    EXPECT_TRUE(ZEFACheck(ah, revision));
    EXPECT_EQ(revision, 0x0201);
}

TEST(ShellCalls, PasswordQueriesFollowAhWhateverTheStatus) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.status = kBiosRefused;
    answer.eax = 0x0000;
    channel.AnswerWith(answer);
    std::uint8_t ah = 0xFF;
    EXPECT_TRUE(AskSetupPasswd(ah)) << "AH 0 means a setup password is set";
    EXPECT_EQ(ah, 0);

    answer.status = 0;
    answer.eax = 0x0200;
    channel.AnswerWith(answer);
    const std::uint8_t codes[1] = {0x10};
    EXPECT_FALSE(SetChkSetupPasswd(ah, 3, codes, 1));
    EXPECT_EQ(ah, 2);
    EXPECT_FALSE(AskSetupPasswd(ah));
    EXPECT_EQ(ah, 2);
}

TEST(ShellCalls, StatusRuleCallsFailOnRefusal) {
    test::ScriptedChannel channel;
    RegisterFrame refused;
    refused.status = kBiosRefused;
    channel.AnswerWith(refused);
    EXPECT_FALSE(SetHotkeyButton(1));
    EXPECT_FALSE(LoadSetupDefault());
    EXPECT_FALSE(SetPowerButtonAction(0, 1));
}

}  // namespace
}  // namespace tlw
