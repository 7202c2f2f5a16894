// tlwctl's commands on the simulated notebook: what show, get, set, export
// and import print, write and return; that bad input writes nothing; the
// setup password gate; a refused write seen in the read-back.
#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <memory>

#include "bios/machine_facts.h"
#include "ctl/commands.h"
#include "ctl/machine_settings.h"
#include "dmi/dmi_proxy.h"
#include "res/resource.h"
#include "sim/file_system.h"
#include "sim/simulated_dmi_proxy.h"
#include "sim/simulated_machine_facts.h"
#include "tests/native/ctl/rc_texts.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::ctl {
namespace {

namespace fs = std::filesystem;

// A console whose output is kept and whose password lines are given.
class TestConsole : public Console {
public:
    std::string out, err;
    std::deque<std::string> lines;
    int linesRead = 0;

    void Out(const std::string& text) override { out += text; }
    void Err(const std::string& text) override { err += text; }
    bool ReadSecretLine(std::string& line) override {
        if (lines.empty()) return false;
        line = lines.front();
        lines.pop_front();
        ++linesRead;
        return true;
    }
    // A U.S. keyboard's set 1 scan codes for the digits and letters; the
    // layout gives a letter's key its upper-case virtual key.
    bool KeyOf(char character, std::uint8_t& scanCode, unsigned& virtualKey) override {
        static const std::string rows[] = {"1234567890", "qwertyuiop", "asdfghjkl", "zxcvbnm"};
        static const std::uint8_t firsts[] = {0x02, 0x10, 0x1E, 0x2C};
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
        for (int row = 0; row < 4; ++row) {
            const std::size_t at = rows[row].find(lower);
            if (lower == 0 || at == std::string::npos) continue;
            scanCode = static_cast<std::uint8_t>(firsts[row] + at);
            virtualKey = static_cast<unsigned>(std::toupper(static_cast<unsigned char>(lower)));
            return true;
        }
        if (character == ' ') {
            scanCode = 0x39;
            virtualKey = 0x20;
            return true;
        }
        return false;
    }
    bool ReadFile(const std::string& path, std::string& text, std::string& reason) override {
        return sim::ReadWholeFile(path, text, reason) == sim::ReadResult::Read;
    }
    bool WriteFile(const std::string& path, const std::string& text, std::string& reason) override {
        return sim::ReplaceWholeFile(path, text, reason);
    }
};

class Commands : public sim::SimulatedNotebook {
protected:
    bool OpenNotebook(const std::string& text) {
        sim::WriteFile(state(), text);
        return Reopen();
    }
    // The channel anew on the state file as it is, as a new tlwctl process finds it.
    bool Reopen() {
        CloseBiosChannel();
        std::string error;
        auto driver = sim::SimulatedDriver::Open(state().string(), log().string(), error);
        if (!driver) return false;
        UseDmiProxy(std::make_unique<sim::SimulatedDmiProxy>(state().string(), log().string()));
        UseMachineFacts(std::make_unique<sim::SimulatedMachineFacts>(state().string()));
        return OpenBiosChannelWith(std::move(driver));
    }
    int Tlwctl(const std::vector<std::string>& arguments) {
        console = TestConsole();
        console.lines = passwordLines;
        Invocation invocation;
        std::string error;
        if (!ParseCommandLine(arguments, invocation, error)) return kBadInput;
        return ctl::Run(invocation, console, texts, true);
    }
    // The requests since the log was last cleared that write: every Set,
    // Enable and the checksum.
    std::vector<std::string> Writes() {
        std::vector<std::string> writes;
        for (const std::string& line : LogLines()) {
            const std::string call = line.substr(0, line.find(' '));
            if (call.rfind("Set", 0) == 0 || call.rfind("Enable", 0) == 0 || call == "CMOSChecksum") {
                if (call != "SetChkSetupPasswd") writes.push_back(call);
            }
        }
        return writes;
    }
    void ClearLog() { fs::remove(log()); }
    std::string State() const { return sim::ReadFile(state()); }
    std::string File(const char* name) const { return (dir_ / name).string(); }

    RcTexts texts;
    TestConsole console;
    std::deque<std::string> passwordLines;
};

constexpr const char* kNotebook =
    "boot_options = 0x00\nfan_always_on = off\nboot_sequence = 00 01 02 08\nboot_display = 3\n"
    "display_device = 1\nmonitor_connected = on\nbrightness = 5\nbrightness_range = 0 7\ncontrast = 8\n"
    "contrast_range = 0 15\nasset_tag = \"\"\n";

TEST_F(Commands, ExportChangeImportBringsEverySettingBackShowingAndVerifyingEachChange) {
    ASSERT_TRUE(OpenNotebook(kNotebook));
    // A first write has the notebook save every key of its state.
    ASSERT_EQ(Tlwctl({"set", "hotkey_button=on"}), kDone) << console.err;
    ASSERT_TRUE(Reopen());
    ASSERT_EQ(Tlwctl({"export", File("a.txt")}), kDone) << console.err;
    const std::string exported = State();
    const std::string file = sim::ReadFile(File("a.txt"));
    for (const char* name : {"fast_boot", "fan_always_on", "boot_order", "boot_display", "display_device",
                             "brightness", "contrast", "asset_tag"}) {
        EXPECT_NE(file.find(std::string("\n") + name + " = "), std::string::npos) << name << " not exported:\n" << file;
    }
    EXPECT_EQ(file.find("hdd_boot"), std::string::npos) << "the page offers no hard disk choice here";
    EXPECT_EQ(file.find("password"), std::string::npos);

    ASSERT_EQ(Tlwctl({"set", "fast_boot=on", "fan_always_on=1", "boot_order=8,2,1,0", "boot_display=Both",
                      "display_device=External monitor", "brightness=7", "contrast=0"}),
              kRestartNeeded)
        << console.err;
    EXPECT_NE(console.out.find("restart"), std::string::npos);
    EXPECT_NE(State(), exported);
    ASSERT_TRUE(Reopen());

    ASSERT_EQ(Tlwctl({"import", File("a.txt")}), kRestartNeeded) << console.err;
    EXPECT_NE(console.out.find("fast_boot: on -> off\n"), std::string::npos) << console.out;
    EXPECT_NE(console.out.find("brightness: 7 -> 5\n"), std::string::npos) << console.out;
    EXPECT_NE(console.out.find("boot_order: ZIP Drive, CD-ROM/DVD-ROM/CD-RW, Hard Disk, Floppy Disk "
                               "-> Floppy Disk, Hard Disk, CD-ROM/DVD-ROM/CD-RW, ZIP Drive\n"),
              std::string::npos)
        << console.out;
    EXPECT_EQ(console.err, "");
    EXPECT_EQ(State(), exported);

    ASSERT_EQ(Tlwctl({"import", File("a.txt")}), kDone);
    EXPECT_NE(console.out.find("No changes"), std::string::npos);
}

TEST_F(Commands, SetWritesInTheSheetsOrderThenTheChecksumAndReadsBack) {
    ASSERT_TRUE(OpenNotebook(kNotebook));
    ClearLog();
    ASSERT_EQ(Tlwctl({"set", "Hotkey_Button=off", "contrast=9", "asset_tag=TAG 1", "LID_BUTTON_ACTION=none",
                      "boot_order=1,0,2,8", "fan_always_on=on"}),
              kRestartNeeded)
        << console.err;
    EXPECT_EQ(Writes(), (std::vector<std::string>{"SetAssetTag", "SetAssetTag", "EnableFan", "SetBootSeq",
                                                  "SetDisplayContrast", "SetPowerButtonAction", "SetHotkeyButton",
                                                  "CMOSChecksum"}));
    const std::string now = State();
    EXPECT_NE(now.find("asset_tag = \"TAG 1\""), std::string::npos);
    EXPECT_NE(now.find("lid_button_action = 0"), std::string::npos);
    EXPECT_NE(now.find("hotkey_button = off"), std::string::npos);
    EXPECT_NE(now.find("boot_sequence = 01 00 02 08"), std::string::npos);

    ASSERT_TRUE(Reopen());
    ASSERT_EQ(Tlwctl({"get", "asset_tag"}), kDone);
    EXPECT_EQ(console.out, "TAG 1\n");
    ASSERT_EQ(Tlwctl({"get", "fan_always_on"}), kDone);
    EXPECT_EQ(console.out, "on\n");
    EXPECT_EQ(Tlwctl({"get", "hotkey_button"}), kBadInput) << "the BIOS has no call that reads it";
    EXPECT_EQ(Tlwctl({"get", "fan"}), kBadInput);
}

TEST_F(Commands, BadInputIsRefusedBeforeTheFirstWrite) {
    ASSERT_TRUE(OpenNotebook("boot_sequence = 00 01 02 08\nbrightness_range = 2 6\nmonitor_connected = off\n"
                             "panel_type = 0\nasset_tag = \"OLD\"\n"));
    sim::WriteFile(File("bad.txt"), "fast_boot = on\nbrightness = 9\n");
    sim::WriteFile(File("malformed.txt"), "fast_boot = on\nbrightness\n");
    const std::vector<std::vector<std::string>> refused = {
        {"set", "fast_boot=on", "turbo=on"},
        {"set", "fast_boot=on", "brightness=7"},
        {"set", "brightness=1"},
        {"set", "fast_boot=on", "contrast=3"},
        {"set", "boot_order=0,1,2"},
        {"set", "boot_order=0,1,2,8,5"},
        {"set", "boot_order=0,1,1,8"},
        {"set", "display_device=Both"},
        {"set", "hdd_boot=Secondary HDD"},
        {"set", "asset_tag=NEW"},
        {"set", "fast_boot"},
        {"set", "brightness=3", "brightness=4"},  // which one? refused as import refuses it
        {"set", "fast_boot=on", "FAST_BOOT=off"},
        {"import", File("bad.txt")},
        {"import", File("malformed.txt")},
        {"import", File("missing.txt")},
    };
    const std::string before = State();
    for (const auto& arguments : refused) {
        ClearLog();
        EXPECT_EQ(Tlwctl(arguments), kBadInput) << arguments.back() << "\n" << console.out;
        EXPECT_NE(console.err.find("Nothing was written"), std::string::npos) << arguments.back() << ": " << console.err;
        EXPECT_EQ(Writes(), std::vector<std::string>{}) << arguments.back();
    }
    EXPECT_EQ(State(), before);
}

TEST_F(Commands, WithAHardDiskAt0x82TheCdRomKeepsItsPlaceAndTheHardDiskChoiceIsOffered) {
    ASSERT_TRUE(OpenNotebook("ide_type_82 = 01 00\nboot_sequence = 00 02 01 08\nhdd_boot = 0\n"));
    ASSERT_EQ(Tlwctl({"get", "boot_order"}), kDone);
    EXPECT_EQ(console.out, texts.Text(IDS_BOOT_FLOPPY) + ", " + texts.Text(IDS_BOOT_HARD_DISK) + ", " +
                               texts.Text(IDS_BOOT_ZIP) + "\n")
        << "the page lists no CD-ROM while drive 0x82 is a hard disk";
    EXPECT_EQ(Tlwctl({"set", "boot_order=0,1,2,8"}), kBadInput) << "the CD-ROM is not listed: naming it invents it";
    ASSERT_EQ(Tlwctl({"set", "boot_order=8,1,0", "hdd_boot=Secondary HDD"}), kRestartNeeded) << console.err;
    EXPECT_NE(console.out.find("hdd_boot: " + texts.Text(IDS_PRIMARY_HDD) + " -> " + texts.Text(IDS_SECONDARY_HDD)),
              std::string::npos)
        << console.out;
    EXPECT_NE(State().find("boot_sequence = 08 02 01 00"), std::string::npos) << State();
    EXPECT_NE(State().find("hdd_boot = 2"), std::string::npos);
}

TEST_F(Commands, TheAssetTagIsEnteredOnceOnly) {
    ASSERT_TRUE(OpenNotebook(kNotebook));
    ASSERT_EQ(Tlwctl({"set", "asset_tag=" + std::string(33, 'x')}), kBadInput) << "longer than the dialog takes";
    ASSERT_EQ(Tlwctl({"set", "asset_tag=FIRST"}), kDone) << console.err;
    ASSERT_TRUE(Reopen());
    EXPECT_EQ(Tlwctl({"set", "asset_tag=FIRST"}), kDone) << "the same tag is no change";
    EXPECT_EQ(Tlwctl({"set", "asset_tag=SECOND"}), kBadInput);
    EXPECT_NE(console.err.find("entered once only"), std::string::npos) << console.err;
    EXPECT_NE(State().find("asset_tag = \"FIRST\""), std::string::npos);

    // No table read: a tag may be there that nobody saw.
    ASSERT_TRUE(OpenNotebook(std::string(kNotebook) + "refuse = DmiProxy channel\n"));
    EXPECT_EQ(Tlwctl({"set", "asset_tag=THIRD"}), kBadInput);
    EXPECT_NE(State().find("asset_tag = \"\""), std::string::npos);
}

TEST_F(Commands, DryRunShowsTheChangesAndWritesNothing) {
    ASSERT_TRUE(OpenNotebook(kNotebook));
    sim::WriteFile(File("b.txt"), "fast_boot = on\nbrightness = 5\nboot_display = Both\nsleep_button_action = 3\n");
    const std::string before = State();
    ClearLog();
    ASSERT_EQ(Tlwctl({"import", File("b.txt"), "--dry-run"}), kDone) << console.err;
    EXPECT_EQ(console.out, "fast_boot: off -> on\nboot_display: Auto -> Both\nsleep_button_action: unknown -> shutdown\n"
                           "Dry run: nothing was written.\n");
    EXPECT_EQ(Writes(), std::vector<std::string>{});
    EXPECT_FALSE(LogLines().empty()) << "the settings were read";
    EXPECT_EQ(State(), before);
}

TEST_F(Commands, ARefusedWriteIsReportedAsADifferingReadBack) {
    ASSERT_TRUE(OpenNotebook(std::string(kNotebook) + "refuse = SetDisplayBrightness status\n"));
    ASSERT_EQ(Tlwctl({"set", "brightness=2", "fan_always_on=on"}), kReadBackDiffers);
    EXPECT_EQ(console.err, "brightness: wrote 2, reads 5\n");
    EXPECT_NE(State().find("fan_always_on = on"), std::string::npos) << "the other change was applied";
}

TEST_F(Commands, TheSetupPasswordGatesEveryCommand) {
    // "abc1" as the keys' scan codes.
    ASSERT_TRUE(OpenNotebook(std::string(kNotebook) + "setup_password = 1E 30 2E 02\n"));
    const std::string before = State();

    passwordLines = {"wrong", "abc", "ABC12"};
    ClearLog();
    EXPECT_EQ(Tlwctl({"set", "fast_boot=on"}), kPasswordRequired);
    EXPECT_EQ(console.linesRead, 3);
    EXPECT_NE(console.err.find(texts.Text(IDS_PASSWORD_TOO_MANY_FAILURES)), std::string::npos) << console.err;
    EXPECT_EQ(Writes(), std::vector<std::string>{});
    EXPECT_EQ(Tlwctl({"show"}), kPasswordRequired) << "nothing is shown either";
    EXPECT_EQ(console.out, "");

    passwordLines = {};
    EXPECT_EQ(Tlwctl({"get", "fast_boot"}), kPasswordRequired) << "no input: no password";
    EXPECT_EQ(State(), before);

    // Case does not matter, a key outside the digits and letters is dropped
    // as the password box drops it, Backspace takes one back.
    passwordLines = {"nope", "A-bc2\b1"};
    EXPECT_EQ(Tlwctl({"set", "fast_boot=on"}), kRestartNeeded) << console.err;
    EXPECT_EQ(console.linesRead, 2);
    EXPECT_NE(console.err.find(texts.Text(IDS_INVALID_PASSWORD)), std::string::npos);
    EXPECT_NE(State().find("boot_options = 0x01"), std::string::npos);
}

TEST_F(Commands, APlatformCheckRefusedEndsBeforeAnythingIsRead) {
    ASSERT_TRUE(OpenNotebook(std::string(kNotebook) + "refuse = ZEFACheck status\n"));
    ClearLog();
    EXPECT_EQ(Tlwctl({"show"}), kNoDriver);
    EXPECT_EQ(console.err, texts.Text(IDS_INCORRECT_BIOS_VERSION) + "\n");
    EXPECT_EQ(LogLines().size(), 1u);
}

TEST_F(Commands, ShowGivesEveryRowAndSettingAndJsonTheSameValues) {
    // Bytes a BIOS may put in its strings: text escapes them as JSON does, so
    // that no row can ring the bell, move the cursor or break a line.
    ASSERT_TRUE(OpenNotebook(std::string(kNotebook) + "manufacturer = \"Quote \\x22 and \\ back\"\n"
                             "product_name = \"Bell\\x07Tab\\x09Line\\x0A\\x1B[2J\\x7F\\xE9\"\n"));
    ASSERT_EQ(Tlwctl({"show"}), kDone);
    const std::string text = console.out;
    for (const InfoRow& row : InformationRows(texts, true)) {
        if (row.value.find_first_of("\x07\x09\x0A\x1B\x7F") != std::string::npos) continue;
        EXPECT_NE(text.find(row.label.empty() ? row.value : row.label + ": " + row.value), std::string::npos)
            << row.label;
    }
    EXPECT_NE(text.find(": Bell\\u0007Tab\\tLine\\n\\u001B[2J\\u007F\xE9\n"), std::string::npos) << text;
    for (char c : text) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int{c};
    EXPECT_NE(text.find("fast_boot (" + texts.Text(IDS_ENABLE_FAST_BOOT) + "): off\n"), std::string::npos) << text;
    EXPECT_NE(text.find("hdd_boot (" + texts.Text(IDS_HDD_BOOT_GROUP) + "): unknown\n"), std::string::npos);

    ASSERT_EQ(Tlwctl({"show", "--json"}), kDone);
    const std::string json = console.out;
    EXPECT_NE(json.find("\"Quote \\\" and \\\\ back\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"fast_boot\": false"), std::string::npos);
    EXPECT_NE(json.find("\"brightness\": 5"), std::string::npos);
    EXPECT_NE(json.find("\"hdd_boot\": null"), std::string::npos);
    EXPECT_NE(json.find("\"boot_order\": [\"Floppy Disk\", \"Hard Disk\", \"CD-ROM/DVD-ROM/CD-RW\", "
                        "\"ZIP Drive\"]"),
              std::string::npos);
    EXPECT_EQ(json.find("hotkey_button"), std::string::npos) << "what cannot be read is not shown";
    EXPECT_NE(json.find("\"passwords\": {\"power_on\": false, \"setup\": false}"), std::string::npos);

    // Whether a password is set shows, never the password.
    ASSERT_TRUE(OpenNotebook(std::string(kNotebook) + "poweron_password = 1E 30\n"));
    ASSERT_EQ(Tlwctl({"show"}), kDone);
    EXPECT_NE(console.out.find("[" + texts.Text(IDS_PAGE_PASSWORD) + "]\n" + texts.Text(IDS_POWER_ON_PASSWORD_GROUP) +
                               ": " + texts.Text(IDS_ENABLED) + "\n" + texts.Text(IDS_SETUP_PASSWORD_GROUP) + ": " +
                               texts.Text(IDS_DISABLED) + "\n"),
              std::string::npos)
        << console.out;
    EXPECT_EQ(console.out.find("1E"), std::string::npos);
}

TEST(CommandLine, UsageErrorsAreNamed) {
    Invocation invocation;
    std::string error;
    EXPECT_TRUE(ParseCommandLine({"import", "a.txt", "--dry-run"}, invocation, error));
    EXPECT_TRUE(invocation.dryRun);
    EXPECT_EQ(invocation.operands, std::vector<std::string>{"a.txt"});
    EXPECT_TRUE(ParseCommandLine({"set", "brightness=-1"}, invocation, error)) << "a value is no option";
    // `--` ends the options: a file named like one can be imported.
    EXPECT_TRUE(ParseCommandLine({"import", "--dry-run", "--", "-x.txt"}, invocation, error)) << error;
    EXPECT_TRUE(invocation.dryRun);
    EXPECT_EQ(invocation.operands, std::vector<std::string>{"-x.txt"});
    EXPECT_TRUE(ParseCommandLine({"export", "--", "--json"}, invocation, error)) << error;
    EXPECT_EQ(invocation.operands, std::vector<std::string>{"--json"});
    const std::vector<std::vector<std::string>> bad = {
        {}, {"frob"}, {"get"}, {"get", "a", "b"}, {"set"}, {"export"}, {"show", "--dry-run"},
        {"import", "a", "--json"}, {"export", "a", "b"}, {"show", "extra"}, {"set", "--password"},
        {"import", "-x.txt"}, {"import", "--", "a", "--dry-run"}};
    for (const auto& arguments : bad) {
        error.clear();
        EXPECT_FALSE(ParseCommandLine(arguments, invocation, error)) << (arguments.empty() ? "" : arguments[0]);
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace tlw::ctl
