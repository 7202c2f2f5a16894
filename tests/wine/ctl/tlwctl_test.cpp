// tlwctl.exe under Wine, run as a child process on simulated notebooks of the
// tests' own: its output and exit codes, the state file it leaves, the
// requests it makes, and the setup password piped in.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include <commctrl.h>

#include "res/resource.h"
#include "tests/wine/harness.h"

namespace {

struct Outcome {
    DWORD code = 0;
    std::string out;
    std::string err;
};

std::string TlwctlPath() {
    const std::string& tlw = wt::TlwPath();
    return tlw.substr(0, tlw.find_last_of('\\') + 1) + "tlwctl.exe";
}

class Tlwctl : public ::testing::Test {
protected:
    Outcome Run(const std::string& arguments, const std::string& input = "", bool simulated = true) {
        return RunOn(arguments, simulated ? State() : "", simulated ? Log() : "", input, 60000);
    }
    // tlwctl on the notebook `statePath` names (none when empty), logging to `logPath`.
    Outcome RunOn(const std::string& arguments, const std::string& statePath, const std::string& logPath,
                  const std::string& input, DWORD timeoutMs) {
        wt::WriteText(dir.File("input.txt"), input);
        wt::Launch launch;
        launch.program = TlwctlPath();
        launch.arguments = arguments;
        launch.statePath = statePath;
        launch.logPath = logPath;
        launch.inputPath = dir.File("input.txt");
        launch.outputPath = dir.File("out.txt");
        launch.errorPath = dir.File("err.txt");
        Outcome outcome;
        {
            wt::Process process(launch);
            EXPECT_TRUE(process.WaitForExit(timeoutMs)) << "tlwctl " << arguments << " did not end";
            outcome.code = process.exitCode();
        }
        outcome.out = wt::ReadText(dir.File("out.txt"));
        outcome.err = wt::ReadText(dir.File("err.txt"));
        return outcome;
    }
    std::string State() const { return dir.File("notebook.ini"); }
    std::string Log() const { return dir.File("requests.log"); }
    std::string File(const char* name) const { return dir.File(name); }
    // The requests since the log was last removed that write a setting.
    std::vector<std::string> Writes() {
        std::vector<std::string> writes;
        for (const std::string& line : wt::ReadLines(Log())) {
            const std::string call = line.substr(0, line.find(' '));
            if ((call.rfind("Set", 0) == 0 && call != "SetChkSetupPasswd") || call.rfind("Enable", 0) == 0 ||
                call == "CMOSChecksum") {
                writes.push_back(call);
            }
        }
        ::DeleteFileA(Log().c_str());
        return writes;
    }
    void Notebook(const std::string& extra = "") {
        wt::WriteText(State(), "boot_sequence = 00 01 02 08\nmonitor_connected = on\n" + extra);
    }

    wt::TempDir dir;
};

TEST_F(Tlwctl, ExportChangeImportBringsEverySettingBack) {
    Notebook();
    // A first write has the notebook save every key of its state.
    ASSERT_EQ(Run("set hotkey_button=on").code, 0u);
    Writes();
    const std::string before = wt::ReadText(State());
    Outcome exported = Run("export " + File("a.txt"));
    ASSERT_EQ(exported.code, 0u) << exported.err;
    EXPECT_EQ(Writes(), std::vector<std::string>{}) << "export only reads";
    const std::string file = wt::ReadText(File("a.txt"));
    EXPECT_NE(file.find("\nfast_boot = off\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\nboot_order = Floppy Disk, Hard Disk, CD-ROM/DVD-ROM/CD-RW, ZIP Drive\n"), std::string::npos);
    EXPECT_EQ(file.find("password"), std::string::npos);

    Outcome changed = Run("set fast_boot=on fan_always_on=on \"boot_order=ZIP Drive,0,1,2\" boot_display=Both "
                          "\"display_device=External monitor\" brightness=1 contrast=14");
    EXPECT_EQ(changed.code, 4u) << changed.err;
    EXPECT_NE(changed.out.find("fast_boot: off -> on"), std::string::npos) << changed.out;
    EXPECT_NE(changed.out.find("restart"), std::string::npos);
    EXPECT_NE(wt::ReadText(State()), before);
    Writes();

    Outcome dry = Run("import " + File("a.txt") + " --dry-run");
    EXPECT_EQ(dry.code, 0u) << dry.err;
    EXPECT_NE(dry.out.find("brightness: 1 -> 5\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("boot_order: ZIP Drive, Floppy Disk, Hard Disk, CD-ROM/DVD-ROM/CD-RW -> "
                           "Floppy Disk, Hard Disk, CD-ROM/DVD-ROM/CD-RW, ZIP Drive\n"),
              std::string::npos)
        << dry.out;
    EXPECT_EQ(Writes(), std::vector<std::string>{}) << "a dry run writes nothing";

    Outcome imported = Run("import " + File("a.txt"));
    EXPECT_EQ(imported.code, 4u) << imported.err;
    EXPECT_EQ(imported.out.substr(0, dry.out.find("Dry run")), dry.out.substr(0, dry.out.find("Dry run")));
    EXPECT_EQ(imported.err, "");
    EXPECT_EQ(wt::ReadText(State()), before);

    Outcome got = Run("get boot_display");
    EXPECT_EQ(got.code, 0u);
    EXPECT_EQ(got.out, "Auto\n");
}

// The change made as a user makes it, in tlw.exe's own window: fast boot on
// the POST page and the boot display on the display device page, then OK and
// no restart. The import brings the exported settings back.
TEST_F(Tlwctl, AChangeInTheProgramIsUndoneByImportingTheExport) {
    Notebook();
    ASSERT_EQ(Run("set hotkey_button=on").code, 0u);
    Outcome exported = Run("export " + File("a.txt"));
    ASSERT_EQ(exported.code, 0u) << exported.err;
    const std::string before = wt::ReadText(State());

    wt::Launch launch;
    launch.statePath = State();
    launch.logPath = Log();
    {
        wt::Process tlw(launch);
        HWND sheet = wt::WaitForWindow("#32770", "Tallowin", tlw.id(), 20000);
        ASSERT_NE(sheet, nullptr);
        struct Change {
            int page;
            int control;
        };
        for (const Change& change : {Change{1, IDC_POST_SIMPLE_BOOT}, Change{4, IDC_BOOT_DISPLAY_BOTH}}) {
            ::SendMessageA(sheet, PSM_SETCURSEL, change.page, 0);
            HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            ASSERT_NE(page, nullptr);
            wt::PressButton(page, change.control);
        }
        wt::PressButton(sheet, IDOK);
        HWND restart = wt::WaitForWindow("#32770", "BIOS Settings Change", tlw.id(), 20000);
        ASSERT_NE(restart, nullptr) << "fast boot and the boot display ask for a restart";
        wt::PressButton(restart, IDCANCEL);
        ASSERT_TRUE(tlw.WaitForExit(20000));
    }
    ASSERT_NE(wt::ReadText(State()), before) << "the program wrote the changes";

    Outcome imported = Run("import " + File("a.txt"));
    EXPECT_EQ(imported.code, 4u) << imported.err;
    EXPECT_NE(imported.out.find("fast_boot: on -> off\n"), std::string::npos) << imported.out;
    EXPECT_NE(imported.out.find("boot_display: Both -> Auto\n"), std::string::npos) << imported.out;
    EXPECT_EQ(wt::ReadText(State()), before);
}

TEST_F(Tlwctl, ShowPrintsTheRowsAndJsonTheSettings) {
    Notebook("manufacturer = \"Tab\\x09\\x22Quote\"\n");
    Outcome text = Run("show");
    ASSERT_EQ(text.code, 0u) << text.err;
    EXPECT_NE(text.out.find("Total Memory: 128 MB"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("brightness (Brightness): 5"), std::string::npos) << text.out;
    Outcome json = Run("show --json");
    ASSERT_EQ(json.code, 0u) << json.err;
    EXPECT_EQ(json.out.rfind("{", 0), 0u);
    EXPECT_NE(json.out.find("\"value\": \"Tab\\t\\\"Quote\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"display_device\": \"LCD Panel Only\""), std::string::npos);
}

TEST_F(Tlwctl, EveryExitCode) {
    Notebook("refuse = SetDisplayBrightness status\n");
    EXPECT_EQ(Run("get fan_always_on").code, 0u);
    EXPECT_EQ(Run("").code, 1u) << "no command";
    EXPECT_EQ(Run("set fan=on").code, 1u);

    Outcome differs = Run("set brightness=2");
    EXPECT_EQ(differs.code, 3u);
    EXPECT_EQ(differs.err, "brightness: wrote 2, reads 5\n");
    EXPECT_EQ(Run("set fast_boot=on").code, 4u);

    Outcome noDriver = Run("show", "", false);
    EXPECT_EQ(noDriver.code, 2u) << "no simulated notebook, and Wine has no BIOS driver";
    EXPECT_NE(noDriver.err.find("tlwkmd"), std::string::npos) << noDriver.err;

    wt::WriteText(State(), "refuse = ZEFACheck status\n");
    Outcome platform = Run("show");
    EXPECT_EQ(platform.code, 2u);
    EXPECT_EQ(platform.err, "Incorrect BIOS Version\n");

    wt::WriteText(State(), "setup_password = 1E 30 2E\n");
    EXPECT_EQ(Run("show").code, 5u) << "no password piped in";
}

TEST_F(Tlwctl, ThePasswordGateTakesThePasswordPipedIn) {
    // "abc" as its keys' scan codes, through the keyboard layout.
    Notebook("setup_password = 1E 30 2E\n");
    const std::string before = wt::ReadText(State());
    Outcome wrong = Run("set fast_boot=on", "abd\r\nab\r\nabcd\r\nabc\r\n");
    EXPECT_EQ(wrong.code, 5u);
    EXPECT_NE(wrong.err.find("Password incorrect over 3 times"), std::string::npos) << wrong.err;
    EXPECT_EQ(Writes(), std::vector<std::string>{});
    EXPECT_EQ(wt::ReadText(State()), before);

    Outcome right = Run("set fast_boot=on", "xyz\nABC\n");
    EXPECT_EQ(right.code, 4u) << right.err;
    EXPECT_NE(right.err.find("Invalid password."), std::string::npos);
    // The boot options byte is read, then written, under the one call's name.
    EXPECT_EQ(Writes(), (std::vector<std::string>{"EnableFan", "EnableSimpleBoot", "EnableSimpleBoot", "CMOSChecksum"}));
    EXPECT_EQ(right.out.find("abc"), std::string::npos) << "the password is never echoed";
}

TEST_F(Tlwctl, BadInputWritesNothing) {
    wt::WriteText(State(), "boot_sequence = 00 01 02 08\nasset_tag = \"SET\"\n");
    wt::WriteText(File("bad.txt"), "fast_boot = on\nbrightness = 99\n");
    wt::WriteText(File("malformed.txt"), "fast_boot = on\nthis is no setting\n");
    wt::WriteText(File("unknown.txt"), "fast_boot = on\nturbo = on\n");
    const std::string before = wt::ReadText(State());
    const std::string refused[] = {"set fast_boot=on turbo=on", "set fast_boot=on brightness=8",
                                   "set fast_boot=on boot_order=0,1,2", "set fast_boot=on boot_order=0,1,2,8,3",
                                   "set fast_boot=on asset_tag=NEW", "set fast_boot=on display_device=Both",
                                   "set fast_boot=maybe", "import " + File("bad.txt"),
                                   "import " + File("malformed.txt"), "import " + File("unknown.txt"),
                                   "import " + File("nowhere.txt")};
    for (const std::string& line : refused) {
        Outcome outcome = Run(line);
        EXPECT_EQ(outcome.code, 1u) << line << "\n" << outcome.out;
        EXPECT_NE(outcome.err.find("Nothing was written"), std::string::npos) << line << ": " << outcome.err;
        EXPECT_EQ(Writes(), std::vector<std::string>{}) << line;
    }
    EXPECT_EQ(wt::ReadText(State()), before);
}

// Every file a person names, to import, to export to, as the state file, its
// DMI table or the request log, is a file on disk, or refused at once saying
// why: a device (COM1 and AUX wait for ever, NUL and nul.txt read as empty), a
// folder, the notebook's own files as an export's target, paths the notebook
// could never save through. Nothing is written.
TEST_F(Tlwctl, NamesThatAreNoFileOnDiskAreRefusedAtOnceSayingWhy) {
    Notebook();
    // No aux.ini can be made to test with: opening that name waits on the port.
    wt::WriteText(File("table.ini"), "dmi_table = COM1\n");
    ASSERT_TRUE(::CreateDirectoryA(File("folder").c_str(), nullptr));
    const std::string longState = dir.path() + "\\" + std::string(254 - dir.path().size() - 1, 'n');
    const std::string notebook = State(), log = Log();
    const struct {
        std::string arguments, state, log, says;
        DWORD code;
    } cases[] = {
        {"import COM1", notebook, log, "Cannot read COM1: it names a device, not a file on disk", 1},
        {"import AUX", notebook, log, "Cannot read AUX: it names a device", 1},
        {"import NUL", notebook, log, "Cannot read NUL: it names a device", 1},
        {"import " + File("nul.txt"), notebook, log, "nul.txt: it names a device", 1},
        {"import " + File("folder"), notebook, log, "folder: it is a directory", 1},
        {"export COM1", notebook, log, "Cannot write COM1: it names a device", 1},
        {"export " + File("Nul.log"), notebook, log, "Nul.log: it names a device", 1},
        {"export " + notebook, notebook, log, "it is the simulated notebook's state file (TALLOWIN_SIMULATOR)", 1},
        {"export " + log, notebook, log, "it is the simulated notebook's request log (TALLOWIN_SIMULATOR_LOG)", 1},
        {"show", "COM1", log, "state file COM1 cannot be read: it names a device", 2},
        {"show", File("aux.ini"), log, "aux.ini cannot be read: it names a device", 2},
        {"show", notebook, "NUL", "request log NUL cannot be written: it names a device", 2},
        {"show", notebook, notebook, "TALLOWIN_SIMULATOR_LOG names the state file itself", 2},
        {"show", File("table.ini"), log, "dmi_table names COM1, and it names a device", 2},
        {"show", longState, log, "TALLOWIN_SIMULATOR is too long for the files the notebook saves through", 2},
    };
    const std::string before = wt::ReadText(notebook);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments + " on " + c.state + ", log " + c.log);
        const Outcome outcome = RunOn(c.arguments, c.state, c.log, "", 20000);
        EXPECT_EQ(outcome.code, c.code) << outcome.out;
        EXPECT_NE(outcome.err.find(c.says), std::string::npos) << outcome.err;
        EXPECT_EQ(Writes(), std::vector<std::string>{});
        EXPECT_EQ(wt::ReadText(notebook), before);
    }
    EXPECT_EQ(::GetFileAttributesA(longState.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
