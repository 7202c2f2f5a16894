// The simulated notebook's state file through the Win32 file calls: replaced
// in one step from a temporary file of the process's own, a write whose save
// Windows refuses refused in turn, a person's edit taken up.
#include <gtest/gtest.h>

#include <string>

#include "bios/bios_channel.h"
#include "bios/shell_calls.h"
#include "sim/file_system.h"
#include "sim/simulated_driver.h"
#include "tests/wine/harness.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class StateFileOnWindows : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(tlw::OpenBiosChannelWith(tlw::sim::SimulatedDriver::Open(state(), log(), error))) << error;
    }
    void TearDown() override { tlw::CloseBiosChannel(); }

    std::string state() const { return dir_.File("notebook.ini"); }
    std::string log() const { return dir_.File("requests.log"); }

    wt::TempDir dir_;
};

struct Watch {
    std::string path;
    volatile LONG saving = 1;
    volatile LONG missing = 0;
};

DWORD WINAPI WatchForMissingFile(void* param) {
    auto* watch = static_cast<Watch*>(param);
    while (watch->saving) {
        if (::GetFileAttributesA(watch->path.c_str()) == INVALID_FILE_ATTRIBUTES) ::InterlockedIncrement(&watch->missing);
    }
    return 0;
}

TEST_F(StateFileOnWindows, SavesReplaceTheFileInOneStepFromATemporaryFileOfTheirOwn) {
    const std::string ours = tlw::sim::TemporaryPathFor(state());
    const std::string pid = std::to_string(::GetCurrentProcessId());
    ASSERT_TRUE(Has(ours, pid)) << ours;
    std::string theirs = ours;
    theirs.replace(theirs.rfind(pid), pid.size(), pid + "1");
    wt::WriteText(theirs, "half written by another process");

    Watch watch{state()};
    HANDLE watcher = ::CreateThread(nullptr, 0, WatchForMissingFile, &watch, 0, nullptr);
    ASSERT_NE(watcher, nullptr);
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(tlw::SetHotkeyButton(i % 2));
    watch.saving = 0;
    ::WaitForSingleObject(watcher, INFINITE);
    ::CloseHandle(watcher);

    EXPECT_EQ(watch.missing, 0) << "the state file was missing while it was saved";
    EXPECT_TRUE(Has(wt::ReadText(state()), "hotkey_button = on"));
    EXPECT_EQ(wt::ReadText(theirs), "half written by another process");
    EXPECT_EQ(::GetFileAttributesA(ours.c_str()), INVALID_FILE_ATTRIBUTES) << "the temporary file is left behind";
}

TEST_F(StateFileOnWindows, AWriteWhoseSaveWindowsRefusesIsRefusedAndNeverSavedLater) {
    const std::string saved = wt::ReadText(state());
    // Another program reads the file and lets no one replace it meanwhile.
    HANDLE holder = ::CreateFileA(state().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(tlw::SetHotkeyButton(0)) << "the BIOS refuses what it cannot keep";
    EXPECT_EQ(wt::ReadText(state()), saved);
    ::CloseHandle(holder);

    std::uint8_t ah = 0;
    std::uint16_t revision = 0;
    EXPECT_TRUE(tlw::ZEFACheck(ah, revision));
    EXPECT_EQ(wt::ReadText(state()), saved) << "a refused write is not saved behind the caller's back";
    const auto lines = wt::ReadLines(log());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("-> STATUS=FFFFFFFF"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1].rfind("STATE NOT SAVED ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("ZEFACheck ", 0), 0u) << lines[2];
}

TEST_F(StateFileOnWindows, APersonsEditIsTakenUpAndAFileThatCannotBeReadIsLeftAlone) {
    wt::WriteText(state(), "setup_password = 1E 30\n");
    std::uint8_t ah = 0xFF;
    EXPECT_TRUE(tlw::AskSetupPasswd(ah)) << "the password set while running is seen";

    HANDLE holder = ::CreateFileA(state().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(tlw::SetHotkeyButton(0)) << "a file that cannot be read keeps no write";
    ::CloseHandle(holder);
    EXPECT_EQ(wt::ReadText(state()), "setup_password = 1E 30\n");
    const auto lines = wt::ReadLines(log());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].rfind("STATE NOT READ " + state() + ": cannot open it", 0), 0u) << lines[1];
    EXPECT_EQ(lines[3].rfind("STATE NOT SAVED ", 0), 0u) << lines[3];
}

}  // namespace
