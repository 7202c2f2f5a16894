// The password calls' lent codes and their two kinds of AH delivery.
#include "bios/password_calls.h"

#include <gtest/gtest.h>

#include "bios/buffer_lease.h"
#include "bios/shell_calls.h"
#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

RegisterFrame Answer(std::uint32_t status, std::uint8_t ah) {
    RegisterFrame out;
    out.status = status;
    out.eax = std::uint32_t{ah} << 8;
    return out;
}

TEST(PasswordCalls, BothPasswordsLendTheirCodesForTheRequestOnly) {
    using Call = bool (*)(std::uint8_t&, std::uint8_t, const std::uint8_t*, std::uint16_t);
    const struct {
        Call call;
        std::uint8_t operation;  // a check, a new password
    } cases[] = {{SetChkSetupPasswd, 3}, {SetChkPowerOnPasswd, 2}};
    for (const auto& c : cases) {
        test::ScriptedChannel channel;
        const std::uint8_t codes[9] = {0x1E, 0x30, 0x02, 0x03, 0x04};
        std::vector<std::uint8_t> seen;
        channel.driver().answer = [&](const RegisterFrame& in) {
            if (const std::uint8_t* memory = LentMemory(in.esi, in.ecx)) seen.assign(memory, memory + in.ecx);
            RegisterFrame out = in;
            out.eax &= 0xFFFF00FF;
            return out;
        };
        std::uint8_t ah = 0xFF;
        EXPECT_TRUE(c.call(ah, c.operation, codes, 5));
        EXPECT_EQ(seen, std::vector<std::uint8_t>(codes, codes + 5)) << "the BIOS reads the first `count` codes";
        EXPECT_EQ(ah, 0);
        EXPECT_EQ(LentMemory(channel.last().esi, 1), nullptr) << "the lease outlived the request";
    }
}

TEST(PasswordCalls, AhRuleCallsDeliverAhWhateverTheStatus) {
    test::ScriptedChannel channel;
    const std::uint8_t codes[9] = {0x10};
    channel.AnswerWith(Answer(kBiosRefused, 0));
    std::uint8_t ah = 0xFF;
    EXPECT_TRUE(AskPowerOnPasswd(ah)) << "AH 0 means a power-on password is set, status or not";
    EXPECT_EQ(ah, 0);

    channel.AnswerWith(Answer(0, 1));
    for (auto call : {+[](std::uint8_t& a) { return AskPowerOnPasswd(a); },
                      +[](std::uint8_t& a) { return DisableSetupPasswd(a); }}) {
        ah = 0xFF;
        EXPECT_FALSE(call(ah));
        EXPECT_EQ(ah, 1);
    }
    ah = 0xFF;
    EXPECT_FALSE(SetChkPowerOnPasswd(ah, 3, codes, 1));
    EXPECT_EQ(ah, 1);
}

TEST(PasswordCalls, RemovingThePowerOnPasswordTestsTheStatusBeforeAh) {
    test::ScriptedChannel channel;
    std::uint8_t ah = 0xEE;
    channel.AnswerWith(Answer(kBiosRefused, 0));
    EXPECT_FALSE(DisablePowerOnPasswd(ah)) << "a refused status fails even with AH 0";
    EXPECT_EQ(ah, 0xEE) << "AH is delivered only once the status passed";

    channel.AnswerWith(Answer(0, 0x86));
    EXPECT_FALSE(DisablePowerOnPasswd(ah));
    EXPECT_EQ(ah, 0x86);

    channel.driver().fail = true;
    ah = 0xEE;
    EXPECT_FALSE(DisablePowerOnPasswd(ah));
    EXPECT_FALSE(AskPowerOnPasswd(ah));
    EXPECT_EQ(ah, 0xEE) << "nothing is delivered when the driver did not answer";
}

}  // namespace
}  // namespace tlw
