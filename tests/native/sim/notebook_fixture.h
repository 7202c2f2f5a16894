// A simulated notebook of the test's own, in a fresh directory, behind the
// BIOS channel: its state file, its request log.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bios/bios_channel.h"
#include "sim/simulated_driver.h"
#include "tests/common/logged_request.h"

namespace tlw::sim {

namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class SimulatedNotebook : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tlw-sim-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        CloseBiosChannel();
        fs::remove_all(dir_);
    }

    // Opens the channel on the notebook whose state file holds `text`
    // (no file when `text` is null).
    bool Open(const char* text, std::string* error = nullptr) {
        if (text) WriteFile(state(), text);
        std::string problem;
        auto driver = SimulatedDriver::Open(state().string(), log().string(), problem);
        if (error) *error = problem;
        return OpenBiosChannelWith(std::move(driver));
    }
    fs::path state() const { return dir_ / "notebook.ini"; }
    fs::path log() const { return dir_ / "requests.log"; }
    std::vector<std::string> LogLines() const { return Lines(ReadFile(log())); }
    // The requests logged since the last call; the log starts again.
    std::vector<test::LoggedRequest> TakeLogged() {
        std::vector<test::LoggedRequest> requests = test::ParseRequests(LogLines());
        fs::remove(log());
        return requests;
    }
    const NotebookState& notebook() const { return static_cast<SimulatedDriver*>(ChannelDriver())->state(); }

    fs::path dir_;
};

}  // namespace tlw::sim
