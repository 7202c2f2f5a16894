// The file seam on the C runtime and POSIX (the native build).
#include "sim/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tlw::sim {
namespace {

std::string Because(const std::string& what, int error) { return what + ": " + std::strerror(error); }

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& reason) {
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return ReadResult::Missing;
        reason = Because("cannot look at it", errno);
        return ReadResult::Failed;
    }
    if (S_ISDIR(info.st_mode)) {
        reason = "it is a directory";
        return ReadResult::Failed;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        reason = Because("cannot open it", errno);
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

bool AppendToFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace tlw::sim
