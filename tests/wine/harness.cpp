// Process, window, file and registry helpers for the tests under Wine.
#include "tests/wine/harness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

namespace wt {
namespace {

std::string& TlwPathStorage() {
    static std::string path;
    return path;
}

std::string ToWindowsPath(std::string unixPath) {
    if (unixPath.size() > 1 && unixPath[1] == ':') return unixPath;
    for (char& c : unixPath) {
        if (c == '/') c = '\\';
    }
    return "Z:" + unixPath;
}

// The current environment without the simulator's and the trace's variables, then `extra`.
std::vector<char> EnvironmentBlock(const std::vector<std::string>& extra) {
    std::vector<char> block;
    char* strings = ::GetEnvironmentStringsA();
    for (const char* s = strings; *s; s += std::strlen(s) + 1) {
        if (std::strncmp(s, "TALLOWIN_SIMULATOR", 18) == 0 || std::strncmp(s, "TALLOWIN_TRACE=", 15) == 0) continue;
        block.insert(block.end(), s, s + std::strlen(s) + 1);
    }
    ::FreeEnvironmentStringsA(strings);
    for (const std::string& e : extra) block.insert(block.end(), e.c_str(), e.c_str() + e.size() + 1);
    block.push_back('\0');
    return block;
}

struct WindowSearch {
    DWORD pid;
    const char* className;
    const char* title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (search->pid && pid != search->pid) return TRUE;
    if (!::IsWindowVisible(hwnd)) return TRUE;
    char buffer[256] = {};
    if (search->className) {
        ::GetClassNameA(hwnd, buffer, sizeof buffer);
        if (std::strcmp(buffer, search->className) != 0) return TRUE;
    }
    if (search->title && TextOf(hwnd) != search->title) return TRUE;
    search->found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND hwnd, LPARAM param) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    const LONG_PTR kind = ::GetWindowLongPtrA(hwnd, GWL_STYLE) & SS_TYPEMASK;
    if (lstrcmpiA(name, "Static") == 0 && kind != SS_ICON && kind != SS_BITMAP) {
        auto* texts = reinterpret_cast<std::string*>(param);
        const std::string text = TextOf(hwnd);
        if (!text.empty()) *texts += (texts->empty() ? "" : "\n") + text;
    }
    return TRUE;
}

}  // namespace

const std::string& TlwPath() { return TlwPathStorage(); }

TempDir::TempDir() {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::string(base) + "tlw-" + (test ? test->name() : "run") + "-" +
            std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter);
    ::CreateDirectoryA(path_.c_str(), nullptr);
}

TempDir::~TempDir() {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((path_ + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileA(File(data.cFileName).c_str());
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(path_.c_str());
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(ReadText(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> LinesOf(const std::vector<std::string>& lines, const std::string& call) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.rfind(call + " ", 0) == 0) found.push_back(line);
    }
    return found;
}

std::vector<std::string> WithoutInformationFills(const std::vector<std::string>& log) {
    std::vector<std::string> kept;
    bool inFill = false;
    for (const std::string& line : log) {
        if (!inFill && line.rfind("GetCpuInfo ", 0) == 0) inFill = true;
        if (!inFill) kept.push_back(line);
        if (inFill && line.rfind("DmiProxy ", 0) == 0) inFill = false;
    }
    return kept;
}

Process::Process(const Launch& launch) {
    const std::string program = launch.program.empty() ? TlwPath() : launch.program;
    std::string commandLine = "\"" + program + "\"" + (launch.arguments.empty() ? "" : " " + launch.arguments);
    std::vector<std::string> extra;
    if (!launch.statePath.empty()) extra.push_back("TALLOWIN_SIMULATOR=" + launch.statePath);
    if (!launch.logPath.empty()) extra.push_back("TALLOWIN_SIMULATOR_LOG=" + launch.logPath);
    if (!launch.tracePath.empty()) extra.push_back("TALLOWIN_TRACE=" + launch.tracePath);
    std::vector<char> environment = EnvironmentBlock(extra);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    const auto open = [&](const std::string& path, bool input) -> HANDLE {
        if (path.empty()) return ::GetStdHandle(input ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE);
        return ::CreateFileA(path.c_str(), input ? GENERIC_READ : GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                             input ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    const bool redirected = !launch.inputPath.empty() || !launch.outputPath.empty() || !launch.errorPath.empty();
    std::vector<HANDLE> opened;
    if (redirected) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = open(launch.inputPath, true);
        startup.hStdOutput = open(launch.outputPath, false);
        startup.hStdError = launch.errorPath.empty() ? ::GetStdHandle(STD_ERROR_HANDLE) : open(launch.errorPath, false);
        if (!launch.inputPath.empty()) opened.push_back(startup.hStdInput);
        if (!launch.outputPath.empty()) opened.push_back(startup.hStdOutput);
        if (!launch.errorPath.empty()) opened.push_back(startup.hStdError);
    }
    // On a machine busy with other work, Wine now and then loses a new
    // process before it reports itself started (ERROR_INTERNAL_ERROR, and
    // the child never ran): that start is made again, a few times at most.
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, redirected ? TRUE : FALSE, 0,
                             environment.data(),
                             launch.workingDirectory.empty() ? nullptr : launch.workingDirectory.c_str(), &startup,
                             &info_)) {
            error = ERROR_SUCCESS;
            break;
        }
        error = ::GetLastError();
        info_ = {};
        if (error != ERROR_INTERNAL_ERROR) break;
        ::Sleep(500);
    }
    if (error != ERROR_SUCCESS) ADD_FAILURE() << "cannot start " << program << ": error " << error;
    for (HANDLE handle : opened) {
        if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
}

Process::~Process() {
    if (!info_.hProcess) return;
    if (running()) {
        ::TerminateProcess(info_.hProcess, 99);
        ::WaitForSingleObject(info_.hProcess, 5000);
    }
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool Process::WaitForExit(DWORD ms) {
    return info_.hProcess && ::WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0;
}

bool Process::running() { return info_.hProcess && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Process::exitCode() {
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess) ::GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND WaitForWindow(const char* className, const char* title, DWORD pid, DWORD ms) {
    const DWORD start = ::GetTickCount();
    do {
        WindowSearch search{pid, className, title, {}};
        ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found.empty()) return search.found.front();
        ::Sleep(50);
    } while (::GetTickCount() - start < ms);
    return nullptr;
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
    WindowSearch search{pid, nullptr, nullptr, {}};
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND hwnd) {
    char buffer[1024] = {};
    ::GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::string StaticTextsOf(HWND dialog) {
    std::string texts;
    ::EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

void PressButton(HWND dialog, int id) {
    HWND button = ::GetDlgItem(dialog, id);
    if (button) {
        ::PostMessageA(button, BM_CLICK, 0, 0);
    } else {
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
}

bool WaitForWindowGone(HWND hwnd, DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::IsWindow(hwnd)) {
        if (::GetTickCount() - start > ms) return false;
        ::Sleep(50);
    }
    return true;
}

std::string WhyWow64HasNoDisplay() {
    // IsWow64Process is looked up: the test programs are built for Windows 2000.
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, BOOL*);
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (!isWow64Process || !isWow64Process(::GetCurrentProcess(), &wow64) || !wow64) return "";
    if (!::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version")) return "";  // real Windows
    HDC screen = ::GetDC(nullptr);
    const int bitsPerPixel = ::GetDeviceCaps(screen, BITSPIXEL);
    ::ReleaseDC(nullptr, screen);
    if (bitsPerPixel != 0) return "";
    return "32-bit process under Wine's WoW64 mode, which has no display driver for it (the screen has 0 bits per "
           "pixel): it can make no display bitmaps, icons, cursors or combo boxes and paints nothing";
}

ButtonActionsKey::ButtonActionsKey(REGSAM view) : view_(view) {
    Delete();
    ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tallowin\\Tallowin for Windows NT 4.0", 0, nullptr, 0,
                      KEY_ALL_ACCESS | view_, nullptr, &key_, nullptr);
}

ButtonActionsKey::~ButtonActionsKey() {
    if (key_) ::RegCloseKey(key_);
    Delete();
}

// Through its parent, opened in the key's view: RegDeleteKeyA alone would look in the process's own view.
void ButtonActionsKey::Delete() {
    HKEY parent = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tallowin", 0, KEY_ALL_ACCESS | view_, &parent) !=
        ERROR_SUCCESS) {
        return;
    }
    ::RegDeleteKeyA(parent, "Tallowin for Windows NT 4.0");
    ::RegCloseKey(parent);
}

std::vector<BYTE> ButtonActionsKey::Binary(const char* name) const {
    BYTE data[64];
    DWORD size = sizeof data, type = 0;
    if (::RegQueryValueExA(key_, name, nullptr, &type, data, &size) != ERROR_SUCCESS) return {};
    return std::vector<BYTE>(data, data + size);
}

void ButtonActionsKey::SetBinary(const char* name, std::vector<BYTE> data) {
    ::RegSetValueExA(key_, name, 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

void ButtonActionsKey::SetDword(const char* name, DWORD value) {
    ::RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

}  // namespace wt

// The test programs take the path of tlw.exe as --tlw=<Unix path>.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--tlw=", 6) == 0) wt::TlwPathStorage() = wt::ToWindowsPath(argv[i] + 6);
    }
    return RUN_ALL_TESTS();
}
