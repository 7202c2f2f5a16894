// What the tests under Wine share: starting tlw.exe on a simulated notebook of
// their own, finding its windows, answering its dialogs, reading its request log.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wt {

// The Windows path of tlw.exe under test (from --tlw=, a Unix path).
const std::string& TlwPath();

// A directory of the test's own under the temporary directory, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

std::string ReadText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);
std::vector<std::string> ReadLines(const std::string& path);
// The lines of `lines` that begin with `call` followed by a blank.
std::vector<std::string> LinesOf(const std::vector<std::string>& lines, const std::string& call);
// `log` without the information page's fills: each run of reads from its
// first (GetCpuInfo) through its last (the DMI proxy's read), which the page
// makes whenever it fills its list (shown, applied, restored).
std::vector<std::string> WithoutInformationFills(const std::vector<std::string>& log);

struct Launch {
    std::string arguments;        // after the program name
    std::string statePath;        // TALLOWIN_SIMULATOR; empty: not set
    std::string logPath;          // TALLOWIN_SIMULATOR_LOG; empty: not set
    std::string workingDirectory; // empty: the test's own
    std::string program;          // empty: tlw.exe under test
    // Files the process reads its standard input from and writes its standard
    // output and error to; empty: not redirected. Files rather than pipes, so
    // that a child writing much never waits for the test to read.
    std::string inputPath;
    std::string outputPath;
    std::string errorPath;
    std::string tracePath;  // TALLOWIN_TRACE, the start-up trace's file; empty: not set
};

// A running tlw.exe, ended by force if a test leaves it running.
class Process {
public:
    explicit Process(const Launch& launch);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    // True when the process ended within `ms`.
    bool WaitForExit(DWORD ms);
    bool running();
    DWORD exitCode();

private:
    PROCESS_INFORMATION info_ = {};
};

// A visible top-level window of process `pid` (any process when 0) with class
// `className` and title `title`, waited for up to `ms`; null when none came.
HWND WaitForWindow(const char* className, const char* title, DWORD pid, DWORD ms);
// Every visible top-level window of process `pid`.
std::vector<HWND> TopLevelWindowsOf(DWORD pid);
std::string TextOf(HWND hwnd);
// The texts of a dialog's static controls, joined with newlines.
std::string StaticTextsOf(HWND dialog);
// Presses button `id` of a dialog as a click would.
void PressButton(HWND dialog, int id);
// Waits until `hwnd` is gone.
bool WaitForWindowGone(HWND hwnd, DWORD ms);

// Why this process has no display to work with, or empty when it has one.
// Wine 8 runs a 32-bit program on a 64-bit Wine in its WoW64 mode, which gives
// the 32-bit side no display driver: the screen has 0 bits per pixel, no
// display bitmap, memory DC, icon or cursor can be made, so no combo box either
// (it draws its arrow from a bitmap it makes when created), and no window is
// ever painted.
std::string WhyWow64HasNoDisplay();

// HKLM "SOFTWARE\Tallowin\Tallowin for Windows NT 4.0", removed by the destructor.
// It lies in the registry view of the test program's own bitness, which is the
// view tlw.exe of the same build reads: a 32-bit process (the i686 build under
// WoW64) sees HKLM\SOFTWARE through WOW6432Node, as a 32-bit installer writes it.
// `view` (KEY_WOW64_32KEY) names the 32-bit view from a 64-bit test program.
class ButtonActionsKey {
public:
    explicit ButtonActionsKey(REGSAM view = 0);
    ~ButtonActionsKey();
    void SetBinary(const char* name, std::vector<BYTE> data);
    void SetDword(const char* name, DWORD value);
    // The value as the key holds it now; empty when it is gone.
    std::vector<BYTE> Binary(const char* name) const;

private:
    void Delete();

    REGSAM view_;
    HKEY key_ = nullptr;
};

}  // namespace wt

// Skips a test that needs the display (painting, reading pixels back, icons,
// combo boxes), saying why, in a 32-bit test program under Wine's WoW64 mode
// (see WhyWow64HasNoDisplay).
#define WT_SKIP_IF_WOW64_HAS_NO_DISPLAY()                                       \
    do {                                                                     \
        const std::string wt_why_not = ::wt::WhyWow64HasNoDisplay();          \
        if (!wt_why_not.empty()) GTEST_SKIP() << wt_why_not;                 \
    } while (false)
