// The few file operations the simulated notebook needs, behind one seam: the
// C runtime and POSIX in the native build (file_system_posix.cpp), Win32 in the
// Windows build (file_system_win.cpp). Paths are the platform's own, in the
// ANSI code page on Windows.
#pragma once

#include <cstddef>
#include <string>

namespace tlw::sim {

enum class ReadResult {
    Read,     // `text` holds the whole file
    Missing,  // no file (or no folder) of that name
    Failed,   // it exists but cannot be read: `reason` says why
};

// A state file larger than this is not one.
constexpr std::size_t kMaxReadSize = 1 << 20;

// Reads the whole file at `path`. A directory, a file this process may not
// open or that another program holds, and a file larger than kMaxReadSize
// are Failed, never Missing.
ReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& reason);

// Replaces the file at `path` with `text`: written to TemporaryPathFor(path)
// and moved over `path` in one step, so that a crash at any moment leaves the
// old file or the new one, whole. False, with `reason`, when it could not; the
// file at `path` is then as it was.
bool ReplaceWholeFile(const std::string& path, const std::string& text, std::string& reason);

// Where ReplaceWholeFile writes first: beside `path`, a name unique to this process.
std::string TemporaryPathFor(const std::string& path);

// Appends `text` to the file at `path`, creating it when missing.
bool AppendToFile(const std::string& path, const std::string& text);

}  // namespace tlw::sim
