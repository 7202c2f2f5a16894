// The simulated notebook as a BIOS driver: keeps its settings in a state file,
// logs every request, and refuses the calls its state file names.
#pragma once

#include <memory>
#include <string>

#include "bios/bios_driver.h"
#include "sim/chaos.h"
#include "sim/notebook_state.h"
#include "sim/state_file.h"

namespace tlw::sim {

class SimulatedDriver : public BiosDriver {
public:
    // Reads the state file at `statePath`, creating it with the default
    // notebook when it does not exist. Null, with `error` naming the file (and
    // the line), when it exists but cannot be read (a directory, no access,
    // held by another program) or parsed; such a file is left as it is.
    static std::unique_ptr<SimulatedDriver> Open(const std::string& statePath, const std::string& logPath,
                                                 std::string& error);

    bool Request(const FrameBytes& in, FrameBytes& out, std::size_t& returned, const char* callName) override;

    // Logs `RESTART` when the program asks for a restart, `RESTART CANCELLED`
    // when a window then cancels it.
    void LogRestart(bool cancelled);

    const NotebookState& state() const { return state_; }

private:
    SimulatedDriver(std::string statePath, std::string logPath);
    // Before each request: takes up the state file again when its text is no
    // longer the one last read or saved (a person edited it). A file that is
    // gone, cannot be read or does not parse is logged and left alone; the
    // notebook keeps its last good state and saves nothing until the file is
    // usable again.
    void Refresh();
    // Writes the state when it differs from the file's last saved text. A
    // failure is logged and leaves the file as last saved; the save is tried
    // again at the next request.
    void Save();

    std::string statePath_;
    std::string logPath_;
    StateFile file_;
    NotebookState state_;
    std::string savedText_;     // the file's text as last read or saved
    bool savePending_ = false;  // the last save failed or was not allowed
    bool fileUsable_ = true;    // the file on disk was last found readable and whole
    Chaos chaos_;               // the draws of a notebook that answers at random
};

}  // namespace tlw::sim
