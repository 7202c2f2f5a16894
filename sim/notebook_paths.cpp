// Where the simulated notebook keeps its files, and whether a person's paths can serve.
#include "sim/notebook_paths.h"

#include "sim/file_system.h"

namespace tlw::sim {
namespace {

std::string Characters(std::size_t count) {
    return std::to_string(count) + " characters; at most " + std::to_string(kMostPathCharacters);
}

}  // namespace

std::string SetButEmpty(const char* variable) {
    return std::string(variable) + " is set but empty; it must name a file.";
}

std::string LockPathFor(const std::string& statePath) { return statePath + ".lock"; }

std::string TableCopyPathFor(const std::string& statePath) { return statePath + ".dmi"; }

bool IsNotebookFile(const std::string& path, const std::string& statePath) {
    for (const std::string& own : {statePath, TemporaryPathFor(statePath), LockPathFor(statePath),
                                   TableCopyPathFor(statePath), TemporaryPathFor(TableCopyPathFor(statePath))}) {
        if (SameFile(path, own)) return true;
    }
    return false;
}

bool CheckNotebookPaths(const std::string& statePath, const std::string& logPath, std::string& error) {
    const std::string state = kStateVariable;
    const std::string log = kLogVariable;
    // The longest name the notebook writes: the temporary file of the DMI table's copy.
    const std::string longest = TemporaryPathFor(TableCopyPathFor(statePath));
    std::string reason;
    if (statePath.empty()) {
        error = SetButEmpty(kStateVariable);
    } else if (statePath.size() > kMostPathCharacters) {
        error = state + " is longer than a path can be (" + Characters(statePath.size()) + ").";
    } else if (longest.size() > kMostPathCharacters) {
        error = state + " is too long for the files the notebook saves through beside it: " + longest + " would be " +
                Characters(longest.size()) + ". A state file's path may have at most " +
                std::to_string(kMostPathCharacters - (longest.size() - statePath.size())) + " characters.";
    } else if (!IsDiskFileName(statePath, reason)) {
        error = "The simulated notebook's state file " + statePath + " cannot be read: " + reason + ".";
    } else if (logPath.empty()) {
        return true;
    } else if (logPath.size() > kMostPathCharacters) {
        error = log + " is longer than a path can be (" + Characters(logPath.size()) + ").";
    } else if (!IsDiskFileName(logPath, reason)) {
        error = "The simulated notebook's request log " + logPath + " cannot be written: " + reason + ".";
    } else if (SameFile(logPath, statePath)) {
        error = log + " names the state file itself (" + statePath + "); the request log must be a file of its own.";
    } else if (IsNotebookFile(logPath, statePath)) {
        error = log + " names " + logPath + ", a file the notebook keeps beside its state file; the request log "
                "must be a file of its own.";
    }
    return error.empty();
}

}  // namespace tlw::sim
