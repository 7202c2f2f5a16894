// The start-up trace: phases timed with the performance counter, anchored to
// the process's creation time, written to the file TALLOWIN_TRACE names at the
// first message after the first idle, so that writing it costs the start nothing.
#include "win/startup_trace.h"

#include <tlhelp32.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace win {
namespace trace_detail {
bool g_tracing = false;
}  // namespace trace_detail

namespace {

constexpr const char* kVariable = "TALLOWIN_TRACE";

struct Phase {
    std::string name;
    int depth;
    double start;   // milliseconds from the process's creation
    double length;  // for the first paint's parts, the sum over their messages
    int times;      // how many messages a part of the first paint took; 1 for any other phase
};

struct Trace {
    std::string path;
    LARGE_INTEGER frequency = {};
    LARGE_INTEGER origin = {};
    double originMs = 0;  // the process's age when the counter read `origin`
    std::vector<Phase> phases;
    int depth = 0;

    // Until the first idle: the phase that holds the messages' parts, the
    // part the current message adds to, when that message began.
    int firstPaint = -1;
    int part = -1;
    int depthBeforeMessage = 0;
    double messageStart = 0;
    double waitStart = -1;  // when the loop last asked for a message
    bool idle = false;

    double Now() const {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return originMs + 1000.0 * static_cast<double>(now.QuadPart - origin.QuadPart) /
                              static_cast<double>(frequency.QuadPart);
    }
};

std::unique_ptr<Trace>& TheTrace() {
    static std::unique_ptr<Trace> trace;
    return trace;
}

// Milliseconds between the process's creation and now, by the system clock
// the creation time was read from (the precise one where the system has it).
double ProcessAge() {
    FILETIME creation, exited, kernel, user, now;
    HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
    using Times = BOOL(WINAPI*)(HANDLE, LPFILETIME, LPFILETIME, LPFILETIME, LPFILETIME);
    const auto times = reinterpret_cast<Times>(reinterpret_cast<void*>(::GetProcAddress(kernel32, "GetProcessTimes")));
    if (!times || !times(::GetCurrentProcess(), &creation, &exited, &kernel, &user)) return 0;
    using PreciseTime = void(WINAPI*)(LPFILETIME);
    const auto precise = reinterpret_cast<PreciseTime>(
        reinterpret_cast<void*>(::GetProcAddress(kernel32, "GetSystemTimePreciseAsFileTime")));
    if (precise) {
        precise(&now);
    } else {
        ::GetSystemTimeAsFileTime(&now);
    }
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(static_cast<LONGLONG>(ticks(now) - ticks(creation))) / 10000.0;  // 100 ns units
}

int AddPhase(Trace& trace, std::string name, int depth, double start, int times = 1) {
    trace.phases.push_back({std::move(name), depth, start, 0, times});
    return static_cast<int>(trace.phases.size()) - 1;
}

// The first paint's part named `name`, made at its first message.
int Part(Trace& trace, const std::string& name, double now) {
    for (std::size_t i = static_cast<std::size_t>(trace.firstPaint) + 1; i < trace.phases.size(); ++i) {
        if (trace.phases[i].depth == trace.phases[trace.firstPaint].depth + 1 && trace.phases[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return AddPhase(trace, name, trace.phases[trace.firstPaint].depth + 1, now, 0);
}

void OpenFirstPaint(Trace& trace) {
    if (trace.firstPaint < 0) {
        trace.firstPaint = AddPhase(trace, "first paint: messages up to the first idle", trace.depth, trace.Now());
    }
}

// The DLLs the process has loaded, by the tool help functions (looked up: the
// trace is the only user, and Windows NT 4.0 lacks them).
std::vector<std::string> LoadedModules() {
    std::vector<std::string> modules;
    HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
    using Snapshot = HANDLE(WINAPI*)(DWORD, DWORD);
    using Walk = BOOL(WINAPI*)(HANDLE, MODULEENTRY32*);
    const auto snapshot = reinterpret_cast<Snapshot>(
        reinterpret_cast<void*>(::GetProcAddress(kernel32, "CreateToolhelp32Snapshot")));
    const auto first = reinterpret_cast<Walk>(reinterpret_cast<void*>(::GetProcAddress(kernel32, "Module32First")));
    const auto next = reinterpret_cast<Walk>(reinterpret_cast<void*>(::GetProcAddress(kernel32, "Module32Next")));
    if (!snapshot || !first || !next) return modules;
    HANDLE modulesNow = snapshot(TH32CS_SNAPMODULE, 0);
    if (modulesNow == INVALID_HANDLE_VALUE) return modules;
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = first(modulesNow, &entry); more; more = next(modulesNow, &entry)) {
        modules.push_back(entry.szExePath);
    }
    ::CloseHandle(modulesNow);
    return modules;
}

void Append(std::string& text, const Phase& phase) {
    char figures[64];
    std::snprintf(figures, sizeof figures, "%10.2f %10.2f %6d  ", phase.start, phase.length, phase.times);
    text += figures + std::string(2 * phase.depth, ' ') + phase.name + "\r\n";
}

// Writes the trace with the DLLs loaded now, and ends it.
void Finish() {
    std::unique_ptr<Trace> trace = std::move(TheTrace());
    trace_detail::g_tracing = false;
    if (!trace) return;
    std::string text =
        "# tlw.exe start-up: each phase's start and length in milliseconds from the process's creation, and how\r\n"
        "# many messages each part of the first paint took\r\n"
        "#    start     length  times  phase\r\n";
    for (const Phase& phase : trace->phases) Append(text, phase);
    const std::vector<std::string> modules = LoadedModules();
    text += "# DLLs loaded " + std::string(trace->idle ? "at the first idle" : "at the end") + " (" +
            std::to_string(modules.size()) + ")\r\n";
    for (const std::string& module : modules) text += "dll " + module + "\r\n";
    HANDLE file = ::CreateFileA(trace->path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
}

}  // namespace

void BeginStartupTrace() {
    char path[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableA(kVariable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    auto trace = std::make_unique<Trace>();
    trace->path.assign(path, length);
    ::QueryPerformanceFrequency(&trace->frequency);
    ::QueryPerformanceCounter(&trace->origin);
    if (trace->frequency.QuadPart == 0) return;
    trace->originMs = ProcessAge();
    AddPhase(*trace, "runtime start: process creation, loader, DLLs, C runtime", 0, 0);
    trace->phases.back().length = trace->originMs;
    TheTrace() = std::move(trace);
    trace_detail::g_tracing = true;
}

void EndStartupTrace() {
    if (trace_detail::g_tracing) Finish();
}

namespace trace_detail {

int Open(const char* name, const char* detail) {
    Trace& trace = *TheTrace();
    std::string text = name;
    if (detail) text += std::string(": ") + detail;
    const int phase = AddPhase(trace, std::move(text), trace.depth, trace.Now());
    ++trace.depth;
    return phase;
}

void Close(int phase) {
    // A phase that ends after the trace was written (a page closed later) is
    // no longer recorded.
    if (!g_tracing) return;
    Trace& trace = *TheTrace();
    Phase& closed = trace.phases[static_cast<std::size_t>(phase)];
    closed.length = trace.Now() - closed.start;
    trace.depth = closed.depth;
}

void BeforeMessage(const MSG& message) {
    Trace& trace = *TheTrace();
    if (trace.idle) return Finish();
    OpenFirstPaint(trace);
    trace.messageStart = trace.Now();
    if (trace.waitStart >= 0) {
        // The system's own work before it hands over a message: the display's
        // events, messages sent from elsewhere.
        const int retrieving = Part(trace, "retrieving messages", trace.waitStart);
        trace.phases[retrieving].length += trace.messageStart - trace.waitStart;
        ++trace.phases[retrieving].times;
        trace.waitStart = -1;
    }
    std::string part = "other messages";
    if (message.message == WM_PAINT) {
        char name[64] = "";
        ::GetClassNameA(message.hwnd, name, sizeof name);
        part = std::string("paint ") + name;
    }
    trace.part = Part(trace, part, trace.messageStart);
    ++trace.phases[trace.part].times;
    trace.depthBeforeMessage = trace.depth;
    trace.depth = trace.phases[trace.part].depth + 1;
}

void AfterMessage() {
    if (!g_tracing) return;
    Trace& trace = *TheTrace();
    if (trace.part < 0) return;
    trace.phases[trace.part].length += trace.Now() - trace.messageStart;
    trace.depth = trace.depthBeforeMessage;
    trace.part = -1;
}

void BeforeWait() {
    Trace& trace = *TheTrace();
    if (trace.idle) return;
    OpenFirstPaint(trace);
    // Nothing queued and nothing left to paint: where the first idle begins.
    const double asked = trace.Now();
    MSG next;
    if (::PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE)) {
        trace.waitStart = asked;
        return;
    }
    trace.idle = true;
    Phase& firstPaint = trace.phases[trace.firstPaint];
    firstPaint.length = trace.Now() - firstPaint.start;
    AddPhase(trace, "first idle: the first page painted with its rows", 0, firstPaint.start + firstPaint.length);
}

}  // namespace trace_detail
}  // namespace win
