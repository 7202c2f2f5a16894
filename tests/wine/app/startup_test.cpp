// Start-up of tlw.exe on the simulated notebook: the command-line mode, the
// single instance, the silent end, the platform check, the hotkey button.
#include <gtest/gtest.h>

#include "tests/wine/harness.h"

namespace {

constexpr DWORD kStartTimeout = 60000;

class Startup : public ::testing::Test {
protected:
    wt::Launch Simulated(const std::string& arguments, const std::string& state = "") {
        if (!state.empty()) wt::WriteText(dir_.File("notebook.ini"), state);
        return {arguments, dir_.File("notebook.ini"), dir_.File("requests.log"), dir_.path(), ""};
    }
    std::vector<std::string> Log() const { return wt::ReadLines(dir_.File("requests.log")); }

    wt::TempDir dir_;
};

TEST_F(Startup, CommandLineFlagAppliesTheSavedActionsInOrderLidPowerSleep) {
    wt::ButtonActionsKey key;
    key.SetBinary("SleepButton", {0x00});
    key.SetBinary("LidButton", {0x01});
    key.SetBinary("PowerButton", {0x03});
    for (const char* flag : {"/1", "-1"}) {
        SCOPED_TRACE(flag);
        ::DeleteFileA(dir_.File("requests.log").c_str());
        wt::Process tlw(Simulated(flag));
        ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
        EXPECT_TRUE(wt::TopLevelWindowsOf(tlw.id()).empty());
        const auto log = Log();
        ASSERT_EQ(log.size(), 3u) << "the command-line mode makes no other request";
        const char* ecx[] = {"ECX=00000001", "ECX=00000103", "ECX=00000200"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(log[i].rfind("SetPowerButtonAction EAX=00009612 EBX=00000127 " + std::string(ecx[i]), 0), 0u)
                << log[i];
        }
    }
}

TEST_F(Startup, CommandLineSkipsAValueOfAnotherTypeOrSizeAndAppliesTwiceWhenGivenTwice) {
    wt::ButtonActionsKey key;
    key.SetBinary("LidButton", {0x02});
    key.SetDword("PowerButton", 3);
    key.SetBinary("SleepButton", {0x01, 0x00, 0x00, 0x00});
    {
        wt::Process tlw(Simulated("/1"));
        ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
        const auto calls = wt::LinesOf(Log(), "SetPowerButtonAction");
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_NE(calls[0].find("ECX=00000002 "), std::string::npos);
        EXPECT_NE(calls[1].find("ECX=00000201 "), std::string::npos);
    }
    key.SetBinary("PowerButton", {0x03, 0, 0, 0, 0});  // five bytes: too large, skipped
    ::DeleteFileA(dir_.File("requests.log").c_str());
    {
        wt::Process tlw(Simulated("/1 /1"));
        ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
        const auto calls = wt::LinesOf(Log(), "SetPowerButtonAction");
        ASSERT_EQ(calls.size(), 4u);
        EXPECT_NE(calls[2].find("ECX=00000002 "), std::string::npos);
        EXPECT_NE(calls[3].find("ECX=00000201 "), std::string::npos);
    }
}

TEST_F(Startup, CommandLineWithoutTheKeyAppliesNothing) {
    { wt::ButtonActionsKey removeIt; }
    wt::Process tlw(Simulated("/1"));
    ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
    EXPECT_TRUE(Log().empty());
}

TEST_F(Startup, BareOneOpensTheSettingsWithTheHotkeyButtonOffAroundThem) {
    wt::ButtonActionsKey key;
    key.SetBinary("LidButton", {0x01});
    wt::Process tlw(Simulated("1"));
    HWND window = wt::WaitForWindow("#32770", "Tallowin", tlw.id(), kStartTimeout);
    ASSERT_NE(window, nullptr);
    auto log = wt::WithoutInformationFills(Log());
    EXPECT_TRUE(wt::LinesOf(log, "SetPowerButtonAction").empty());
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].rfind("ZEFACheck ", 0), 0u);
    EXPECT_EQ(log[1].rfind("AskSetupPasswd ", 0), 0u);
    EXPECT_EQ(log[2].rfind("SetHotkeyButton EAX=00009612 EBX=00000005 ", 0), 0u) << log[2];

    ::PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
    log = wt::WithoutInformationFills(Log());
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[3].rfind("SetHotkeyButton EAX=00009612 EBX=00000105 ", 0), 0u) << log[3];
    EXPECT_NE(wt::ReadText(dir_.File("notebook.ini")).find("hotkey_button = on"), std::string::npos);
}

TEST_F(Startup, ASecondInstanceBringsTheFirstToTheFrontAndTouchesNoDriver) {
    wt::Process first(Simulated(""));
    HWND window = wt::WaitForWindow("#32770", "Tallowin", first.id(), kStartTimeout);
    ASSERT_NE(window, nullptr);
    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(window));

    wt::Launch second = Simulated("/1");
    second.logPath = dir_.File("second.log");
    wt::ButtonActionsKey key;
    key.SetBinary("LidButton", {0x01});
    wt::Process other(second);
    ASSERT_TRUE(other.WaitForExit(kStartTimeout));
    EXPECT_TRUE(wt::ReadLines(dir_.File("second.log")).empty()) << "the second instance made a BIOS request";
    EXPECT_FALSE(::IsIconic(window)) << "the running instance was not restored";
    EXPECT_TRUE(first.running());
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit(kStartTimeout));
}

TEST_F(Startup, WithoutDriverOrSimulatorTheProgramEndsSilently) {
    wt::Launch launch{"", "", "", dir_.path(), ""};
    wt::Process tlw(launch);
    const DWORD start = ::GetTickCount();
    bool windowSeen = false;
    while (tlw.running() && ::GetTickCount() - start < kStartTimeout) {
        windowSeen = windowSeen || !wt::TopLevelWindowsOf(tlw.id()).empty();
        ::Sleep(20);
    }
    EXPECT_FALSE(tlw.running());
    EXPECT_FALSE(windowSeen);
}

TEST_F(Startup, RefusedPlatformCheckShowsTheMessageThenEnds) {
    wt::Process tlw(Simulated("", "refuse = ZEFACheck status\n"));
    HWND box = wt::WaitForWindow("#32770", "tlw", tlw.id(), kStartTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(wt::StaticTextsOf(box), "Incorrect BIOS Version");
    EXPECT_TRUE(tlw.running()) << "the program must wait for the message to be read";
    wt::PressButton(box, IDOK);
    ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
    const auto log = Log();
    ASSERT_EQ(log.size(), 1u) << "nothing after the platform check";
    EXPECT_EQ(log[0].rfind("ZEFACheck ", 0), 0u);
    EXPECT_TRUE(wt::TopLevelWindowsOf(tlw.id()).empty());
}

TEST_F(Startup, ASetSetupPasswordIsAskedForBeforeTheSettingsAndCancelEndsTheProgram) {
    wt::Process tlw(Simulated("", "setup_password = 1E 30 2E\n"));
    HWND prompt = wt::WaitForWindow("#32770", "Tallowin", tlw.id(), kStartTimeout);
    ASSERT_NE(prompt, nullptr);
    EXPECT_NE(::GetDlgItem(prompt, 1154), nullptr) << "the password prompt, not the sheet";
    wt::PressButton(prompt, IDCANCEL);
    ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
    const auto log = Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].rfind("AskSetupPasswd ", 0), 0u);
    EXPECT_TRUE(wt::LinesOf(log, "SetHotkeyButton").empty());
}

TEST_F(Startup, AnUnusableStateFileIsNamedWithItsLineAndKept) {
    const std::string state = "revision = 0x0108\nhotkey_button = sometimes\n";
    wt::Process tlw(Simulated("", state));
    HWND box = wt::WaitForWindow("#32770", "tlw", tlw.id(), kStartTimeout);
    ASSERT_NE(box, nullptr);
    const std::string message = wt::StaticTextsOf(box);
    EXPECT_NE(message.find(dir_.File("notebook.ini")), std::string::npos) << message;
    EXPECT_NE(message.find("line 2"), std::string::npos) << message;
    wt::PressButton(box, IDOK);
    ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
    EXPECT_EQ(wt::ReadText(dir_.File("notebook.ini")), state);
    EXPECT_TRUE(Log().empty());
}

TEST_F(Startup, AnUnusableSimulatorSettingSaysWhyAndNeverOpensTheDevice) {
    const std::string held = dir_.File("held.ini");
    wt::WriteText(held, "hotkey_button = off\n");
    // Another program holds the file and shares it with no one.
    HANDLE holder = ::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const std::string tooLong = "C:\\" + std::string(600, 'n') + ".ini";
    // A path of 254 characters: a path, but the files a save writes beside it are too long to be.
    const std::string longState = dir_.path() + "\\" + std::string(254 - dir_.path().size() - 1, 'n');
    const std::string notebook = dir_.File("notebook.ini"), log = dir_.File("requests.log");
    wt::WriteText(dir_.File("table.ini"), "dmi_table = " + dir_.File("aux") + "\n");
    const struct {
        std::string state, log, says;
    } cases[] = {
        {tooLong, log, "TALLOWIN_SIMULATOR is longer than a path can be"},
        {notebook, "C:\\" + std::string(300, 'l') + ".log", "TALLOWIN_SIMULATOR_LOG is longer than a path can be"},
        {dir_.path(), log, dir_.path() + " cannot be read: it is a directory"},
        {held, log, held + " cannot be read"},
        // Devices: COM1 and AUX would wait for ever, nul.txt would read as empty.
        {"COM1", log, "state file COM1 cannot be read: it names a device, not a file on disk"},
        {dir_.File("nul.txt"), log, "nul.txt cannot be read: it names a device"},
        {notebook, "AUX", "request log AUX cannot be written: it names a device"},
        {dir_.File("table.ini"), log, "dmi_table names " + dir_.File("aux") + ", and it names a device"},
        {longState, log, "TALLOWIN_SIMULATOR is too long for the files the notebook saves through beside it"},
        {notebook, notebook, "TALLOWIN_SIMULATOR_LOG names the state file itself"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        wt::Process tlw({"", c.state, c.log, dir_.path(), ""});
        HWND box = wt::WaitForWindow("#32770", "tlw", tlw.id(), kStartTimeout);
        ASSERT_NE(box, nullptr) << "no message: the program fell back to the device";
        EXPECT_NE(wt::StaticTextsOf(box).find(c.says), std::string::npos) << wt::StaticTextsOf(box);
        wt::PressButton(box, IDOK);
        ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
    }
    ::CloseHandle(holder);
    EXPECT_EQ(wt::ReadText(held), "hotkey_button = off\n");
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(::GetFileAttributesA(notebook.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing was made";
    EXPECT_EQ(::GetFileAttributesA(longState.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
