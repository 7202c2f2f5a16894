// The few file operations the simulated notebook needs, behind one seam: the
// C runtime and POSIX in the native build (file_system_posix.cpp), Win32 in the
// Windows build (file_system_win.cpp). Paths are the platform's own, in the
// ANSI code page on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace tlw::sim {

enum class ReadResult {
    Read,     // `text` holds the whole file
    Missing,  // no file (or no folder) of that name
    Failed,   // it exists but cannot be read: `reason` says why
};

// A state file larger than this is not one.
constexpr std::size_t kMaxReadSize = 1 << 20;

// The longest path the Win32 file calls take in the ANSI code page (MAX_PATH
// less its NUL). The notebook holds its files to it on every build, so that a
// path behaves the same natively and on Windows.
constexpr std::size_t kMostPathCharacters = 259;

// True when `path` can name a file on disk: a regular file, or nothing yet,
// so that one can be made there. False, with `reason`, when it names a device
// (COM1, AUX, NUL or nul.txt on Windows, whatever their folder; a \\.\ path;
// a character device natively), a directory, a pipe or anything else that is
// no file: reading a device may wait for ever, and NUL reads as empty.
bool IsDiskFileName(const std::string& path, std::string& reason);

// Reads the whole file at `path`. A name that is no disk file, a file this
// process may not open or that another program holds, and a file larger than
// kMaxReadSize are Failed, never Missing.
ReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& reason);

// Replaces the file at `path` with `text`: written to TemporaryPathFor(path)
// and moved over `path` in one step, so that a crash at any moment leaves the
// old file or the new one, whole. False, with `reason`, when it could not
// (`path` names no disk file, or the system refused); the file at `path` is
// then as it was.
bool ReplaceWholeFile(const std::string& path, const std::string& text, std::string& reason);

// Where ReplaceWholeFile writes first: beside `path`, `<path>.<process id>.new`.
std::string TemporaryPathFor(const std::string& path);

// Removes what ReplaceWholeFile of any process left beside `path`: the
// temporary file of a process that ended while it saved. Call it only while no
// one may be saving `path` (holding its lock).
void RemoveTemporaryFiles(const std::string& path);

// Removes the file at `path`; false when it is there and cannot be removed.
bool RemoveFile(const std::string& path);

// True when `a` and `b` are one file: the same file on disk when both exist,
// otherwise the same full path (letter case aside on Windows).
bool SameFile(const std::string& a, const std::string& b);

// Appends `text` to the file at `path`, creating it when missing; false, and
// nothing written, when `path` names no disk file.
bool AppendToFile(const std::string& path, const std::string& text);

// An exclusive lock on the file at `path` (made when missing), held from a
// successful Acquire until Release or the lock's end. Another holder, in this
// process or another, waits for it; a process that ends releases its own.
// The file stays open from the first Acquire to the lock's end, so that a
// notebook taking the lock for every request opens it once; meanwhile it
// cannot be deleted on Windows, and on other systems a lock file deleted or
// replaced is opened again.
class FileLock {
public:
    explicit FileLock(std::string path) : path_(std::move(path)) {}
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits at most `waitMs` milliseconds for the lock. False, with `reason`,
    // when the file cannot be opened or made, or another holder kept the lock
    // all that time.
    bool Acquire(unsigned waitMs, std::string& reason);
    void Release();

private:
    bool Open(std::string& reason);

    std::string path_;
    std::intptr_t handle_ = -1;  // the open lock file
    bool held_ = false;
};

// Holds `lock` while it lives, when Acquire succeeded.
class HeldLock {
public:
    HeldLock(FileLock& lock, unsigned waitMs, std::string& reason)
        : lock_(lock), held_(lock.Acquire(waitMs, reason)) {}
    ~HeldLock() {
        if (held_) lock_.Release();
    }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    bool held() const { return held_; }

private:
    FileLock& lock_;
    bool held_;
};

}  // namespace tlw::sim
