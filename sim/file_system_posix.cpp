// The file seam on the C runtime and POSIX (the native build).
#include "sim/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tlw::sim {
namespace {

std::string Because(const std::string& what, int error) { return what + ": " + std::strerror(error); }

// The folder part of `path` ("." for a bare name) and its last name.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
    const std::size_t slash = path.find_last_of('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool IsDiskFileName(const std::string& path, std::string& reason) {
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0) return true;  // nothing there yet, or the caller's own call will say why
    if (S_ISREG(info.st_mode)) return true;
    reason = S_ISDIR(info.st_mode) ? "it is a directory"
             : S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)
                 ? "it names a device, not a file on disk"
                 : "it is not a file on disk (a pipe or a socket)";
    return false;
}

ReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& reason) {
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return ReadResult::Missing;
        reason = Because("cannot look at it", errno);
        return ReadResult::Failed;
    }
    if (!IsDiskFileName(path, reason)) return ReadResult::Failed;
    // Non-blocking, so that a pipe put there since the look above cannot hold the open.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    std::FILE* file = descriptor < 0 ? nullptr : ::fdopen(descriptor, "rb");
    if (!file) {
        reason = Because("cannot open it", errno);
        if (descriptor >= 0) ::close(descriptor);
        return ReadResult::Failed;
    }
    struct stat opened = {};
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        std::fclose(file);
        reason = "it is not a file on disk";
        return ReadResult::Failed;
    }
    std::string content;
    char chunk[4096];
    std::size_t got = 0;
    while (content.size() <= kMaxReadSize && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        content.append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        reason = "cannot read it";
        return ReadResult::Failed;
    }
    if (content.size() > kMaxReadSize) {
        reason = "it is larger than a state file can be";
        return ReadResult::Failed;
    }
    text = std::move(content);
    return ReadResult::Read;
}

std::string TemporaryPathFor(const std::string& path) { return path + "." + std::to_string(::getpid()) + ".new"; }

bool ReplaceWholeFile(const std::string& path, const std::string& text, std::string& reason) {
    if (!IsDiskFileName(path, reason)) return false;
    const std::string temp = TemporaryPathFor(path);
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) {
        reason = Because("cannot create " + temp, errno);
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fflush(file) == 0 && written;
    const int error = errno;
    written = std::fclose(file) == 0 && written;
    if (!written) {
        reason = Because("cannot write " + temp, error);
        std::remove(temp.c_str());
        return false;
    }
    // rename replaces the old file with the new in one step.
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        reason = Because("cannot move " + temp + " over it", errno);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

void RemoveTemporaryFiles(const std::string& path) {
    std::string folder, name;
    SplitPath(path, folder, name);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::string prefix = name + ".";
    const std::string suffix = ".new";
    while (const dirent* entry = ::readdir(dir)) {
        const std::string found = entry->d_name;
        if (found.size() <= prefix.size() + suffix.size() || found.compare(0, prefix.size(), prefix) != 0 ||
            found.compare(found.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        const std::string pid = found.substr(prefix.size(), found.size() - prefix.size() - suffix.size());
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        ::unlink((folder + "/" + found).c_str());
    }
    ::closedir(dir);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first = {}, second = {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    // The full path of a file not there yet: its folder's real path and its name.
    const auto full = [](const std::string& path) {
        std::string folder, name;
        SplitPath(path, folder, name);
        char real[PATH_MAX];
        return ::realpath(folder.c_str(), real) ? std::string(real) + "/" + name : path;
    };
    return full(a) == full(b);
}

bool AppendToFile(const std::string& path, const std::string& text) {
    std::string reason;
    if (!IsDiskFileName(path, reason)) return false;
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

FileLock::~FileLock() {
    Release();
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

bool FileLock::Open(std::string& reason) {
    if (handle_ >= 0) {
        // Still the file the path names? One deleted or replaced meanwhile would
        // let another holder lock a file this one does not.
        struct stat open = {}, named = {};
        if (::fstat(static_cast<int>(handle_), &open) == 0 && ::stat(path_.c_str(), &named) == 0 &&
            open.st_dev == named.st_dev && open.st_ino == named.st_ino) {
            return true;
        }
        ::close(static_cast<int>(handle_));
        handle_ = -1;
    }
    if (!IsDiskFileName(path_, reason)) return false;
    const int descriptor = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        reason = Because("cannot open the lock file " + path_, errno);
        return false;
    }
    handle_ = descriptor;
    return true;
}

bool FileLock::Acquire(unsigned waitMs, std::string& reason) {
    Release();
    if (!Open(reason)) return false;
    const int descriptor = static_cast<int>(handle_);
    // flock belongs to the open file, so two notebooks of one process exclude each other too.
    int error = 0;
    for (unsigned waited = 0;; waited += 5) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return true;
        }
        error = errno;
        if (error != EWOULDBLOCK || waited >= waitMs) break;
        ::usleep(5000);
    }
    reason = error == EWOULDBLOCK ? "another process held the lock file " + path_ + " for too long"
                                  : Because("cannot lock " + path_, error);
    return false;
}

void FileLock::Release() {
    if (!held_) return;
    ::flock(static_cast<int>(handle_), LOCK_UN);
    held_ = false;
}

}  // namespace tlw::sim
