// The file seam on Win32 (the Windows build).
#include "sim/file_system.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace tlw::sim {
namespace {

// The system's words for `error`, without the closing full stop and newline.
std::string SystemMessage(DWORD error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(error);
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' ||
                                message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

std::string Because(const std::string& what, DWORD error) { return what + ": " + SystemMessage(error); }

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool Close() {
        const bool closed = ::CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string& text) {
    DWORD written = 0;
    return text.empty() ||
           (::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size());
}

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& reason) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (IsMissing(error)) return ReadResult::Missing;
        reason = Because("cannot look at it", error);
        return ReadResult::Failed;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        reason = "it is a directory";
        return ReadResult::Failed;
    }
    // Shared every way: a person may have the file open in an editor.
    Handle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (IsMissing(error)) return ReadResult::Missing;
        reason = Because("cannot open it", error);
        return ReadResult::Failed;
    }
    std::string content;
    char chunk[4096];
    DWORD got = 0;
    while (content.size() <= kMaxReadSize) {
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) {
            reason = Because("cannot read it", ::GetLastError());
            return ReadResult::Failed;
        }
        if (got == 0) break;
        content.append(chunk, got);
    }
    if (content.size() > kMaxReadSize) {
        reason = "it is larger than a state file can be";
        return ReadResult::Failed;
    }
    text = std::move(content);
    return ReadResult::Read;
}

std::string TemporaryPathFor(const std::string& path) {
    return path + "." + std::to_string(::GetCurrentProcessId()) + ".new";
}

bool ReplaceWholeFile(const std::string& path, const std::string& text, std::string& reason) {
    const std::string temp = TemporaryPathFor(path);
    Handle file(::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        reason = Because("cannot create " + temp, ::GetLastError());
        return false;
    }
    const bool written = WriteAll(file.get(), text) && ::FlushFileBuffers(file.get());
    const DWORD error = ::GetLastError();
    if (!file.Close() || !written) {
        reason = Because("cannot write " + temp, written ? ::GetLastError() : error);
        ::DeleteFileA(temp.c_str());
        return false;
    }
    // One step: the old file is never gone before the new one takes its place.
    if (!::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        reason = Because("cannot move " + temp + " over it", ::GetLastError());
        ::DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

bool AppendToFile(const std::string& path, const std::string& text) {
    Handle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && WriteAll(file.get(), text);
}

}  // namespace tlw::sim
