// The hostile notebook: random answers that replay from their seed, reads that
// change nothing, writes that fail at random, the DMI proxy damaged alike.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "bios/boot_calls.h"
#include "bios/display_calls.h"
#include "bios/shell_calls.h"
#include "sim/chaos.h"
#include "sim/simulated_dmi_proxy.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

// The same reads again and again, as a page that refreshes would ask them.
void AskAround(int rounds) {
    for (int i = 0; i < rounds; ++i) {
        std::uint8_t a = 0, b = 0, c = 0, d = 0;
        GetBrightnessContrastRange(a, b, c, d);
        GetDisplayBrightness(a);
        BootList list{};
        GetBootSeq(list);
    }
}

class ChaosNotebook : public SimulatedNotebook {
protected:
    std::vector<std::string> RunWithSeed(const std::string& seed) {
        CloseBiosChannel();
        fs::remove(log());
        EXPECT_TRUE(Open(("chaos = " + seed + "\n").c_str()));
        AskAround(40);
        CloseBiosChannel();
        return LogLines();
    }
};

TEST_F(ChaosNotebook, ASeedReplaysItsAnswersExactlyAndAnotherSeedDoesNot) {
    const auto first = RunWithSeed("7");
    const auto again = RunWithSeed("7");
    const auto other = RunWithSeed("8");
    ASSERT_EQ(first.size(), 120u);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
}

TEST_F(ChaosNotebook, ReadsAnswerEveryKindOfStatusAndNeverChangeTheNotebook) {
    ASSERT_TRUE(Open("chaos = 12345\nbrightness = 5\nbrightness_range = 0 7\n"));
    const std::string before = ReadFile(state());
    std::set<std::uint32_t> statuses;
    std::set<std::uint8_t> levels;
    int failedChannels = 0;
    for (int i = 0; i < 400; ++i) {
        std::uint8_t level = 0;
        if (GetDisplayBrightness(level)) levels.insert(level);
    }
    for (const std::string& line : LogLines()) {
        const auto at = line.find("STATUS=");
        if (at == std::string::npos) {
            ++failedChannels;
            continue;
        }
        statuses.insert(static_cast<std::uint32_t>(std::stoul(line.substr(at + 7, 8), nullptr, 16)));
    }
    EXPECT_TRUE(statuses.count(0));
    EXPECT_TRUE(statuses.count(kBiosRefused));
    EXPECT_GT(statuses.size(), 3u) << "other statuses than success and refusal";
    EXPECT_GT(failedChannels, 0);
    EXPECT_GT(levels.size(), 8u) << "levels far outside 0..7";
    EXPECT_EQ(ReadFile(state()), before);
    EXPECT_EQ(notebook().display.brightness, 5);
}

TEST_F(ChaosNotebook, ABufferReadIsFilledAtRandomAndLoggedAsTheCallerGotIt) {
    ASSERT_TRUE(Open("chaos = 99\n"));
    int filled = 0;
    for (int i = 0; i < 64; ++i) {
        BootList list;
        list.fill(0xAA);
        if (!GetBootSeq(list)) continue;
        const std::string line = LogLines().back();
        const auto at = line.find("BUF=");
        ASSERT_NE(at, std::string::npos) << line;
        std::string shown;
        char byte[3];
        for (std::uint8_t b : list) {
            std::snprintf(byte, sizeof byte, "%02X", b);
            shown += byte;
        }
        EXPECT_EQ(line.substr(at + 4, 32), shown);
        EXPECT_NE(shown.substr(0, 16), "00010208FFFFFFFF") << "not the notebook's own list";
        ++filled;
    }
    EXPECT_GT(filled, 16);
}

TEST_F(ChaosNotebook, WritesSucceedOrFailAtRandomAndOnlySucceedingOnesChangeTheNotebook) {
    ASSERT_TRUE(Open("chaos = 4\nbrightness = 0\nbrightness_range = 0 200\n"));
    int succeeded = 0, failed = 0;
    for (std::uint8_t level = 1; level <= 100; ++level) {
        if (SetDisplayBrightness(level)) {
            ++succeeded;
            EXPECT_EQ(notebook().display.brightness, level);
            EXPECT_NE(ReadFile(state()).find("brightness = " + std::to_string(level) + "\n"), std::string::npos);
        } else {
            ++failed;
            EXPECT_NE(notebook().display.brightness, level);
        }
    }
    EXPECT_GT(succeeded, 30);
    EXPECT_GT(failed, 15);
}

TEST_F(ChaosNotebook, ARefusedWriteStillShowsWhatItWasGivenAndSavesNothing) {
    ASSERT_TRUE(Open("chaos = 21\n"));
    const std::string before = ReadFile(state());
    BootList list = {8, 2, 1, 0};
    std::fill(list.begin() + 4, list.end(), kBootListEnd);
    int refused = 0;
    for (int i = 0; i < 40; ++i) {
        if (SetBootSeq(list)) continue;
        const std::string line = LogLines().back();
        if (line.find("FAILED") != std::string::npos) continue;
        ++refused;
        EXPECT_NE(line.find("BUF=08020100FFFFFFFF"), std::string::npos) << line;
        EXPECT_NE(line.find("STATUS=FFFFFFFF"), std::string::npos) << line;
    }
    EXPECT_GT(refused, 5);
    EXPECT_EQ(notebook().boot.settings.sequence, (std::vector<std::uint8_t>{8, 2, 1, 0}))
        << "only the writes let through changed the list";
    EXPECT_NE(ReadFile(state()), before);
}

TEST_F(ChaosNotebook, TheKeyTakesOffOrASeedAndRefusesAnythingElse) {
    ASSERT_TRUE(Open("chaos = 4294967295\n"));
    EXPECT_TRUE(notebook().chaos.on);
    EXPECT_EQ(notebook().chaos.seed, 4294967295u);
    CloseBiosChannel();
    ASSERT_TRUE(Open("chaos = off\n"));
    EXPECT_FALSE(notebook().chaos.on);
    CloseBiosChannel();
    for (const char* text : {"chaos = 4294967296\n", "chaos = on\n", "chaos = -1\n", "chaos =\n"}) {
        std::string error;
        EXPECT_FALSE(Open(text, &error)) << text;
        EXPECT_NE(error.find("chaos"), std::string::npos) << error;
    }
}

TEST_F(ChaosNotebook, TheDmiProxyFailsOrHandsOverDamagedTablesNeverPastItsBuffer) {
    WriteFile(state(), "chaos = 3\n");
    SimulatedDmiProxy proxy(state().string(), log().string());
    SimulatedDmiProxy replay(state().string(), log().string());
    int failures = 0, changed = 0;
    DmiTable plain{};
    std::size_t plainCount = 0;
    {
        WriteFile(state(), "chaos = off\n");
        SimulatedDmiProxy calm(state().string(), "");
        ASSERT_TRUE(calm.Read(plain, plainCount));
        WriteFile(state(), "chaos = 3\n");
    }
    for (int i = 0; i < 64; ++i) {
        DmiTable table{}, again{};
        std::size_t count = 0, againCount = 0;
        const bool read = proxy.Read(table, count);
        EXPECT_EQ(replay.Read(again, againCount), read);
        if (!read) {
            ++failures;
            continue;
        }
        EXPECT_LE(count, table.size());
        EXPECT_EQ(count, againCount);
        EXPECT_EQ(table, again);
        if (count != plainCount || !std::equal(table.begin(), table.begin() + count, plain.begin())) ++changed;
    }
    EXPECT_GT(failures, 0);
    EXPECT_GT(changed, 40);
}

TEST(ChaosDraws, DependOnSeedAndStreamAloneAndReachEveryByte) {
    ChaosDraws a(1, 0), b(1, 0), c(1, 1), d(2, 0);
    const std::uint32_t first = a.Next();
    EXPECT_EQ(first, b.Next());
    EXPECT_NE(first, c.Next());
    EXPECT_NE(first, d.Next());
    std::set<std::uint8_t> bytes;
    ChaosDraws e(5, 5);
    for (int i = 0; i < 20000; ++i) bytes.insert(e.Byte());
    EXPECT_EQ(bytes.size(), 256u);
}

TEST(ChaosCalls, OnlyQueriesCountAsReads) {
    const RegisterFrame plain;
    for (const char* call : {"GetBootSeq", "AskSetupPasswd", "CheckMonitorConnected", "ZEFACheck"}) {
        EXPECT_TRUE(IsReadRequest(call, plain)) << call;
    }
    for (const char* call : {"SetBootSeq", "SetChkSetupPasswd", "CMOSChecksum", "LoadSetupDefault", "EnableFan",
                             "DisablePowerOnPasswd", "SetAssetTag", "SetHotkeyButton", "EnableSimpleBoot",
                             "NoSuchCall"}) {
        EXPECT_FALSE(IsReadRequest(call, plain)) << call;
    }
    RegisterFrame check;
    check.ebx = 0x0308;
    EXPECT_TRUE(IsReadRequest("SetChkSetupPasswd", check)) << "a password check stores nothing";
    check.ebx = 0x0208;
    EXPECT_FALSE(IsReadRequest("SetChkSetupPasswd", check));
    EXPECT_FALSE(IsReadRequest("SetBootSeq", check));
}

}  // namespace
}  // namespace tlw::sim
