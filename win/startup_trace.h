// The start-up trace. When TALLOWIN_TRACE names a file, the program writes
// there how long each phase of its start took, in milliseconds counted from
// the creation of its process, up to the moment its first page has painted
// with its rows and it first waits for input; and the DLLs loaded by then.
// Unset, each call below tests one flag and does nothing else.
#pragma once

#include <windows.h>

namespace win {

namespace trace_detail {
extern bool g_tracing;
int Open(const char* name, const char* detail);
void Close(int phase);
void BeforeMessage(const MSG& message);
void AfterMessage();
void BeforeWait();
}  // namespace trace_detail

// Reads TALLOWIN_TRACE; the first thing the program does.
void BeginStartupTrace();
// Writes what was recorded, when the program ends before its first idle.
void EndStartupTrace();

// One phase, from construction to destruction; phases opened meanwhile are
// nested under it. `detail` (may be null) follows the name, as a page's title.
class TracedPhase {
public:
    explicit TracedPhase(const char* name, const char* detail = nullptr)
        : phase_(trace_detail::g_tracing ? trace_detail::Open(name, detail) : -1) {}
    ~TracedPhase() {
        if (phase_ >= 0) trace_detail::Close(phase_);
    }
    TracedPhase(const TracedPhase&) = delete;
    TracedPhase& operator=(const TracedPhase&) = delete;

private:
    int phase_;
};

// `work()` as one phase named `name`; returns what it returns.
template <typename Work>
auto Traced(const char* name, Work work) -> decltype(work()) {
    TracedPhase phase(name);
    return work();
}

// The modal loop's part: around each message it handles until the first
// idle, which paints it took; and the first time it is about to wait with
// nothing left to do or paint, the first idle, which ends the trace.
class TracedMessage {
public:
    explicit TracedMessage(const MSG& message) : traced_(trace_detail::g_tracing) {
        if (traced_) trace_detail::BeforeMessage(message);
    }
    ~TracedMessage() {
        if (traced_) trace_detail::AfterMessage();
    }
    TracedMessage(const TracedMessage&) = delete;
    TracedMessage& operator=(const TracedMessage&) = delete;

private:
    bool traced_;
};

inline void TraceBeforeWait() {
    if (trace_detail::g_tracing) trace_detail::BeforeWait();
}

}  // namespace win
