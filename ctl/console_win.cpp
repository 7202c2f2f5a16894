// The Windows console.
#include "ctl/console_win.h"

#include <windows.h>

#include "sim/file_system.h"
#include "win/resources.h"

namespace tlw::ctl {
namespace {

void Write(DWORD which, const std::string& text) {
    HANDLE handle = ::GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
    DWORD written = 0;
    ::WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

constexpr std::size_t kMostLine = 256;

// The console's mode while a password is typed without echo, so that Ctrl+C
// then gives the console back with its echo.
HANDLE g_echoInput = nullptr;
DWORD g_echoMode = 0;

BOOL WINAPI RestoreEcho(DWORD) {
    if (g_echoInput) ::SetConsoleMode(g_echoInput, g_echoMode);
    return FALSE;  // the default handler ends the process
}

}  // namespace

void WinConsole::Out(const std::string& text) { Write(STD_OUTPUT_HANDLE, text); }

void WinConsole::Err(const std::string& text) { Write(STD_ERROR_HANDLE, text); }

bool WinConsole::ReadSecretLine(std::string& line) {
    line.clear();
    HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE) return false;
    DWORD mode = 0;
    const bool console = ::GetConsoleMode(input, &mode) != 0;
    // Typed at the console: no echo, the line given whole at Enter.
    if (console) {
        g_echoInput = input;
        g_echoMode = mode;
        ::SetConsoleCtrlHandler(RestoreEcho, TRUE);
        ::SetConsoleMode(input, (mode | ENABLE_LINE_INPUT) & ~ENABLE_ECHO_INPUT);
    }
    bool gotAny = false;
    for (;;) {
        char c = 0;
        DWORD read = 0;
        const BOOL ok = console ? ::ReadConsoleA(input, &c, 1, &read, nullptr) : ::ReadFile(input, &c, 1, &read, nullptr);
        if (!ok || read == 0) break;
        gotAny = true;
        if (c == '\n') break;
        if (c != '\r' && line.size() < kMostLine) line += c;
    }
    if (console) {
        ::SetConsoleMode(input, mode);
        ::SetConsoleCtrlHandler(RestoreEcho, FALSE);
        g_echoInput = nullptr;
        Err("\n");
    }
    return gotAny;
}

bool WinConsole::KeyOf(char character, std::uint8_t& scanCode, unsigned& virtualKey) {
    const SHORT key = ::VkKeyScanA(character);
    if (key == -1) return false;
    const UINT scan = ::MapVirtualKeyA(LOBYTE(key), 0);  // virtual key to scan code
    if (scan == 0 || scan > 0xFF) return false;
    scanCode = static_cast<std::uint8_t>(scan);
    virtualKey = ::MapVirtualKeyA(scan, 1);  // scan code to virtual key, as the password box asks
    return true;
}

bool WinConsole::ReadFile(const std::string& path, std::string& text, std::string& reason) {
    switch (sim::ReadWholeFile(path, text, reason)) {
        case sim::ReadResult::Read: return true;
        case sim::ReadResult::Missing: reason = "no such file"; return false;
        case sim::ReadResult::Failed: return false;
    }
    return false;
}

bool WinConsole::WriteFile(const std::string& path, const std::string& text, std::string& reason) {
    return sim::ReplaceWholeFile(path, text, reason);
}

std::string ResourceTexts::Text(unsigned id) const { return win::LoadText(id); }

}  // namespace tlw::ctl
