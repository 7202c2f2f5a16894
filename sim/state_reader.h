// The state file as the simulated notebook's DMI proxy and machine facts read
// it: afresh at each question, so that an edit counts at once, but parsed
// again only when its text differs from the text parsed last. Parsing every
// key costs the simulated notebook far more than reading the file does.
#pragma once

#include <memory>
#include <string>

#include "sim/notebook_state.h"

namespace tlw::sim {

class StateReader {
public:
    enum class Result {
        Usable,      // state() holds what the file says now
        Unreadable,  // the file is missing or cannot be read
        Unusable,    // the file does not parse
    };

    explicit StateReader(std::string path) : path_(std::move(path)) {}

    // Reads the file; `reason` says why when it cannot be read (empty for a
    // missing file) or used.
    Result Read(std::string& reason);
    // The state of the last Read that was Usable.
    const NotebookState& state() const { return *state_; }

private:
    std::string path_;
    bool parsed_ = false;
    std::string parsedText_;
    bool usable_ = false;
    std::string problem_;
    std::unique_ptr<NotebookState> state_;  // set by the first Usable read
};

}  // namespace tlw::sim
