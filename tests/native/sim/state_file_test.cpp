// The simulated notebook's state file: reading, rewriting in place, refusing.
#include "sim/state_file.h"

#include <gtest/gtest.h>

#include "sim/notebook_state.h"

namespace tlw::sim {
namespace {

TEST(StateFile, KeepsCommentsAndOrderWhenAValueChanges) {
    StateFile file;
    std::string error;
    ASSERT_TRUE(file.Parse("# my notebook\r\nrevision = 0x0108  # old BIOS\n\nhotkey_button=on\n", error));
    file.Set("hotkey_button", "off");
    file.Set("revision", "0x0201");
    file.Set("lid_button_action", "2");
    EXPECT_EQ(file.Text(),
              "# my notebook\nrevision = 0x0201  # old BIOS\n\nhotkey_button = off\nlid_button_action = 2\n");
}

TEST(StateFile, NamesTheLineThatIsNotKeyValue) {
    StateFile file;
    std::string error;
    EXPECT_FALSE(file.Parse("revision = 1\n\n  garbage here\n", error));
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    EXPECT_FALSE(file.Parse("= 5\n", error));
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
}

NotebookState Read(const std::string& text, std::string& error, bool& ok) {
    StateFile file;
    NotebookState state;
    ok = file.Parse(text, error) && ReadState(file, state, error);
    return state;
}

TEST(NotebookState, ReadsEveryKindOfValue) {
    std::string error;
    bool ok = false;
    const NotebookState s = Read(
        "revision = 0x0201\nsetup_password = 1E 30 2e\nhotkey_button = off\n"
        "lid_button_action = 0\npower_button_action = 2\nsleep_button_action = 0x03\n"
        "refuse = ZEFACheck status\nrefuse = AskSetupPasswd ah=86\nrefuse = CMOSChecksum channel\n",
        error, ok);
    ASSERT_TRUE(ok) << error;
    EXPECT_EQ(s.shell.revision, 0x0201);
    EXPECT_EQ(s.shell.setupPassword, (std::vector<std::uint8_t>{0x1E, 0x30, 0x2E}));
    EXPECT_FALSE(s.shell.hotkeyButtonOn);
    EXPECT_EQ(s.shell.settings.buttonAction[kLidButton], 0);
    EXPECT_EQ(s.shell.settings.buttonAction[kPowerButton], 2);
    EXPECT_EQ(s.shell.settings.buttonAction[kSleepButton], 3);
    ASSERT_EQ(s.refusals.size(), 3u);
    EXPECT_EQ(s.RefusalFor("ZEFACheck")->mode, RefusalMode::Status);
    EXPECT_EQ(s.RefusalFor("AskSetupPasswd")->mode, RefusalMode::Ah);
    EXPECT_EQ(s.RefusalFor("AskSetupPasswd")->ah, 0x86);
    EXPECT_EQ(s.RefusalFor("CMOSChecksum")->mode, RefusalMode::Channel);
    EXPECT_EQ(s.RefusalFor("SetHotkeyButton"), nullptr);
}

TEST(NotebookState, KeysLeftOutKeepTheDefaultNotebooksValues) {
    std::string error;
    bool ok = false;
    const NotebookState s = Read("setup_password = 10\n", error, ok);
    ASSERT_TRUE(ok) << error;
    const NotebookState defaults;
    EXPECT_EQ(s.shell.revision, defaults.shell.revision);
    EXPECT_EQ(s.shell.revision, 0x0108);
    EXPECT_TRUE(s.shell.hotkeyButtonOn);
}

TEST(NotebookState, RefusesBadValuesNamingTheLine) {
    const char* bad[] = {
        "revision = 0x10000",          // wider than BX
        "setup_password = 1E 3",       // odd number of digits
        "setup_password = 01 02 03 04 05 06 07 08 09",  // more than 8 codes
        "hotkey_button = maybe",
        "lid_button_action = 256",
        "refuse = ZEFACheck",           // no mode
        "refuse = ZEFACheck ah=00",     // AH 0 is success, not a refusal
        "refuse = ZEFACheck ah=zz",
        "refuse = ZEFACheck sometimes",
        "colour = blue",               // unknown key
    };
    for (const char* line : bad) {
        std::string error;
        bool ok = true;
        Read(std::string("# first\n") + line + "\n", error, ok);
        EXPECT_FALSE(ok) << line;
        EXPECT_NE(error.find("line 2"), std::string::npos) << line << ": " << error;
    }
}

TEST(NotebookState, RefusesAKeyGivenTwiceNamingBothLines) {
    for (const char* text : {"revision = 0x0108\n# again:\nrevision = 0x0201\n",
                             "refuse = ZEFACheck status\n\nrefuse = ZEFACheck ah=86\n"}) {
        std::string error;
        bool ok = true;
        Read(text, error, ok);
        EXPECT_FALSE(ok) << text;
        EXPECT_NE(error.find("line 3"), std::string::npos) << error;
        EXPECT_NE(error.find("line 1"), std::string::npos) << error;
    }
    std::string error;
    bool ok = false;
    const NotebookState s = Read("refuse = ZEFACheck status\nrefuse = AskSetupPasswd status\n", error, ok);
    EXPECT_TRUE(ok) << "refuse lines may repeat for different calls: " << error;
    EXPECT_EQ(s.refusals.size(), 2u);
}

TEST(NotebookState, DefaultFileReadsBackAsTheDefaultNotebook) {
    std::string error;
    bool ok = false;
    NotebookState s = Read(DefaultStateText(), error, ok);
    ASSERT_TRUE(ok) << error;
    const NotebookState defaults;
    EXPECT_EQ(s.shell.revision, defaults.shell.revision);
    EXPECT_TRUE(s.shell.setupPassword.empty());
    EXPECT_TRUE(s.refusals.empty());
    for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(s.shell.settings.buttonAction[b], defaults.shell.settings.buttonAction[b]);
}

}  // namespace
}  // namespace tlw::sim
