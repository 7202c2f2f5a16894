// The shared steps of every BIOS call: the channel, the success rules and
// when out-parameters are written.
#include "bios/bios_call.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "bios/bios_channel.h"
#include "bios/buffer_lease.h"
#include "sim/simulated_driver.h"
#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

constexpr CallRow kStatusCall{"StatusCall", 0x9610, 0x0031, SuccessRule::Status};
constexpr CallRow kAhCall{"AhCall", 0x9610, 0x0032, SuccessRule::Ah};
constexpr CallRow kChannelCall{"ChannelCall", 0x9610, 0x0033, SuccessRule::Channel};

RegisterFrame Answer(std::uint32_t status, std::uint32_t eax, std::uint32_t ebx = 0) {
    RegisterFrame f;
    f.status = status;
    f.eax = eax;
    f.ebx = ebx;
    return f;
}

TEST(BiosChannel, RequestsWithoutAnOpenChannelFailAndWriteNothing) {
    CloseBiosChannel();
    RegisterFrame out;
    out.eax = 0x5555;
    EXPECT_FALSE(CallBios(RegisterFrame{}, out, "X"));
    EXPECT_EQ(out.eax, 0x5555u);

    std::uint8_t early = 7;
    std::uint16_t late = 9;
    EXPECT_FALSE(BiosCall(kStatusCall).Early(early, reg::AH).Out(late, reg::BX).Run());
    EXPECT_EQ(early, 7);
    EXPECT_EQ(late, 9);

    {
        test::ScriptedChannel channel;
        EXPECT_TRUE(BiosCall(kStatusCall).Run());
    }
    // Closed again: the same call fails.
    EXPECT_FALSE(BiosCall(kStatusCall).Early(early, reg::AH).Run());
    EXPECT_EQ(early, 7);
    EXPECT_FALSE(CloseBiosChannel());
}

TEST(BiosChannel, ClosingAnswersWhatTheDriverAnswersAndClosesEitherWay) {
    for (const bool closes : {true, false}) {
        SCOPED_TRACE(closes ? "driver closes" : "driver fails to close");
        auto driver = std::make_unique<test::ScriptedDriver>();
        test::ScriptedDriver* scripted = driver.get();
        scripted->closes = closes;
        ASSERT_TRUE(OpenBiosChannelWith(std::move(driver)));
        EXPECT_EQ(scripted->closeCalls, 0);
        EXPECT_EQ(CloseBiosChannel(), closes);
        EXPECT_EQ(ChannelDriver(), nullptr);
        RegisterFrame out;
        EXPECT_FALSE(CallBios(RegisterFrame{}, out, "AfterClose"));
        EXPECT_FALSE(CloseBiosChannel()) << "closed twice";
    }

    // The simulated notebook holds no handle of the system's: it closes.
    const std::string dir = ::testing::TempDir();
    const std::string state = dir + "tlw-close-notebook.ini";
    std::remove(state.c_str());
    std::string error;
    ASSERT_TRUE(OpenBiosChannelWith(sim::SimulatedDriver::Open(state, "", error))) << error;
    EXPECT_TRUE(CloseBiosChannel());
    std::remove(state.c_str());
}

TEST(BiosChannel, FailedDriverRequestLeavesTheCallersFrameAlone) {
    test::ScriptedChannel channel;
    channel.driver().fail = true;
    RegisterFrame out;
    out.ebx = 0x1234;
    EXPECT_FALSE(CallBios(RegisterFrame{}, out, "X"));
    EXPECT_EQ(out.ebx, 0x1234u);
    std::uint8_t early = 3;
    EXPECT_FALSE(BiosCall(kChannelCall).Early(early, reg::AH).Run());
    EXPECT_EQ(early, 3);
}

TEST(BiosChannel, BytesTheDriverDidNotWriteReadAsZero) {
    test::ScriptedChannel channel;
    channel.AnswerWith(Answer(0, 0xAAAAAAAA, 0xBBBBBBBB));
    channel.driver().bytesWritten = 6;  // status and the low half of EAX
    RegisterFrame out;
    out.ebx = 0x77777777;
    out.ecx = 0x66666666;
    ASSERT_TRUE(CallBios(RegisterFrame{}, out, "Short"));
    EXPECT_EQ(out.eax, 0x0000AAAAu);
    EXPECT_EQ(out.ebx, 0u);
    EXPECT_EQ(out.ecx, 0u);

    channel.driver().bytesWritten = 0;
    out.eax = 0x12345678;
    ASSERT_TRUE(CallBios(RegisterFrame{}, out, "Empty"));
    EXPECT_EQ(out.eax, 0u);
}

TEST(BiosChannel, PassesTheCallNameAndAClearedFrame) {
    test::ScriptedChannel channel;
    BiosCall(kStatusCall).Bh(0x02).Ecx(0x0203).Run();
    ASSERT_EQ(channel.sent.size(), 1u);
    EXPECT_EQ(channel.sent[0].call, "StatusCall");
    const RegisterFrame& in = channel.last();
    EXPECT_EQ(in.eax, 0x9610u);
    EXPECT_EQ(in.ebx, 0x0231u);
    EXPECT_EQ(in.ecx, 0x0203u);
    EXPECT_EQ(in.edx, 0u);
    EXPECT_EQ(in.esi, 0u);
    EXPECT_EQ(in.status, 0u);
    EXPECT_EQ(in.control & 0xFFFF, 0u);
}

TEST(SuccessRules, StatusRuleFailsOnlyOnAllOnesStatus) {
    test::ScriptedChannel channel;
    std::uint8_t early = 0;
    std::uint16_t late = 0x4444;
    channel.AnswerWith(Answer(kBiosRefused, 0x0500, 0x0108));
    EXPECT_FALSE(BiosCall(kStatusCall).Early(early, reg::AH).Out(late, reg::BX).Run());
    EXPECT_EQ(early, 0x05) << "early out-parameter delivered despite the refusal";
    EXPECT_EQ(late, 0x4444) << "late out-parameter written on failure";

    channel.AnswerWith(Answer(0xFFFFFFFE, 0x0500, 0x0108));
    EXPECT_TRUE(BiosCall(kStatusCall).Early(early, reg::AH).Out(late, reg::BX).Run());
    EXPECT_EQ(late, 0x0108);
}

TEST(SuccessRules, AhRuleIgnoresTheStatusSlot) {
    test::ScriptedChannel channel;
    std::uint8_t ah = 0xEE;
    channel.AnswerWith(Answer(kBiosRefused, 0x0000));
    EXPECT_TRUE(BiosCall(kAhCall).Early(ah, reg::AH).Run());
    EXPECT_EQ(ah, 0);

    channel.AnswerWith(Answer(0, 0x0100));
    EXPECT_FALSE(BiosCall(kAhCall).Early(ah, reg::AH).Run());
    EXPECT_EQ(ah, 1);
}

TEST(SuccessRules, ChannelRuleSucceedsWhateverTheBiosSays) {
    test::ScriptedChannel channel;
    channel.AnswerWith(Answer(kBiosRefused, 0xFF00));
    EXPECT_TRUE(BiosCall(kChannelCall).Run());
}

TEST(BufferLease, LentMemoryIsReachableOnlyWithinTheLease) {
    std::uint8_t codes[9] = {0x1E, 0x30, 0x2E};
    {
        BufferLease lease(codes, 3);
        ASSERT_NE(lease.address(), 0u);
        EXPECT_EQ(LentMemory(lease.address(), 3), codes);
        EXPECT_EQ(LentMemory(lease.address() + 1, 2), codes + 1);
        EXPECT_EQ(LentMemory(lease.address(), 4), nullptr) << "read past the lent bytes";
        EXPECT_EQ(LentMemory(lease.address() + 3, 1), nullptr);
        EXPECT_EQ(LentMemory(lease.address() - 1, 1), nullptr);
        EXPECT_NE(LentMemory(lease.address() + 3, 0), nullptr);
    }
    // Returned once the request is over.
    BufferLease other(codes, 1);
    EXPECT_EQ(LentMemory(other.address(), 1), codes);
}

}  // namespace
}  // namespace tlw
