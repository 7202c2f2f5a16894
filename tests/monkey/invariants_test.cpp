// The invariant checker, fed the logs of runs on the simulated notebook: a
// sound run holds; a broken page's writes, writes nobody asked for and the
// monkey's own findings are each named.
#include <gtest/gtest.h>

#include "bios/asset_tag_call.h"
#include "bios/boot_calls.h"
#include "bios/display_calls.h"
#include "bios/password_calls.h"
#include "bios/shell_calls.h"
#include "sim/request_log.h"
#include "tests/monkey/invariants.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::monkey {
namespace {

// A run on a real simulated notebook: the monkey's action lines are written
// at the request log's length, as the monkey writes them.
class Run : public sim::SimulatedNotebook {
protected:
    void SetUp() override {
        SimulatedNotebook::SetUp();
        ASSERT_TRUE(Open("brightness_range = 2 9\ncontrast_range = 0 15\nboot_sequence = 00 01 02 08\n"));
        ASSERT_TRUE(SetHotkeyButton(0));
    }
    void Act(int page, const std::string& what) {
        actions_.push_back(std::to_string(LogLines().size()) + " " + std::to_string(page) + " " + what);
    }
    Verdict Check() const { return CheckRun(LogLines(), actions_); }
    // What a boot page shows: the list the BIOS gave.
    BootList ReadList() {
        BootList list;
        list.fill(kBootListEnd);
        EXPECT_TRUE(GetBootSeq(list));
        return list;
    }
    std::string Broken() const {
        std::string all;
        for (const std::string& b : Check().broken) all += b + "\n";
        return all;
    }

    std::vector<std::string> actions_;
    RegisterFrame in_;
};

const int kBootPage = tlw::PageIndexOf(IDD_BOOT_PAGE);

TEST_F(Run, ASoundRunHoldsAndCountsItsWrites) {
    Act(0, "TAB 2");
    BootList list = ReadList();
    Act(kBootPage, "DRAG 2 0");
    std::swap(list[0], list[2]);
    Act(kBootPage, "APPLY");
    ASSERT_TRUE(SetBootSeq(list));
    std::uint8_t ah = 0;
    ASSERT_TRUE(CMOSChecksum(ah, 1));
    Act(kBootPage, "TAB 4");
    std::uint8_t cMax = 0, cMin = 0, bMax = 0, bMin = 0;
    ASSERT_TRUE(GetBrightnessContrastRange(cMax, cMin, bMax, bMin));
    Act(kDisplayPage, "TRACK 1 VK_END");
    ASSERT_TRUE(SetDisplayBrightness(bMax));
    Act(kDisplayPage, "CANCEL");
    ASSERT_TRUE(SetHotkeyButton(1));

    const Verdict verdict = Check();
    EXPECT_TRUE(verdict.Holds()) << Broken();
    EXPECT_EQ(verdict.actions, 6u);
    EXPECT_EQ(verdict.writes, 5u);
}

TEST_F(Run, ABrokenDisplayPageThatWritesALevelPastItsRangeIsCaught) {
    Act(0, "TAB 4");
    std::uint8_t cMax = 0, cMin = 0, bMax = 0, bMin = 0;
    ASSERT_TRUE(GetBrightnessContrastRange(cMax, cMin, bMax, bMin));
    Act(kDisplayPage, "TRACK 1 VK_END");
    SetDisplayBrightness(static_cast<std::uint8_t>(bMax + 1));  // the BIOS refuses it; the write is logged all the same
    Act(kDisplayPage, "TRACK 1 VK_HOME");
    ASSERT_TRUE(SetDisplayBrightness(bMin));
    Act(kDisplayPage, "TRACK 2 VK_HOME");
    SetDisplayContrast(static_cast<std::uint8_t>(cMin - 1));
    const std::string broken = Broken();
    EXPECT_NE(broken.find("SetDisplayBrightness) writes the level 10 outside the range 2 to 9"), std::string::npos)
        << broken;
    EXPECT_NE(broken.find("SetDisplayContrast) writes the level 255 outside the range 0 to 15"), std::string::npos)
        << broken;
    EXPECT_EQ(Check().broken.size(), 2u) << broken;
}

TEST_F(Run, AReadAnsweredWithAnyStatusButTheRefusalGivesTheDomain) {
    // As a BIOS that leaves a stray status behind answers it: success by the status rule.
    RegisterFrame in, out;
    in.eax = 0x9612;
    in.ebx = 0x0008;
    out = in;
    out.status = 0x84DAA96B;
    out.ecx = 0x0F00;
    out.edx = 0x0902;
    std::vector<std::string> lines = {sim::FormatRequestLine("GetBrightnessContrastRange", in, &out, nullptr)};
    in.ebx = 0x0107;
    in.ecx = 9;
    lines.push_back(sim::FormatRequestLine("SetDisplayBrightness", in, nullptr, nullptr));
    EXPECT_TRUE(CheckRun(lines, {"0 0 TAB 4", "1 4 TRACK 1 VK_END"}).Holds());
    in.ecx = 10;
    lines.push_back(sim::FormatRequestLine("SetDisplayBrightness", in, nullptr, nullptr));
    EXPECT_EQ(CheckRun(lines, {"0 0 TAB 4", "1 4 TRACK 1 VK_END"}).broken.size(), 1u);

}

TEST_F(Run, TheBootListReadIsWhatTheBufferHoldsWhateverTheStatus) {
    // Refused, with the list written all the same: the page shows that list.
    in_.eax = 0x9610;
    in_.ebx = 0x0017;
    RegisterFrame out = in_;
    out.status = kBiosRefused;
    const std::vector<std::uint8_t> read = {0x6A, 0x10, 0x6A, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<std::uint8_t> moved = {0x10, 0x6A, 0x6A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::vector<std::string> lines = {sim::FormatRequestLine("GetBootSeq", in_, &out, &read)};
    in_.ebx = 0x0117;
    out = in_;
    lines.push_back(sim::FormatRequestLine("SetBootSeq", in_, &out, &moved));
    EXPECT_TRUE(CheckRun(lines, {"0 2 DRAG 0 2", "1 2 APPLY"}).Holds());

    // A write that never reached the BIOS shows no buffer to judge; one that did is judged.
    in_.ebx = 0x0117;
    lines.push_back(sim::FormatRequestLine("SetBootSeq", in_, nullptr, nullptr));
    EXPECT_TRUE(CheckRun(lines, {"0 2 DRAG 0 2", "1 2 APPLY"}).Holds());
    lines.pop_back();

    // A request that never reached the BIOS read an empty list.
    in_.ebx = 0x0017;
    lines[0] = sim::FormatRequestLine("GetBootSeq", in_, nullptr, nullptr);
    const Verdict verdict = CheckRun(lines, {"0 2 DRAG 0 2", "1 2 APPLY"});
    ASSERT_EQ(verdict.broken.size(), 1u);
    EXPECT_NE(verdict.broken[0].find("not a permutation of the codes of the list read ()"), std::string::npos)
        << verdict.broken[0];
}

TEST_F(Run, ALevelWithNoRangeReadOrAnUpsideDownRangeIsCaught) {
    Act(kDisplayPage, "TRACK 1 VK_END");
    SetDisplayBrightness(5);
    EXPECT_NE(Broken().find("a level with no range read before"), std::string::npos) << Broken();
    CloseBiosChannel();
    sim::fs::remove(log());
    actions_.clear();
    ASSERT_TRUE(Open("brightness_range = 9 2\n"));
    std::uint8_t cMax = 0, cMin = 0, bMax = 0, bMin = 0;
    ASSERT_TRUE(GetBrightnessContrastRange(cMax, cMin, bMax, bMin));
    Act(kDisplayPage, "TRACK 1 VK_END");
    SetDisplayBrightness(5);
    EXPECT_NE(Broken().find("the level 5 outside the range 9 to 2"), std::string::npos) << Broken();
}

TEST_F(Run, ABrokenBootPageThatLosesDuplicatesOrInventsACodeIsCaught) {
    Act(0, "TAB 2");
    const BootList read = ReadList();
    Act(kBootPage, "APPLY");
    BootList duplicated = read;
    duplicated[1] = duplicated[0];
    ASSERT_TRUE(SetBootSeq(duplicated));
    BootList lost = read;
    lost[3] = kBootListEnd;
    ASSERT_TRUE(SetBootSeq(lost));
    BootList invented = read;
    invented[4] = 0x05;
    ASSERT_TRUE(SetBootSeq(invented));
    BootList moved = read;
    std::swap(moved[0], moved[3]);
    ASSERT_TRUE(SetBootSeq(moved));
    const Verdict verdict = Check();
    ASSERT_EQ(verdict.broken.size(), 3u) << Broken();
    EXPECT_NE(verdict.broken[0].find("the boot list 00 00 02 08 FF"), std::string::npos) << verdict.broken[0];
    EXPECT_NE(verdict.broken[0].find("not a permutation of the codes of the list read (00 01 02 08)"),
              std::string::npos);
    EXPECT_NE(verdict.broken[1].find("the boot list 00 01 02 FF"), std::string::npos) << verdict.broken[1];
    EXPECT_NE(verdict.broken[2].find("the boot list 00 01 02 08 05 FF"), std::string::npos) << verdict.broken[2];
}

TEST_F(Run, AListReadAtRandomMayBeWrittenBackWithItsOwnDuplicatesButNoOtherList) {
    CloseBiosChannel();
    sim::fs::remove(log());
    ASSERT_TRUE(Open("boot_sequence = 07 07 30\n"));
    Act(0, "TAB 2");
    BootList list = ReadList();
    Act(kBootPage, "OK");
    std::swap(list[0], list[2]);
    ASSERT_TRUE(SetBootSeq(list));
    EXPECT_TRUE(Check().Holds()) << Broken();
    BootList other = {0, 1, 2};
    std::fill(other.begin() + 3, other.end(), kBootListEnd);
    ASSERT_TRUE(SetBootSeq(other));
    EXPECT_EQ(Check().broken.size(), 1u) << Broken();
}

TEST_F(Run, WritesNobodyAskedForAreCaughtWithTheActionTheyFollowed) {
    BootList list = ReadList();
    SetBootSeq(list);  // at start-up
    Act(0, "TAB 2");
    SetBootSeq(list);  // a tab asks for nothing
    Act(kBootPage, "DRAG 0 2");
    SetDisplayBrightness(3);  // live, but not on the display page
    Act(kBootPage, "MENU 32786");
    Act(-1, "DEFAULT_NO");
    LoadSetupDefault();
    Act(-1, "DEFAULT_YES");
    ASSERT_TRUE(LoadSetupDefault());
    Act(kBootPage, "CANCEL");
    std::uint8_t ah = 0;
    ASSERT_TRUE(CMOSChecksum(ah, 1));
    ASSERT_TRUE(SetHotkeyButton(1));
    const Verdict verdict = Check();
    ASSERT_EQ(verdict.broken.size(), 6u) << Broken();
    EXPECT_NE(verdict.broken[0].find("(SetBootSeq) is written before any user action"), std::string::npos);
    EXPECT_NE(verdict.broken[1].find("(SetBootSeq) is written after TAB on page 0"), std::string::npos);
    EXPECT_NE(verdict.broken[2].find("(SetDisplayBrightness) is written after DRAG on page 2"), std::string::npos);
    EXPECT_NE(verdict.broken[3].find("(SetDisplayBrightness) writes a level with no range"), std::string::npos);
    EXPECT_NE(verdict.broken[4].find("(LoadSetupDefault) is written after DEFAULT_NO"), std::string::npos);
    EXPECT_NE(verdict.broken[5].find("(CMOSChecksum) is written after CANCEL"), std::string::npos);
}

TEST_F(Run, PasswordsOverEightCodesAndAssetTagsWithoutTheirEndAreCaught) {
    Act(3, "APPLY");
    const std::uint8_t codes[9] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17};
    std::uint8_t ah = 0;
    SetChkPowerOnPasswd(ah, 2, codes, 8);
    SetChkPowerOnPasswd(ah, 2, codes, 9);
    SetChkPowerOnPasswd(ah, 3, codes, 9);  // a check, not a write
    SetAssetTag("ASSET-0001");
    SetAssetTag(std::string(33, 'T').c_str());
    const std::string broken = Broken();
    EXPECT_EQ(Check().broken.size(), 2u) << broken;
    EXPECT_NE(broken.find("(SetChkPowerOnPasswd) writes a password of 9 codes"), std::string::npos) << broken;
    EXPECT_NE(broken.find("(SetAssetTag) writes an asset tag without its NUL"), std::string::npos) << broken;
    EXPECT_EQ(Check().writes, 5u) << "the hotkey button's, the two passwords and the two tags";
}

TEST(Invariants, TheMonkeysOwnFindingsAndAnUnreadableActionLogAreReported) {
    const Verdict verdict = CheckRun({}, {"3 -1 TAB 1", "! a crash: exit code 0xC0000005 after TAB 1", "3 x OK",
                                          "2 -1 OK"});
    ASSERT_EQ(verdict.broken.size(), 3u);
    EXPECT_EQ(verdict.broken[0], "the monkey saw a crash: exit code 0xC0000005 after TAB 1");
    EXPECT_NE(verdict.broken[1].find("\"3 x OK\" does not read"), std::string::npos);
    EXPECT_NE(verdict.broken[2].find("goes back in the request log at \"2 -1 OK\""), std::string::npos);
    EXPECT_EQ(verdict.actions, 2u);
}

TEST(Invariants, RequestLinesReadBackAsTheNotebookWritesThem) {
    RegisterFrame in, out;
    in.eax = 0x9610;
    in.ebx = 0x0117;
    out = in;
    out.status = 0xFFFFFFFF;
    out.ecx = 0xDEADBEEF;
    const std::vector<std::uint8_t> buffer = {0x00, 0xFF, 0x7F};
    LoggedRequest r;
    ASSERT_TRUE(ParseRequestLine(sim::FormatRequestLine("SetBootSeq", in, &out, &buffer), r));
    EXPECT_EQ(r.call, "SetBootSeq");
    EXPECT_EQ(r.in.ebx, 0x0117u);
    EXPECT_EQ(r.buffer, buffer);
    EXPECT_TRUE(r.answered);
    EXPECT_FALSE(r.StatusOk());
    EXPECT_EQ(r.out.ecx, 0xDEADBEEFu);
    ASSERT_TRUE(ParseRequestLine(sim::FormatRequestLine("GetCpuInfo", in, nullptr, nullptr), r));
    EXPECT_FALSE(r.answered);
    EXPECT_FALSE(r.hasBuffer);
    for (const char* other : {"RESTART", "RESTART CANCELLED", "DmiProxy -> BYTES=120", "STATE NOT SAVED x",
                              "GetCpuInfo EAX=00009610 EBX=00000001 ECX=00000000 EDX=00000000 -> STATUS=0"}) {
        EXPECT_FALSE(ParseRequestLine(other, r)) << other;
    }
}

}  // namespace
}  // namespace tlw::monkey
