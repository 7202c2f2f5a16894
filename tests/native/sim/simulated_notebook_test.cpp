// The simulated notebook behind the real BIOS calls: answers, persistence,
// refusals and the request log.
#include <gtest/gtest.h>

#include "bios/shell_calls.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

TEST_F(SimulatedNotebook, AMissingStateFileIsCreatedWithTheDefaultNotebook) {
    ASSERT_TRUE(Open(nullptr));
    ASSERT_TRUE(fs::exists(state()));
    EXPECT_NE(ReadFile(state()).find("revision = 0x0108"), std::string::npos);
    std::uint8_t ah = 0xFF;
    std::uint16_t revision = 0;
    EXPECT_TRUE(ZEFACheck(ah, revision));
    EXPECT_EQ(ah, 0);
    EXPECT_EQ(revision, 0x0108);
    EXPECT_FALSE(AskSetupPasswd(ah)) << "the default notebook has no setup password";
    EXPECT_NE(ah, 0);
}

TEST_F(SimulatedNotebook, SettingsSurviveARestartOfTheProgram) {
    ASSERT_TRUE(Open("# kept comment\nrevision = 0x0201\n"));
    const std::uint8_t codes[4] = {0x19, 0x1E, 0x1F, 0x1F};
    std::uint8_t ah = 0xFF;
    ASSERT_TRUE(SetPowerButtonAction(0, 2));
    ASSERT_TRUE(SetPowerButtonAction(2, 0));
    ASSERT_TRUE(SetHotkeyButton(0));
    ASSERT_TRUE(SetChkSetupPasswd(ah, 2, codes, 4));
    CloseBiosChannel();

    const std::string saved = ReadFile(state());
    EXPECT_NE(saved.find("# kept comment"), std::string::npos);
    ASSERT_TRUE(Open(nullptr));
    const NotebookState& s = notebook();
    EXPECT_EQ(s.shell.revision, 0x0201);
    EXPECT_EQ(s.shell.settings.buttonAction[kLidButton], 2);
    EXPECT_EQ(s.shell.settings.buttonAction[kSleepButton], 0);
    EXPECT_EQ(s.shell.settings.buttonAction[kPowerButton], NotebookState().shell.settings.buttonAction[kPowerButton]);
    EXPECT_FALSE(s.shell.hotkeyButtonOn);
    EXPECT_TRUE(AskSetupPasswd(ah));
    EXPECT_TRUE(SetChkSetupPasswd(ah, 3, codes, 4));
    EXPECT_FALSE(SetChkSetupPasswd(ah, 3, codes, 3)) << "a shorter entry is a different password";
    EXPECT_NE(ah, 0);

    // Loading the setup defaults restores the button actions, not the password.
    ASSERT_TRUE(LoadSetupDefault());
    EXPECT_EQ(s.shell.settings.buttonAction[kLidButton], NotebookState().shell.settings.buttonAction[kLidButton]);
    EXPECT_TRUE(AskSetupPasswd(ah));
}

TEST_F(SimulatedNotebook, AMalformedStateFileIsRefusedAndLeftAlone) {
    const char* text = "revision = 0x0108\nrefuse = ZEFACheck whenever\n";
    std::string error;
    EXPECT_FALSE(Open(text, &error));
    EXPECT_NE(error.find(state().string()), std::string::npos) << error;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(state()), text);
}

TEST_F(SimulatedNotebook, EachRefusalModeAnswersAsItSays) {
    ASSERT_TRUE(Open("refuse = ZEFACheck status\nrefuse = SetHotkeyButton channel\n"
                     "refuse = AskSetupPasswd ah=86\nrefuse = SetPowerButtonAction status\n"));
    std::uint8_t ah = 0xFF;
    std::uint16_t revision = 0xBEEF;
    EXPECT_FALSE(ZEFACheck(ah, revision));
    EXPECT_EQ(revision, 0xBEEF);
    EXPECT_FALSE(SetHotkeyButton(1));
    EXPECT_FALSE(AskSetupPasswd(ah));
    EXPECT_EQ(ah, 0x86);
    EXPECT_FALSE(SetPowerButtonAction(1, 1));
    EXPECT_TRUE(LoadSetupDefault()) << "calls not named are answered";

    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0],
              "ZEFACheck EAX=00009610 EBX=00000000 ECX=00000000 EDX=00000000 -> STATUS=FFFFFFFF "
              "EAX=00009610 EBX=00000000 ECX=00000000 EDX=00000000");
    EXPECT_EQ(lines[1], "SetHotkeyButton EAX=00009612 EBX=00000105 ECX=00000000 EDX=00000000 -> FAILED");
    EXPECT_EQ(lines[2],
              "AskSetupPasswd EAX=00009610 EBX=00000108 ECX=00000000 EDX=00000000 -> STATUS=00000000 "
              "EAX=00008610 EBX=00000108 ECX=00000000 EDX=00000000");
    // A refused setting is not changed.
    EXPECT_EQ(notebook().shell.settings.buttonAction[kPowerButton],
              NotebookState().shell.settings.buttonAction[kPowerButton]);
}

TEST_F(SimulatedNotebook, LogsBufferBytesAndPowerButtonActions) {
    ASSERT_TRUE(Open("setup_password = 1E 30\n"));
    const std::uint8_t codes[2] = {0x1E, 0x31};
    std::uint8_t ah = 0;
    EXPECT_FALSE(SetChkSetupPasswd(ah, 3, codes, 2));
    EXPECT_TRUE(SetPowerButtonAction(1, 3));
    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, lines[0].find(" -> ")),
              "SetChkSetupPasswd EAX=00009610 EBX=00000308 ECX=00000002 EDX=00000000 BUF=1E31");
    EXPECT_NE(lines[0].find("-> STATUS=00000000 EAX=00000210"), std::string::npos) << "AH 2: wrong password; " << lines[0];
    EXPECT_EQ(lines[1],
              "SetPowerButtonAction EAX=00009612 EBX=00000127 ECX=00000103 EDX=00000000 -> STATUS=00000000 "
              "EAX=00000012 EBX=00000127 ECX=00000103 EDX=00000000");
}

TEST_F(SimulatedNotebook, RefusesOutOfRangeArgumentsAndUnknownFunctions) {
    ASSERT_TRUE(Open(nullptr));
    EXPECT_FALSE(SetPowerButtonAction(3, 1)) << "there is no fourth button";
    EXPECT_FALSE(SetPowerButtonAction(0, 4)) << "no action 4";
    EXPECT_FALSE(SetHotkeyButton(2));
    std::uint8_t ah = 0;
    const std::uint8_t nine[9] = {};
    EXPECT_FALSE(SetChkSetupPasswd(ah, 2, nine, 9)) << "at most 8 scan codes";
    EXPECT_FALSE(AskSetupPasswd(ah)) << "the refused store left no password";

    RegisterFrame in;
    in.eax = 0x9610;
    in.ebx = 0x00EE;
    RegisterFrame out;
    ASSERT_TRUE(CallBios(in, out, "Unknown"));
    EXPECT_EQ(out.status, 0xFFFFFFFFu);
    EXPECT_EQ(out.ah(), 0x86);
}

TEST_F(SimulatedNotebook, ABufferOutsideTheLentMemoryIsRefused) {
    ASSERT_TRUE(Open(nullptr));
    RegisterFrame in;
    in.eax = 0x9610;
    in.ebx = 0x0208;
    in.ecx = 4;
    in.esi = 0x00000010;  // nothing lent there
    RegisterFrame out;
    ASSERT_TRUE(CallBios(in, out, "SetChkSetupPasswd"));
    EXPECT_EQ(out.status, 0xFFFFFFFFu);
    std::uint8_t ah = 0;
    EXPECT_FALSE(AskSetupPasswd(ah));
}

}  // namespace
}  // namespace tlw::sim
