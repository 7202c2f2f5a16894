// Start-up of tlw.exe on the simulated notebook: the command-line mode, the
// single instance, the silent end, the platform check, the hotkey button, the
// start-up trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

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

// A start-up trace as the program writes it: each phase's start, length,
// message count, nesting and name, and the DLLs (file names, lower case).
struct TraceLine {
    double start, length;
    int times, depth;
    std::string name;
};
struct StartupTrace {
    std::vector<TraceLine> phases;
    std::vector<std::string> dlls;
    std::string text;

    const TraceLine* Find(const std::string& name) const {
        for (const TraceLine& p : phases) {
            if (p.name.rfind(name, 0) == 0) return &p;
        }
        return nullptr;
    }
};

StartupTrace ReadTrace(const std::string& path) {
    StartupTrace trace;
    trace.text = wt::ReadText(path);
    for (const std::string& line : wt::ReadLines(path)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("dll ", 0) == 0) {
            std::string name = line.substr(line.find_last_of("\\/") + 1);
            for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            trace.dlls.push_back(name);
            continue;
        }
        TraceLine phase = {};
        int used = 0;
        if (std::sscanf(line.c_str(), "%lf %lf %d%n", &phase.start, &phase.length, &phase.times, &used) != 3) {
            ADD_FAILURE() << "not a phase: " << line;
            continue;
        }
        std::string rest = line.substr(static_cast<std::size_t>(used) + 2);
        const std::size_t indent = rest.find_first_not_of(' ');
        phase.depth = static_cast<int>(indent / 2);
        phase.name = rest.substr(indent);
        trace.phases.push_back(phase);
    }
    return trace;
}

// Every phase lies inside the one it is nested in, and the outermost follow
// one another; all of them in the order `expected` names them.
void ExpectWellFormed(const StartupTrace& trace, const std::vector<std::string>& expected) {
    constexpr double kRounding = 0.02;  // figures are written to a hundredth
    std::vector<const TraceLine*> open;
    double previousEnd = 0;
    for (const TraceLine& p : trace.phases) {
        SCOPED_TRACE(p.name);
        EXPECT_GE(p.start, 0);
        EXPECT_GE(p.length, 0);
        EXPECT_GE(p.times, 1);
        while (static_cast<int>(open.size()) > p.depth) open.pop_back();
        ASSERT_EQ(static_cast<int>(open.size()), p.depth) << "nested under nothing";
        if (open.empty()) {
            EXPECT_GE(p.start + kRounding, previousEnd) << "outermost phases overlap";
            previousEnd = p.start + p.length;
        } else {
            EXPECT_GE(p.start + kRounding, open.back()->start);
            EXPECT_LE(p.start + p.length, open.back()->start + open.back()->length + kRounding);
        }
        open.push_back(&p);
    }
    std::size_t next = 0;
    for (const TraceLine& p : trace.phases) {
        if (next < expected.size() && p.name.rfind(expected[next], 0) == 0) ++next;
    }
    EXPECT_EQ(next, expected.size()) << "missing or out of order: " << (next < expected.size() ? expected[next] : "")
                                     << "\n" << trace.text;
}

TEST_F(Startup, TheStartupTraceTimesEachPhaseUpToTheFirstIdleAndNamesTheDllsLoadedByThen) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    wt::Launch launch = Simulated("");
    launch.tracePath = dir_.File("trace.txt");
    wt::Process tlw(launch);
    HWND sheet = wt::WaitForWindow("#32770", "Tallowin", tlw.id(), kStartTimeout);
    ASSERT_NE(sheet, nullptr);
    // The trace is written at the first message after the first idle.
    for (int tries = 0; tries < 400 && ::GetFileAttributesA(launch.tracePath.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++tries) {
        ::PostMessageA(sheet, WM_NULL, 0, 0);
        ::Sleep(50);
    }
    ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
    const StartupTrace trace = ReadTrace(launch.tracePath);
    ExpectWellFormed(trace, {"runtime start", "single-instance check", "opening the channel", "platform check",
                             "password check", "hotkey button off", "common controls", "sheet: the page objects",
                             "sheet: icons", "sheet window with its first page", "sheet: initialisation",
                             "page window: Information Viewer", "picture: load and conversion", "list: columns",
                             "list: BIOS rows", "list: DMI read", "list: insertions", "first paint",
                             "paint SysListView32", "first idle"});
    EXPECT_GT(trace.phases.front().length, 0) << "the process's age at its first instruction of ours";
    EXPECT_EQ(trace.phases.back().name.rfind("first idle", 0), 0u) << "the last phase";
    EXPECT_NE(trace.text.find("# DLLs loaded at the first idle"), std::string::npos);
    for (const char* loaded : {"tlw.exe", "comctl32.dll", "user32.dll"}) {
        EXPECT_NE(std::find(trace.dlls.begin(), trace.dlls.end(), loaded), trace.dlls.end()) << loaded;
    }
    // Help, the device installer and the configuration manager are loaded when asked for, never at start.
    for (const char* later : {"hhctrl.ocx", "setupapi.dll", "cfgmgr32.dll"}) {
        EXPECT_EQ(std::find(trace.dlls.begin(), trace.dlls.end(), later), trace.dlls.end()) << later;
    }
}

TEST_F(Startup, AStartThatEndsBeforeTheSheetWritesItsTraceAtTheEndAndNoTraceWithoutTheVariable) {
    wt::Launch launch = Simulated("", "setup_password = 1E 30 2E\n");
    launch.tracePath = dir_.File("trace.txt");
    wt::Launch untraced = launch;
    untraced.tracePath.clear();
    for (const wt::Launch& run : {untraced, launch}) {
        SCOPED_TRACE(run.tracePath);
        wt::Process tlw(run);
        HWND prompt = wt::WaitForWindow("#32770", "Tallowin", tlw.id(), kStartTimeout);
        ASSERT_NE(prompt, nullptr);
        wt::PressButton(prompt, IDCANCEL);
        ASSERT_TRUE(tlw.WaitForExit(kStartTimeout));
        EXPECT_EQ(::GetFileAttributesA(launch.tracePath.c_str()) != INVALID_FILE_ATTRIBUTES, !run.tracePath.empty());
    }
    const StartupTrace trace = ReadTrace(launch.tracePath);
    ExpectWellFormed(trace, {"runtime start", "single-instance check", "opening the channel", "platform check",
                             "password check"});
    EXPECT_EQ(trace.phases.back().name, "password check") << "the prompt was cancelled: nothing after it";
    EXPECT_NE(trace.text.find("# DLLs loaded at the end"), std::string::npos);
    EXPECT_FALSE(trace.dlls.empty());
}

}  // namespace
