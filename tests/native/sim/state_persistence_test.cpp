// The state file as the simulated notebook's hardware: saved in one step,
// never lost or overwritten when it cannot be read, a write it cannot save
// refused, re-read when a person edits it while the program runs, shared by
// notebooks that take turns, and opened only on paths it can keep.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

#include "bios/asset_tag_call.h"
#include "bios/call_rows.h"
#include "bios/display_calls.h"
#include "bios/shell_calls.h"
#include "sim/file_system.h"
#include "tests/native/dmi/dmi_test_tables.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.rfind(start, 0) == 0) found.push_back(line);
    }
    return found;
}

TEST_F(SimulatedNotebook, SavesReplaceTheFileInOneStepFromATemporaryFileOfTheirOwn) {
    ASSERT_TRUE(Open(nullptr));
    // What another process saving the same notebook would be writing.
    std::string ours = TemporaryPathFor(state().string());
    std::string theirs = ours;
    const std::string pid = std::to_string(::getpid());
    if (theirs.rfind(pid) != std::string::npos) theirs.replace(theirs.rfind(pid), pid.size(), pid + "1");
    EXPECT_NE(theirs, ours) << "two processes would write the same temporary file";
    WriteFile(theirs, "half written by another process");

    std::atomic<bool> saving{true};
    std::atomic<int> missing{0};
    std::thread watcher([&] {
        while (saving) {
            if (!fs::exists(state())) ++missing;
        }
    });
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(SetHotkeyButton(i % 2));
    saving = false;
    watcher.join();

    EXPECT_EQ(missing, 0) << "the state file was missing while it was saved";
    EXPECT_TRUE(Has(ReadFile(state()), "hotkey_button = on")) << "the last save is the one kept";
    EXPECT_EQ(ReadFile(theirs), "half written by another process");
    EXPECT_FALSE(fs::exists(ours));
}

TEST_F(SimulatedNotebook, AStateFileThatCannotBeReadIsRefusedAndLeftAlone) {
    fs::create_directories(state());
    WriteFile(state() / "inside", "kept");
    std::string error;
    EXPECT_FALSE(Open(nullptr, &error));
    EXPECT_TRUE(Has(error, state().string())) << error;
    EXPECT_TRUE(Has(error, "cannot be read")) << error;
    EXPECT_TRUE(fs::is_directory(state()));
    EXPECT_EQ(ReadFile(state() / "inside"), "kept");
}

// Hardware forgets no write it acknowledged: one whose new state cannot be
// saved is refused (status 0xFFFFFFFF), leaving the notebook, its file and
// what it wrote beside the file as they were, and is not tried again later.
TEST_F(SimulatedNotebook, AWriteThatCannotBeSavedIsRefusedWithNothingChanged) {
    const fs::path table = dir_ / "machine.dmi";
    WriteFile(table, dmi::test::Bios() + dmi::test::Enclosure("") + dmi::test::EndOfTable());
    ASSERT_TRUE(Open(("lid_button_action = 2\ndmi_table = \"" + table.string() + "\"\n").c_str()));
    ASSERT_TRUE(SetHotkeyButton(1));  // the whole state saved once
    const std::string saved = ReadFile(state());
    const NotebookState before = notebook();
    fs::create_directories(TemporaryPathFor(state().string()));  // the save cannot write its temporary file
    fs::remove(log());

    const std::uint8_t codes[] = {0x1E, 0x30};
    std::uint8_t ah = 0;
    const struct {
        const char* call;
        std::function<bool()> write;  // false: the caller saw the refusal
    } writes[] = {
        {"SetHotkeyButton", [] { return SetHotkeyButton(0); }},
        {"SetDisplayBrightness", [] { return SetDisplayBrightness(2); }},
        {"SetChkSetupPasswd", [&] { return SetChkSetupPasswd(ah, 2, codes, 2); }},  // judged by AH
        {"LoadSetupDefault", [] { return LoadSetupDefault(); }},
        // Judged by the channel alone, so seen in what the notebook keeps; its
        // table copy, written before the save failed, goes again.
        {"SetAssetTag", [] { return !SetAssetTag("NEW-7"); }},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.call);
        EXPECT_FALSE(w.write()) << "a write the notebook could not keep is refused";
        const auto lines = LogLines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].rfind(std::string(w.call) + " ", 0), 0u) << lines[0];
        EXPECT_TRUE(Has(lines[0], "-> STATUS=FFFFFFFF")) << lines[0];
        EXPECT_EQ(lines[1].rfind("STATE NOT SAVED ", 0), 0u) << lines[1];
        EXPECT_TRUE(Has(lines[1], TemporaryPathFor(state().string()))) << lines[1];
        fs::remove(log());
    }
    EXPECT_EQ(ReadFile(state()), saved);
    EXPECT_FALSE(fs::exists(state().string() + ".dmi")) << "the table copy of a refused tag is gone";
    EXPECT_TRUE(notebook().shell.hotkeyButtonOn);
    EXPECT_EQ(notebook().display.brightness, before.display.brightness);
    EXPECT_TRUE(notebook().shell.setupPassword.empty());
    EXPECT_EQ(notebook().shell.settings.buttonAction[kLidButton], 2) << "the setup defaults were not loaded";
    EXPECT_EQ(notebook().identity.assetTag, "");
    EXPECT_EQ(notebook().identity.dmiTable, table.string());

    // Reads answer from the last good state; nothing is saved behind the caller's back later.
    std::uint8_t level = 0;
    EXPECT_TRUE(GetDisplayBrightness(level));
    EXPECT_EQ(level, before.display.brightness);
    fs::remove(TemporaryPathFor(state().string()));
    std::uint16_t revision = 0;
    ASSERT_TRUE(ZEFACheck(ah, revision));
    EXPECT_EQ(ReadFile(state()), saved);
    ASSERT_TRUE(SetHotkeyButton(0)) << "a write is kept again once the file can be saved";
    EXPECT_TRUE(Has(ReadFile(state()), "hotkey_button = off"));
}

TEST_F(SimulatedNotebook, APersonsEditWhileTheProgramRunsIsSeenAndNeverReverted) {
    ASSERT_TRUE(Open(nullptr));
    ASSERT_TRUE(SetHotkeyButton(0));
    std::string text = ReadFile(state());
    // Set a password "in the BIOS setup" and change a button action: the same
    // size, so that only the content tells the edit apart.
    text.replace(text.find("setup_password = "), 17, "setup_password = 1E 30");
    text.replace(text.find("lid_button_action = 1"), 21, "lid_button_action = 2");
    WriteFile(state(), text);

    std::uint8_t ah = 0xFF;
    EXPECT_TRUE(AskSetupPasswd(ah)) << "the password set while running is seen";
    ASSERT_TRUE(SetPowerButtonAction(kSleepButton, 3));
    const std::string saved = ReadFile(state());
    EXPECT_TRUE(Has(saved, "setup_password = 1E 30")) << saved;
    EXPECT_TRUE(Has(saved, "lid_button_action = 2")) << saved;
    EXPECT_TRUE(Has(saved, "sleep_button_action = 3")) << saved;
    EXPECT_TRUE(Has(saved, "hotkey_button = off")) << saved;
    EXPECT_TRUE(LinesStartingWith(LogLines(), "STATE").empty());
}

TEST_F(SimulatedNotebook, AnEditThatBreaksTheFileKeepsTheLastGoodStateAndTheBrokenFile) {
    ASSERT_TRUE(Open("setup_password = 1E\n"));
    const std::string broken = "setup_password = 1E\nhotkey_button = sometimes\n";
    WriteFile(state(), broken);

    std::uint8_t ah = 0xFF;
    EXPECT_TRUE(AskSetupPasswd(ah)) << "answered from the last good state";
    EXPECT_FALSE(SetPowerButtonAction(kLidButton, 0)) << "a write the file cannot hold is refused";
    EXPECT_EQ(ReadFile(state()), broken) << "the person's file is not overwritten";
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("STATE NOT READ ", 0), 0u) << lines[0];
    EXPECT_TRUE(Has(lines[0], "line 2")) << lines[0];
    EXPECT_EQ(lines[1].rfind("AskSetupPasswd ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("STATE NOT READ ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("SetPowerButtonAction ", 0), 0u);
    EXPECT_EQ(lines[4].rfind("STATE NOT SAVED ", 0), 0u) << lines[4];

    // Mended by the person: their file is taken up.
    WriteFile(state(), "hotkey_button = off\n");
    EXPECT_FALSE(AskSetupPasswd(ah));
    EXPECT_FALSE(notebook().shell.hotkeyButtonOn);
    EXPECT_EQ(notebook().shell.settings.buttonAction[kLidButton], NotebookState().shell.settings.buttonAction[kLidButton]);
    EXPECT_EQ(LogLines().size(), 6u);

    // A file deleted while running is not made again behind the person's back.
    fs::remove(state());
    EXPECT_FALSE(SetHotkeyButton(1));
    EXPECT_FALSE(fs::exists(state()));
    lines = LogLines();
    EXPECT_EQ(lines[6].rfind("STATE NOT READ ", 0), 0u) << lines[6];
}

// A request straight to `driver`, as the channel sends it: the row's EAX and
// EBX, the argument in CL.
RegisterFrame Ask(SimulatedDriver& driver, const CallRow& row, std::uint8_t cl = 0) {
    RegisterFrame in;
    in.eax = row.eax;
    in.ebx = row.ebx;
    in.ecx = cl;
    FrameBytes out{};
    std::size_t returned = 0;
    RegisterFrame answer;
    answer.status = kBiosRefused;
    if (driver.Request(ToBytes(in), out, returned, row.name)) answer = FromBytes(out);
    return answer;
}

// Two notebooks on one state file, as two processes have it: each writes its
// own level and reads it straight back, over and over, at the same time. A
// write that was answered must survive the other's saves.
TEST_F(SimulatedNotebook, TwoNotebooksOnOneFileTakeTurnsAndLoseNoWrite) {
    ASSERT_TRUE(Open(nullptr));
    struct Writer {
        const CallRow* set;
        const CallRow* get;
        std::uint8_t levels;
        std::unique_ptr<SimulatedDriver> notebook;
        int lost = 0;
        int refused = 0;
        std::uint8_t last = 0;
    } writers[] = {{&row::SetDisplayBrightness, &row::GetDisplayBrightness, 8},
                   {&row::SetDisplayContrast, &row::GetDisplayContrast, 16}};
    std::string error;
    for (Writer& w : writers) {
        w.notebook = SimulatedDriver::Open(state().string(), "", error);
        ASSERT_NE(w.notebook, nullptr) << error;
    }
    std::vector<std::thread> threads;
    for (Writer& w : writers) {
        threads.emplace_back([&w] {
            for (int i = 1; i <= 150; ++i) {
                const auto level = static_cast<std::uint8_t>(i % w.levels);
                if (Ask(*w.notebook, *w.set, level).status == kBiosRefused) {
                    ++w.refused;
                    continue;
                }
                w.last = level;
                if ((Ask(*w.notebook, *w.get).ecx & 0xFF) != level) ++w.lost;
            }
        });
    }
    for (std::thread& t : threads) t.join();

    const std::string saved = ReadFile(state());
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.set->name);
        EXPECT_EQ(w.refused, 0);
        EXPECT_EQ(w.lost, 0) << "a write read back otherwise: the other notebook's save undid it";
        const std::string key = w.set == &row::SetDisplayBrightness ? "brightness" : "contrast";
        EXPECT_TRUE(Has(saved, "\n" + key + " = " + std::to_string(w.last) + "\n")) << saved;
    }
}

// The lock stays open from its first hold, so a notebook opens it once; a
// holder still excludes every other, and a lock file deleted meanwhile is
// opened again, so that whoever made the new one excludes this holder too.
TEST_F(SimulatedNotebook, ALockKeptOpenStillExcludesOtherHoldersEvenAfterItsFileWasDeleted) {
    const std::string path = state().string() + ".lock";
    std::string reason;
    FileLock mine(path), theirs(path);
    ASSERT_TRUE(mine.Acquire(0, reason)) << reason;
    EXPECT_FALSE(theirs.Acquire(0, reason)) << "held twice";
    mine.Release();
    ASSERT_TRUE(theirs.Acquire(0, reason)) << reason;
    theirs.Release();

    ASSERT_TRUE(mine.Acquire(0, reason)) << reason;
    mine.Release();
    std::error_code refused;  // Windows refuses to delete it while it is open: the same file then
    std::filesystem::remove(path, refused);
    FileLock newcomer(path);
    ASSERT_TRUE(newcomer.Acquire(0, reason)) << reason;
    EXPECT_FALSE(mine.Acquire(0, reason)) << "the old holder locked the deleted file while the newcomer holds the new one";
    newcomer.Release();
    EXPECT_TRUE(mine.Acquire(0, reason)) << reason;
}

// An existing file that becomes empty was damaged (a disk that filled, an
// editor that failed while saving): the notebook keeps its last good state
// and writes nothing into it. A file the notebook opens is never left empty,
// and what a process killed while saving left beside it goes at the next open.
TEST_F(SimulatedNotebook, AnEmptiedFileIsDamagedNotNewAndAKilledSavesLeftoversGoAtTheNextOpen) {
    WriteFile(state(), "hotkey_button = off\nsetup_password = 1E\n");
    const std::vector<fs::path> leftovers = {state().string() + ".4242.new", state().string() + ".dmi.77.new"};
    const std::vector<fs::path> others = {state().string() + ".x.new", state().string() + ".12.new.txt",
                                          dir_ / "other.ini.4242.new"};
    for (const fs::path& file : leftovers) WriteFile(file, "half written");
    for (const fs::path& file : others) WriteFile(file, "someone else's");
    ASSERT_TRUE(Open(nullptr));
    for (const fs::path& file : leftovers) EXPECT_FALSE(fs::exists(file)) << file;
    for (const fs::path& file : others) EXPECT_EQ(ReadFile(file), "someone else's") << file;

    WriteFile(state(), "");
    std::uint8_t ah = 0xFF;
    EXPECT_TRUE(AskSetupPasswd(ah)) << "the password of the last good state, not a new notebook's none";
    EXPECT_FALSE(SetHotkeyButton(1)) << "a write the emptied file cannot hold is refused";
    EXPECT_FALSE(notebook().shell.hotkeyButtonOn);
    EXPECT_EQ(ReadFile(state()), "") << "the damaged file is left for the person to see";
    const auto lines = LinesStartingWith(LogLines(), "STATE NOT READ ");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "STATE NOT READ " + state().string() + ": it is empty");

    // Opened empty, the file is a new notebook's, given its every key.
    CloseBiosChannel();
    ASSERT_TRUE(Open(nullptr));
    EXPECT_EQ(ReadFile(state()), DefaultStateText());
    EXPECT_TRUE(notebook().shell.setupPassword.empty());
}

}  // namespace
}  // namespace tlw::sim
