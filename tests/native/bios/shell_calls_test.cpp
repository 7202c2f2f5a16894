// The shell-side calls' register values, argument order and decoding.
#include "bios/shell_calls.h"

#include <gtest/gtest.h>

#include "bios/buffer_lease.h"
#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

struct Expected {
    const char* call;
    std::uint32_t eax, ebx, ecx;
};

TEST(ShellCalls, SendTheirRegisterValues) {
    test::ScriptedChannel channel;
    std::uint8_t ah = 0;
    std::uint16_t revision = 0;
    const std::uint8_t codes[3] = {0x1E, 0x30, 0x2E};
    ZEFACheck(ah, revision);
    SetHotkeyButton(1);
    SetHotkeyButton(0);
    CMOSChecksum(ah, 1);
    LoadSetupDefault();
    SetChkSetupPasswd(ah, 3, codes, 3);
    SetChkSetupPasswd(ah, 2, codes, 2);
    AskSetupPasswd(ah);
    SetPowerButtonAction(2, 3);
    SetPowerButtonAction(0, 0);
    SetPowerButtonAction(1, 0x83);

    const Expected expected[] = {
        {"ZEFACheck", 0x9610, 0x0000, 0},
        {"SetHotkeyButton", 0x9612, 0x0105, 0},
        {"SetHotkeyButton", 0x9612, 0x0005, 0},
        {"CMOSChecksum", 0x9610, 0x0112, 0},
        {"LoadSetupDefault", 0x9610, 0x0014, 0},
        {"SetChkSetupPasswd", 0x9610, 0x0308, 3},
        {"SetChkSetupPasswd", 0x9610, 0x0208, 2},
        {"AskSetupPasswd", 0x9610, 0x0108, 0},
        {"SetPowerButtonAction", 0x9612, 0x0127, 0x0203},
        {"SetPowerButtonAction", 0x9612, 0x0127, 0x0000},
        {"SetPowerButtonAction", 0x9612, 0x0127, 0x0183},
    };
    ASSERT_EQ(channel.sent.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].call);
        EXPECT_EQ(channel.sent[i].call, expected[i].call);
        EXPECT_EQ(channel.sent[i].frame.eax, expected[i].eax);
        EXPECT_EQ(channel.sent[i].frame.ebx, expected[i].ebx);
        EXPECT_EQ(channel.sent[i].frame.ecx, expected[i].ecx);
    }
}

TEST(ShellCalls, PasswordCheckLendsTheCodesForTheRequest) {
    test::ScriptedChannel channel;
    const std::uint8_t codes[9] = {0x1E, 0x30, 0x2E, 0x20, 0x12};
    std::vector<std::uint8_t> seen;
    channel.driver().answer = [&](const RegisterFrame& in) {
        const std::uint8_t* memory = LentMemory(in.esi, in.ecx);
        if (memory) seen.assign(memory, memory + in.ecx);
        RegisterFrame out = in;
        out.eax &= 0xFFFF00FF;
        return out;
    };
    std::uint8_t ah = 0xFF;
    EXPECT_TRUE(SetChkSetupPasswd(ah, 3, codes, 5));
    EXPECT_EQ(seen, std::vector<std::uint8_t>(codes, codes + 5));
    EXPECT_EQ(ah, 0);
    EXPECT_EQ(LentMemory(channel.last().esi, 1), nullptr) << "lease outlived the request";
}

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
