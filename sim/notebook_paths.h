// The files the simulated notebook keeps beside its state file, and the
// checks the paths a person names must pass before the notebook opens them:
// every one a file on disk, every path short enough for the files written
// beside it, and the request log a file of its own.
#pragma once

#include <string>

namespace tlw::sim {

// The variables that name the state file and the request log.
constexpr const char* kStateVariable = "TALLOWIN_SIMULATOR";
constexpr const char* kLogVariable = "TALLOWIN_SIMULATOR_LOG";

// What a variable set but empty is told: it must name a file.
std::string SetButEmpty(const char* variable);

// The file whose lock a request holds from reading the state file again to
// saving it, so that two processes on one notebook take turns.
std::string LockPathFor(const std::string& statePath);

// The copy of a real DMI table that SetAssetTag writes a new tag into.
std::string TableCopyPathFor(const std::string& statePath);

// True when the notebook can keep its state at `statePath` and log to
// `logPath` (empty: no log). False, with `error` naming the variable or the
// file and saying why, when either is empty, longer than a path can be, no
// file on disk (a device, a directory), when the files the notebook saves
// through beside the state file would be longer than a path can be, or when
// the log names the state file or one of those files.
bool CheckNotebookPaths(const std::string& statePath, const std::string& logPath, std::string& error);

// True when `path` names the state file or a file the notebook keeps beside it.
bool IsNotebookFile(const std::string& path, const std::string& statePath);

}  // namespace tlw::sim
