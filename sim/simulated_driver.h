// The simulated notebook as a BIOS driver: keeps its settings in a state file,
// logs every request, and refuses the calls its state file names.
#pragma once

#include <memory>
#include <string>

#include "bios/bios_driver.h"
#include "sim/chaos.h"
#include "sim/file_system.h"
#include "sim/notebook_state.h"
#include "sim/state_file.h"

namespace tlw::sim {

class SimulatedDriver : public BiosDriver {
public:
    // Reads the state file at `statePath`, creating it with the default
    // notebook when it does not exist or is empty, and removes the temporary
    // files a process that ended while saving left beside it. Null, with
    // `error` naming the file (and the line), when the paths fail
    // CheckNotebookPaths, or the file exists but cannot be read (no access,
    // held by another program) or parsed, or names a DMI table that is no file
    // on disk; such a file is left as it is.
    static std::unique_ptr<SimulatedDriver> Open(const std::string& statePath, const std::string& logPath,
                                                 std::string& error);

    // One request, holding the notebook's lock from reading the state file
    // again to saving it, so that every process on the notebook sees the
    // writes of the others and loses none. A write whose new state cannot be
    // saved is refused as the BIOS refuses a call (status 0xFFFFFFFF), with
    // nothing changed; the notebook forgets no write it answered.
    bool Request(const FrameBytes& in, FrameBytes& out, std::size_t& returned, const char* callName) override;

    // Logs `RESTART` when the program asks for a restart, `RESTART CANCELLED`
    // when a window then cancels it.
    void LogRestart(bool cancelled);

    const NotebookState& state() const { return state_; }
    const std::string& statePath() const { return statePath_; }
    const std::string& logPath() const { return logPath_; }

private:
    SimulatedDriver(std::string statePath, std::string logPath);
    // Reads the state file as Open takes it: `isNew` when it is missing or
    // empty (then `text` is the default notebook's). False, with `error`, when
    // it cannot be read or used, or names a DMI table that is no file on disk.
    bool Take(std::string& text, bool& isNew, std::string& error);
    // Before each request: takes up the state file again when its text is no
    // longer the one last read or saved (a person or another process changed
    // it). A file that is gone, empty, cannot be read or does not parse is
    // logged and left alone; the notebook answers from its last good state
    // and keeps no write until the file is usable again.
    void Refresh();
    // Saves the state a write left when it differs from the file's last saved
    // text. False, with `reason`, when it cannot be kept.
    bool Keep(bool locked, const std::string& lockProblem, std::string& reason);

    std::string statePath_;
    std::string logPath_;
    FileLock lock_;            // the notebook's lock, taken for each request
    StateFile file_;
    NotebookState state_;
    std::string savedText_;    // the file's text as last read or saved
    bool fileUsable_ = true;   // the file on disk was last found readable and whole
    Chaos chaos_;              // the draws of a notebook that answers at random
};

}  // namespace tlw::sim
