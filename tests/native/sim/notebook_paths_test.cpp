// The paths a person names for the simulated notebook, refused when it opens
// if it could never keep its state there: no file on disk, a path too long for
// the files it saves through, a request log that is the state file.
#include <gtest/gtest.h>

#include <map>

#include "sim/file_system.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

// What the folder holds, name and text.
std::map<std::string, std::string> Contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        files[entry.path().string()] = entry.is_regular_file() ? ReadFile(entry.path()) : "<folder>";
    }
    return files;
}

TEST_F(SimulatedNotebook, PathsItCouldNeverKeepItsStateOnAreRefusedAtOpenSayingWhy) {
#ifdef _WIN32
    const std::string device = "NUL";
    const std::string otherSpelling = (dir_ / "SUB" / ".." / "NOTEBOOK.INI").string();
#else
    const std::string device = "/dev/null";
    const std::string otherSpelling = (dir_ / "sub" / ".." / "notebook.ini").string();
#endif
    fs::create_directories(dir_ / "sub");
    fs::create_directories(dir_ / "folder.ini");
    WriteFile(state(), "hotkey_button = off\n");
    // The longest path that is still a path, whose temporary files beside it are not.
    const std::string folder = (dir_ / "sub").string() + "/";
    const std::string longest = folder + std::string(kMostPathCharacters - folder.size(), 'n');
    const std::string tooLong = folder + std::string(kMostPathCharacters + 1 - folder.size(), 'n');
    const std::string tableIsADevice = "dmi_table = \"" + device + "\"\n";
    const struct {
        std::string state, log, text, says;
    } cases[] = {
        {"", log().string(), "", "TALLOWIN_SIMULATOR is set but empty"},
        {tooLong, log().string(), "", "TALLOWIN_SIMULATOR is longer than a path can be (260 characters; at most 259)"},
        {longest, log().string(), "", "TALLOWIN_SIMULATOR is too long for the files the notebook saves through"},
        {folder + std::string(254 - folder.size(), 'n'), log().string(), "", "TALLOWIN_SIMULATOR is too long"},
        {device, log().string(), "", "it names a device, not a file on disk"},
        {(dir_ / "folder.ini").string(), log().string(), "", "it is a directory"},
        {state().string(), state().string(), "", "TALLOWIN_SIMULATOR_LOG names the state file itself"},
        {state().string(), otherSpelling, "", "TALLOWIN_SIMULATOR_LOG names the state file itself"},
        {state().string(), state().string() + ".lock", "", "a file the notebook keeps beside its state file"},
        {state().string(), TemporaryPathFor(state().string()), "", "a file the notebook keeps beside its state file"},
        {state().string(), device, "", "request log " + device + " cannot be written"},
        {state().string(), tooLong, "", "TALLOWIN_SIMULATOR_LOG is longer than a path can be"},
        {state().string(), log().string(), tableIsADevice, "dmi_table names " + device},
        {state().string(), log().string(), "dmi_table = \"" + folder + "\"\n", "it is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        if (!c.text.empty()) WriteFile(state(), c.text);
        const auto before = Contents(dir_);
        std::string error;
        EXPECT_EQ(SimulatedDriver::Open(c.state, c.log, error), nullptr);
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(Contents(dir_), before) << "nothing written";
    }
    std::string error;
    EXPECT_NE(SimulatedDriver::Open(longest.substr(0, longest.size() - 20), log().string(), error), nullptr)
        << "a path whose files beside it fit is kept: " << error;
}

}  // namespace
}  // namespace tlw::sim
