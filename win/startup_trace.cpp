// The start-up trace: phases timed with the performance counter, anchored to
// the process's creation time, written to the file TALLOWIN_TRACE names at the
// first message after the first idle, so that writing it costs the start nothing.
// Fixed records in one block allocated only when tracing: the program carries
// little code for it and, untraced, no memory.
#include "win/startup_trace.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

namespace win {
namespace trace_detail {
bool g_tracing = false;
}  // namespace trace_detail

namespace {

constexpr const char* kVariable = "TALLOWIN_TRACE";

struct Phase {
    const char* name;  // a literal
    char detail[40];   // follows the name: ": " and a page's title, or " " and a painted window's class
    int depth;
    double start;   // milliseconds from the process's creation
    double length;  // for the first paint's parts, the sum over their messages
    int times;      // how many messages a part of the first paint took; 1 for any other phase
};

// Far more than a start records; phases beyond it are left out.
constexpr int kMaxPhases = 128;

struct Trace {
    char path[MAX_PATH];
    LARGE_INTEGER frequency;
    LARGE_INTEGER origin;
    double originMs;  // the process's age when the counter read `origin`
    Phase phases[kMaxPhases];
    int count;
    int depth;

    // Until the first idle: the phase that holds the messages' parts, the
    // part the current message adds to, when that message began.
    int firstPaint;
    int part;
    int depthBeforeMessage;
    double messageStart;
    double waitStart;  // when the loop last asked for a message; negative when it did not
    bool idle;

    double Now() const {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return originMs + 1000.0 * static_cast<double>(now.QuadPart - origin.QuadPart) /
                              static_cast<double>(frequency.QuadPart);
    }
};

Trace* g_trace = nullptr;

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

// The new phase's index; -1 when the records are full.
int AddPhase(Trace& trace, const char* name, const char* detail, int depth, double start, int times = 1) {
    if (trace.count == kMaxPhases) return -1;
    Phase& phase = trace.phases[trace.count];
    phase.name = name;
    std::snprintf(phase.detail, sizeof phase.detail, "%s", detail ? detail : "");
    phase.depth = depth;
    phase.start = start;
    phase.length = 0;
    phase.times = times;
    return trace.count++;
}

// The first paint's part named `name` (and `detail`), made at its first message.
int Part(Trace& trace, const char* name, const char* detail, double now) {
    const int depth = trace.phases[trace.firstPaint].depth + 1;
    for (int i = trace.firstPaint + 1; i < trace.count; ++i) {
        const Phase& phase = trace.phases[i];
        if (phase.depth == depth && phase.name == name && std::strcmp(phase.detail, detail) == 0) return i;
    }
    return AddPhase(trace, name, detail, depth, now, 0);
}

void OpenFirstPaint(Trace& trace) {
    if (trace.firstPaint < 0) {
        trace.firstPaint = AddPhase(trace, "first paint: messages up to the first idle", nullptr, trace.depth, trace.Now());
    }
}

void Write(HANDLE file, const char* text) {
    DWORD written = 0;
    ::WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

// The DLLs the process has loaded, by the tool help functions (looked up: the
// trace is the only user, and Windows NT 4.0 lacks them), one line each.
void WriteModules(HANDLE file, bool idle) {
    HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
    using Snapshot = HANDLE(WINAPI*)(DWORD, DWORD);
    using Walk = BOOL(WINAPI*)(HANDLE, MODULEENTRY32*);
    const auto snapshot = reinterpret_cast<Snapshot>(
        reinterpret_cast<void*>(::GetProcAddress(kernel32, "CreateToolhelp32Snapshot")));
    const auto first = reinterpret_cast<Walk>(reinterpret_cast<void*>(::GetProcAddress(kernel32, "Module32First")));
    const auto next = reinterpret_cast<Walk>(reinterpret_cast<void*>(::GetProcAddress(kernel32, "Module32Next")));
    HANDLE modules = snapshot ? snapshot(TH32CS_SNAPMODULE, 0) : INVALID_HANDLE_VALUE;
    Write(file, idle ? "# DLLs loaded at the first idle\r\n" : "# DLLs loaded at the end\r\n");
    if (modules == INVALID_HANDLE_VALUE || !first || !next) return;
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    char line[MAX_PATH + 8];
    for (BOOL more = first(modules, &entry); more; more = next(modules, &entry)) {
        std::snprintf(line, sizeof line, "dll %s\r\n", entry.szExePath);
        Write(file, line);
    }
    ::CloseHandle(modules);
}

// Writes what was recorded with the DLLs loaded now, and ends the trace.
void Finish() {
    Trace* trace = g_trace;
    g_trace = nullptr;
    trace_detail::g_tracing = false;
    if (!trace) return;
    HANDLE file = ::CreateFileA(trace->path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        Write(file,
              "# tlw.exe start-up: each phase's start and length in milliseconds from the process's creation, and\r\n"
              "# how many messages each part of the first paint took\r\n"
              "#    start     length  times  phase\r\n");
        char line[160];
        for (int i = 0; i < trace->count; ++i) {
            const Phase& phase = trace->phases[i];
            std::snprintf(line, sizeof line, "%10.2f %10.2f %6d  %*s%s%s\r\n", phase.start, phase.length, phase.times,
                          2 * phase.depth, "", phase.name, phase.detail);
            Write(file, line);
        }
        WriteModules(file, trace->idle);
        ::CloseHandle(file);
    }
    delete trace;
}

}  // namespace

void BeginStartupTrace() {
    char path[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableA(kVariable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    Trace* trace = new Trace();
    std::memcpy(trace->path, path, length + 1);
    ::QueryPerformanceFrequency(&trace->frequency);
    ::QueryPerformanceCounter(&trace->origin);
    if (trace->frequency.QuadPart == 0) {
        delete trace;
        return;
    }
    trace->originMs = ProcessAge();
    trace->firstPaint = -1;
    trace->part = -1;
    trace->waitStart = -1;
    const int runtime = AddPhase(*trace, "runtime start: process creation, loader, DLLs, C runtime", nullptr, 0, 0);
    trace->phases[runtime].length = trace->originMs;
    g_trace = trace;
    trace_detail::g_tracing = true;
}

void EndStartupTrace() {
    if (trace_detail::g_tracing) Finish();
}

namespace trace_detail {

int Open(const char* name, const char* detail) {
    Trace& trace = *g_trace;
    char titled[sizeof Phase().detail] = "";
    if (detail) std::snprintf(titled, sizeof titled, ": %s", detail);
    const int phase = AddPhase(trace, name, titled, trace.depth, trace.Now());
    if (phase >= 0) ++trace.depth;
    return phase;
}

void Close(int phase) {
    // A phase that ends after the trace was written (a page closed later) is
    // no longer recorded.
    if (!g_tracing) return;
    Trace& trace = *g_trace;
    Phase& closed = trace.phases[phase];
    closed.length = trace.Now() - closed.start;
    trace.depth = closed.depth;
}

void BeforeMessage(const MSG& message) {
    Trace& trace = *g_trace;
    if (trace.idle) return Finish();
    OpenFirstPaint(trace);
    trace.messageStart = trace.Now();
    trace.part = -1;
    if (trace.firstPaint < 0) return;
    if (trace.waitStart >= 0) {
        // The system's own work before it hands over a message: the display's
        // events, messages sent from elsewhere.
        const int retrieving = Part(trace, "retrieving messages", "", trace.waitStart);
        if (retrieving >= 0) {
            trace.phases[retrieving].length += trace.messageStart - trace.waitStart;
            ++trace.phases[retrieving].times;
        }
        trace.waitStart = -1;
    }
    char windowClass[sizeof Phase().detail] = "";
    if (message.message == WM_PAINT) {
        windowClass[0] = ' ';
        ::GetClassNameA(message.hwnd, windowClass + 1, sizeof windowClass - 1);
    }
    trace.part = Part(trace, windowClass[0] ? "paint" : "other messages", windowClass, trace.messageStart);
    if (trace.part < 0) return;
    ++trace.phases[trace.part].times;
    trace.depthBeforeMessage = trace.depth;
    trace.depth = trace.phases[trace.part].depth + 1;
}

void AfterMessage() {
    if (!g_tracing) return;
    Trace& trace = *g_trace;
    if (trace.part < 0) return;
    trace.phases[trace.part].length += trace.Now() - trace.messageStart;
    trace.depth = trace.depthBeforeMessage;
    trace.part = -1;
}

void BeforeWait() {
    Trace& trace = *g_trace;
    if (trace.idle) return;
    OpenFirstPaint(trace);
    if (trace.firstPaint < 0) return;
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
    AddPhase(trace, "first idle: the first page painted with its rows", nullptr, 0, firstPaint.start + firstPaint.length);
}

}  // namespace trace_detail
}  // namespace win
