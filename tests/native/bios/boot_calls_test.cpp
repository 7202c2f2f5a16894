// The boot, POST and fan calls: the options byte's read-modify-write, the
// boot list by address, and their decoding.
#include "bios/boot_calls.h"

#include <gtest/gtest.h>

#include <cstring>

#include "bios/buffer_lease.h"
#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

// A BIOS whose options byte is `options`: reads answer it in AL; writes are recorded.
void AnswerOptions(test::ScriptedChannel& channel, std::uint8_t options) {
    channel.driver().answer = [options](const RegisterFrame& in) {
        RegisterFrame out = in;
        out.status = 0;
        out.eax = 0xAB000000u | options;  // AH = 0, the high word not the call's
        return out;
    };
}

struct Rewrite {
    bool on;
    std::uint8_t before, written;
};

TEST(BootCalls, OptionsByteIsReadThenWrittenWithOnlyItsBitsChanged) {
    const Rewrite simpleBoot[] = {{true, 0x06, 0x07}, {false, 0x07, 0x06}, {true, 0x01, 0x01}, {false, 0xF0, 0xF0}};
    for (const Rewrite& r : simpleBoot) {
        test::ScriptedChannel channel;
        AnswerOptions(channel, r.before);
        EXPECT_TRUE(EnableSimpleBoot(r.on));
        ASSERT_EQ(channel.sent.size(), 2u);
        EXPECT_EQ(channel.sent[0].call, "EnableSimpleBoot");
        EXPECT_EQ(channel.sent[0].frame.eax, 0x9610u);
        EXPECT_EQ(channel.sent[0].frame.ebx, 0x002Au);
        EXPECT_EQ(channel.sent[1].call, "EnableSimpleBoot");
        EXPECT_EQ(channel.sent[1].frame.eax, 0x9610u);
        EXPECT_EQ(channel.sent[1].frame.ebx, 0x012Au);
        EXPECT_EQ(channel.sent[1].frame.ecx, r.written) << "simple boot " << r.on << " on " << int{r.before};
        EXPECT_EQ(channel.sent[1].frame.control & 0xFFFFu, 0u);
    }
    // Off clears bits 1 and 2 both; on sets bit 1 alone.
    const Rewrite fastPost[] = {{false, 0x07, 0x01}, {true, 0x01, 0x03}, {true, 0x04, 0x06}, {false, 0xFE, 0xF8}};
    for (const Rewrite& r : fastPost) {
        test::ScriptedChannel channel;
        AnswerOptions(channel, r.before);
        EXPECT_TRUE(EnableFastPOST(r.on));
        ASSERT_EQ(channel.sent.size(), 2u);
        EXPECT_EQ(channel.sent[0].call, "EnableFastPOST");
        EXPECT_EQ(channel.sent[0].frame.ebx, 0x002Au);
        EXPECT_EQ(channel.sent[1].frame.ebx, 0x012Au);
        EXPECT_EQ(channel.sent[1].frame.ecx, r.written) << "fast POST " << r.on << " on " << int{r.before};
    }
}

TEST(BootCalls, OptionsByteIsNotWrittenWhenItsReadFails) {
    for (bool fastPost : {false, true}) {
        test::ScriptedChannel channel;
        RegisterFrame refused;
        refused.status = kBiosRefused;
        refused.eax = 0x07;
        channel.AnswerWith(refused);
        EXPECT_FALSE(fastPost ? EnableFastPOST(true) : EnableSimpleBoot(true));
        EXPECT_EQ(channel.sent.size(), 1u) << "only the read";

        channel.driver().fail = true;
        EXPECT_FALSE(fastPost ? EnableFastPOST(false) : EnableSimpleBoot(false));
        EXPECT_EQ(channel.sent.size(), 2u);
    }
    // A refused write fails the call after both requests.
    test::ScriptedChannel channel;
    channel.driver().answer = [](const RegisterFrame& in) {
        RegisterFrame out = in;
        out.status = (in.ebx >> 8) == 1 ? kBiosRefused : 0;
        return out;
    };
    EXPECT_FALSE(EnableSimpleBoot(true));
    EXPECT_EQ(channel.sent.size(), 2u);
}

TEST(BootCalls, ReadsDecodeTheirBitsAndBytes) {
    test::ScriptedChannel channel;
    struct Case {
        std::uint8_t al, simpleBoot, fastPost;
    };
    for (const Case c : {Case{0x03, 1, 1}, Case{0x02, 0, 1}, Case{0x01, 1, 0}, Case{0x04, 0, 0}}) {
        AnswerOptions(channel, c.al);
        std::uint8_t simpleBoot = 0xEE, fastPost = 0xEE;
        EXPECT_TRUE(GetSimpleBoot(simpleBoot));
        EXPECT_TRUE(GetFastPOST(fastPost));
        EXPECT_EQ(simpleBoot, c.simpleBoot) << int{c.al};
        EXPECT_EQ(fastPost, c.fastPost) << int{c.al};
    }

    RegisterFrame answer;
    answer.eax = 0x1102;  // AH 0x11, AL 2: the fan's AL is delivered raw
    answer.edx = 0xCCCC0302;
    channel.AnswerWith(answer);
    std::uint8_t fan = 0, hdd = 0;
    EXPECT_TRUE(GetFanStatus(fan));
    EXPECT_EQ(fan, 2);
    EXPECT_TRUE(GetHddBootSeq(hdd));
    EXPECT_EQ(hdd, 0x02) << "DL";

    answer.status = kBiosRefused;
    channel.AnswerWith(answer);
    fan = hdd = 0xEE;
    std::uint8_t on = 0xEE;
    EXPECT_FALSE(GetFanStatus(fan));
    EXPECT_FALSE(GetHddBootSeq(hdd));
    EXPECT_FALSE(GetSimpleBoot(on));
    EXPECT_FALSE(GetFastPOST(on));
    EXPECT_EQ(fan, 0xEE);
    EXPECT_EQ(hdd, 0xEE);
    EXPECT_EQ(on, 0xEE) << "a failed call writes no out-parameter";
}

TEST(BootCalls, TheBootListTravelsByAddressBothWays) {
    test::ScriptedChannel channel;
    BootList seen;
    seen.fill(0);
    // The BIOS writes three codes into the lent list and reads a list back.
    channel.driver().answer = [&seen](const RegisterFrame& in) {
        std::uint8_t* list = LentMemory(in.esi, kBootListSize);
        if (list && (in.ebx >> 8) == 0) std::memcpy(list, "\x08\x00\x01", 3);
        if (list && (in.ebx >> 8) == 1) std::memcpy(seen.data(), list, kBootListSize);
        RegisterFrame out = in;
        out.status = list ? 0 : kBiosRefused;
        return out;
    };
    BootList list;
    list.fill(kBootListEnd);
    EXPECT_TRUE(GetBootSeq(list));
    const BootList read = {8, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(list, read) << "places the BIOS left alone keep their 0xFF";

    EXPECT_TRUE(SetBootSeq(read));
    EXPECT_EQ(seen, read);
    EXPECT_EQ(LentMemory(channel.last().esi, 1), nullptr) << "lent for the request only";
}

}  // namespace
}  // namespace tlw
