// The file seam on Win32 (the Windows build).
#include "sim/file_system.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>

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

bool StartsWith(const std::string& text, const char* start) { return text.compare(0, std::strlen(start), start) == 0; }

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// The names Windows keeps for its devices in every folder and with any
// extension: "nul.txt", "C:\any\com1.log" and "AUX:" are NUL, COM1 and AUX.
// Windows reads the name up to its first dot or colon, blanks at its end left
// out; COM and LPT take the digits 1 to 9 and, in the ANSI code page, the
// superscript 1, 2 and 3.
bool IsDeviceName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (slash == std::string::npos && name.size() >= 2 && name[1] == ':') name.erase(0, 2);  // "C:nul"
    name = Upper(name.substr(0, name.find_first_of(".:")));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"}) {
        if (name == device) return true;
    }
    const auto digit = static_cast<unsigned char>(name.size() == 4 ? name[3] : 0);
    return (StartsWith(name, "COM") || StartsWith(name, "LPT")) &&
           ((digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3);
}

// A path into the device namespace rather than to a file: \\.\X, \??\X, and
// \\?\X unless X is a drive's path or a share's (\\?\C:\..., \\?\UNC\...).
bool IsDevicePath(const std::string& path) {
    if (StartsWith(path, "\\\\.\\") || StartsWith(path, "\\??\\")) return true;
    if (!StartsWith(path, "\\\\?\\")) return false;
    const std::string rest = path.substr(4);
    const bool drive = rest.size() >= 3 && rest[1] == ':' && (rest[2] == '\\' || rest[2] == '/');
    return !drive && !StartsWith(Upper(rest), "UNC\\");
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH * 2];
    const DWORD length = ::GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

// Opened to be read, or only to be looked at, shared every way: a person may
// have the file open in an editor.
HANDLE OpenShared(const std::string& path, DWORD access) {
    return ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A handle to anything but a file on disk (a console, a pipe, a port).
bool IsDiskFileHandle(HANDLE handle, std::string& reason) {
    if (::GetFileType(handle) == FILE_TYPE_DISK) return true;
    reason = "it is not a file on disk";
    return false;
}

}  // namespace

bool IsDiskFileName(const std::string& path, std::string& reason) {
    if (IsDevicePath(path) || IsDeviceName(path) || StartsWith(FullPath(path), "\\\\.\\")) {
        reason = "it names a device, not a file on disk";
        return false;
    }
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // Nothing there yet is fine; what the system cannot even look at is no file
        // (Wine answers so for a pipe or a device under Z:).
        const DWORD error = ::GetLastError();
        if (IsMissing(error)) return true;
        reason = Because("cannot look at it", error);
        return false;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        reason = "it is a directory";
        return false;
    }
    return true;
}

ReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& reason) {
    // A device's name is refused before anything opens it.
    if (!IsDiskFileName(path, reason)) return ReadResult::Failed;
    Handle file(OpenShared(path, GENERIC_READ));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (IsMissing(error)) return ReadResult::Missing;
        reason = Because("cannot open it", error);
        return ReadResult::Failed;
    }
    if (!IsDiskFileHandle(file.get(), reason)) return ReadResult::Failed;
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
    if (!IsDiskFileName(path, reason)) return false;
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

void RemoveTemporaryFiles(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string prefix = path.substr(folder.size()) + ".";
    const std::string suffix = ".new";
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((path + ".*.new").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        // The pattern matches short names too: each long name is held to the rule.
        const std::string name = found.cFileName;
        if (name.size() <= prefix.size() + suffix.size() || !StartsWith(Upper(name), Upper(prefix).c_str()) ||
            Upper(name.substr(name.size() - suffix.size())) != Upper(suffix)) {
            continue;
        }
        const std::string pid = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (pid.find_first_not_of("0123456789") == std::string::npos) ::DeleteFileA((folder + name).c_str());
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

bool RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) || IsMissing(::GetLastError()); }

bool SameFile(const std::string& a, const std::string& b) {
    // Only files are opened to be told apart: a device may not answer an open.
    std::string reason;
    const bool files = IsDiskFileName(a, reason) && IsDiskFileName(b, reason);
    Handle first(files ? OpenShared(a, FILE_READ_ATTRIBUTES) : INVALID_HANDLE_VALUE);
    Handle second(files ? OpenShared(b, FILE_READ_ATTRIBUTES) : INVALID_HANDLE_VALUE);
    BY_HANDLE_FILE_INFORMATION one, other;
    if (first.valid() && second.valid() && ::GetFileInformationByHandle(first.get(), &one) &&
        ::GetFileInformationByHandle(second.get(), &other)) {
        return one.dwVolumeSerialNumber == other.dwVolumeSerialNumber && one.nFileIndexHigh == other.nFileIndexHigh &&
               one.nFileIndexLow == other.nFileIndexLow;
    }
    return ::lstrcmpiA(FullPath(a).c_str(), FullPath(b).c_str()) == 0;
}

bool AppendToFile(const std::string& path, const std::string& text) {
    std::string reason;
    if (!IsDiskFileName(path, reason)) return false;
    Handle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && IsDiskFileHandle(file.get(), reason) && WriteAll(file.get(), text);
}

FileLock::~FileLock() {
    Release();
    if (handle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool FileLock::Open(std::string& reason) {
    if (handle_ != -1) return true;
    if (!IsDiskFileName(path_, reason)) return false;
    // Not shared for deletion: while it is open no one removes it from under the lock.
    HANDLE file = ::CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = Because("cannot open the lock file " + path_, ::GetLastError());
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool FileLock::Acquire(unsigned waitMs, std::string& reason) {
    Release();
    if (!Open(reason)) return false;
    HANDLE file = reinterpret_cast<HANDLE>(handle_);
    // A byte-range lock belongs to the handle, so two notebooks of one process exclude each other too.
    DWORD error = 0;
    for (unsigned waited = 0;; waited += 5) {
        OVERLAPPED at = {};
        if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
            held_ = true;
            return true;
        }
        error = ::GetLastError();
        if (error != ERROR_LOCK_VIOLATION || waited >= waitMs) break;
        ::Sleep(5);
    }
    reason = error == ERROR_LOCK_VIOLATION ? "another process held the lock file " + path_ + " for too long"
                                           : Because("cannot lock " + path_, error);
    return false;
}

void FileLock::Release() {
    if (!held_) return;
    OVERLAPPED at = {};
    ::UnlockFileEx(reinterpret_cast<HANDLE>(handle_), 0, 1, 0, &at);
    held_ = false;
}

}  // namespace tlw::sim
