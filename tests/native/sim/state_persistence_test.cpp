// The state file as the simulated notebook's hardware: saved in one step,
// never lost or overwritten when it cannot be read, caught up after a failed
// save, and re-read when a person edits it while the program runs.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <thread>

#include "bios/shell_calls.h"
#include "sim/file_system.h"
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

TEST_F(SimulatedNotebook, AFailedSaveIsLoggedAndRetriedAtEachRequestUntilTheFileCatchesUp) {
    ASSERT_TRUE(Open(nullptr));
    const std::string saved = ReadFile(state());
    fs::create_directories(TemporaryPathFor(state().string()));  // the save cannot write its temporary file

    ASSERT_TRUE(SetHotkeyButton(0));
    EXPECT_EQ(ReadFile(state()), saved) << "the file keeps its last saved text";
    std::uint8_t ah = 0;
    std::uint16_t revision = 0;
    ASSERT_TRUE(ZEFACheck(ah, revision));
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("SetHotkeyButton ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("STATE NOT SAVED ", 0), 0u) << lines[1];
    EXPECT_TRUE(Has(lines[1], TemporaryPathFor(state().string()))) << lines[1];
    EXPECT_EQ(lines[2].rfind("ZEFACheck ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("STATE NOT SAVED ", 0), 0u) << "retried at the next request";

    fs::remove(TemporaryPathFor(state().string()));
    ASSERT_TRUE(ZEFACheck(ah, revision));
    EXPECT_TRUE(Has(ReadFile(state()), "hotkey_button = off"));
    lines = LogLines();
    EXPECT_EQ(LinesStartingWith(lines, "STATE NOT SAVED").size(), 2u);
    EXPECT_EQ(lines.back().rfind("ZEFACheck ", 0), 0u);
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
    ASSERT_TRUE(SetPowerButtonAction(kLidButton, 0));
    EXPECT_EQ(ReadFile(state()), broken) << "the person's file is not overwritten";
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("STATE NOT READ ", 0), 0u) << lines[0];
    EXPECT_TRUE(Has(lines[0], "line 2")) << lines[0];
    EXPECT_EQ(lines[1].rfind("AskSetupPasswd ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("STATE NOT READ ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("SetPowerButtonAction ", 0), 0u);
    EXPECT_EQ(lines[4].rfind("STATE NOT SAVED ", 0), 0u) << lines[4];

    // Mended by the person: their file wins over the change it never held.
    WriteFile(state(), "hotkey_button = off\n");
    EXPECT_FALSE(AskSetupPasswd(ah));
    EXPECT_FALSE(notebook().shell.hotkeyButtonOn);
    EXPECT_EQ(notebook().shell.settings.buttonAction[kLidButton], NotebookState().shell.settings.buttonAction[kLidButton]);
    EXPECT_EQ(LogLines().size(), 6u);

    // A file deleted while running is not made again behind the person's back.
    fs::remove(state());
    ASSERT_TRUE(SetHotkeyButton(1));
    EXPECT_FALSE(fs::exists(state()));
    lines = LogLines();
    EXPECT_EQ(lines[6].rfind("STATE NOT READ ", 0), 0u) << lines[6];
}

}  // namespace
}  // namespace tlw::sim
