// Reading the state file, parsing it only when its text changed.
#include "sim/state_reader.h"

#include "sim/file_system.h"
#include "sim/state_file.h"

namespace tlw::sim {

StateReader::Result StateReader::Read(std::string& reason) {
    std::string text;
    if (ReadWholeFile(path_, text, reason) != ReadResult::Read) return Result::Unreadable;
    if (!parsed_ || text != parsedText_) {
        // Keys the file leaves out take the default notebook's values, as at every read.
        // A state held by pointer is handed over without copying its every member.
        auto state = std::make_unique<NotebookState>();
        StateFile file;
        problem_.clear();
        usable_ = ReadStateText(text, file, *state, problem_);
        if (usable_) state_ = std::move(state);
        parsedText_ = std::move(text);
        parsed_ = true;
    }
    if (!usable_) {
        reason = problem_;
        return Result::Unusable;
    }
    return Result::Usable;
}

}  // namespace tlw::sim
