// Requests to the simulated notebook: under the notebook's lock, the state
// file taken up again when someone else changed it, then refusal, answer, save
// (or the write refused when it cannot be saved) and log.
#include "sim/simulated_driver.h"

#include "sim/file_system.h"
#include "sim/notebook_paths.h"
#include "sim/request_log.h"
#include "sim/simulated_bios.h"

namespace tlw::sim {
namespace {

// A request holds the lock for a few file operations; one held longer than
// this belongs to a process that stopped, and waiting on would hang the caller.
constexpr unsigned kLockWaitMs = 5000;

// A write the notebook could not keep goes back as it came, whole: the files
// the answer wrote beside the state file hold what they held before.
void Undo(const std::vector<WrittenFile>& written) {
    std::string reason;
    for (auto file = written.rbegin(); file != written.rend(); ++file) {
        if (file->existed) {
            ReplaceWholeFile(file->path, file->before, reason);
        } else {
            RemoveFile(file->path);
        }
    }
}

}  // namespace

SimulatedDriver::SimulatedDriver(std::string statePath, std::string logPath)
    : statePath_(std::move(statePath)), logPath_(std::move(logPath)), lock_(LockPathFor(statePath_)) {}

std::unique_ptr<SimulatedDriver> SimulatedDriver::Open(const std::string& statePath, const std::string& logPath,
                                                       std::string& error) {
    if (!CheckNotebookPaths(statePath, logPath, error)) return nullptr;
    std::unique_ptr<SimulatedDriver> driver(new SimulatedDriver(statePath, logPath));
    // Read and judged before anything is made beside it: a refused file leaves its folder as it was.
    std::string text;
    bool isNew = false;
    if (!driver->Take(text, isNew, error)) return nullptr;
    std::string problem;
    FileLock lock(LockPathFor(statePath));
    if (lock.Acquire(kLockWaitMs, problem)) {
        // Held, no one is saving: what a save left behind belongs to a process that ended.
        RemoveTemporaryFiles(statePath);
        RemoveTemporaryFiles(TableCopyPathFor(statePath));
        // Another process may have made the file since it was read.
        if (isNew && !driver->Take(text, isNew, error)) return nullptr;
    }
    if (isNew && !ReplaceWholeFile(statePath, text, problem)) {
        error = "The simulated notebook's state file " + statePath + " cannot be created: " + problem + ".";
        return nullptr;
    }
    driver->savedText_ = text;
    return driver;
}

bool SimulatedDriver::Take(std::string& text, bool& isNew, std::string& error) {
    std::string problem;
    const ReadResult read = ReadWholeFile(statePath_, text, problem);
    if (read == ReadResult::Failed) {
        error = "The simulated notebook's state file " + statePath_ + " cannot be read: " + problem + ".";
        return false;
    }
    // A file the notebook keeps is never empty: an empty one is new, as a missing one is.
    isNew = read == ReadResult::Missing || text.empty();
    if (isNew) text = DefaultStateText();
    file_ = StateFile();
    state_ = NotebookState();
    if (!ReadStateText(text, file_, state_, problem)) {
        error = "The simulated notebook's state file " + statePath_ + " cannot be used: " + problem;
        return false;
    }
    const std::string& table = state_.identity.dmiTable;
    if (!table.empty() && !IsDiskFileName(table, problem)) {
        error = "The simulated notebook's state file " + statePath_ + " cannot be used: dmi_table names " + table +
                ", and " + problem + ".";
        return false;
    }
    state_.path = statePath_;
    return true;
}

bool SimulatedDriver::Request(const FrameBytes& inBytes, FrameBytes& outBytes, std::size_t& returned,
                              const char* callName) {
    std::string lockProblem;
    const HeldLock lock(lock_, kLockWaitMs, lockProblem);
    const bool locked = lock.held();
    Refresh();
    const RegisterFrame in = FromBytes(inBytes);
    const std::string call = callName ? callName : "";
    const Refusal* refusal = state_.RefusalFor(call);
    if (refusal && refusal->mode == RefusalMode::Channel) {
        AppendLogLine(logPath_, FormatRequestLine(call, in, nullptr, nullptr));
        return false;
    }

    BiosAnswer answer;
    if (!refusal && state_.chaos.on) {
        ChaosAnswer chaos = chaos_.Answer(state_, in, call);
        if (chaos.channelFails) {
            AppendLogLine(logPath_, FormatRequestLine(call, in, nullptr, nullptr));
            return false;
        }
        answer = std::move(chaos.answer);
    } else if (refusal) {
        answer.out = in;
        answer.out.status = refusal->mode == RefusalMode::Status ? kBiosRefused : 0;
        if (refusal->mode == RefusalMode::Ah) {
            answer.out.eax = (answer.out.eax & 0xFFFF00FFu) | (std::uint32_t{refusal->ah} << 8);
        }
    } else {
        answer = AnswerRequest(state_, in);
    }

    std::string notKept;
    if (answer.changedSettings && !Keep(locked, lockProblem, notKept)) {
        // Nothing changed: the state as last kept is the one its saved text gives.
        std::string ignored;
        state_ = NotebookState();
        ReadStateText(savedText_, file_, state_, ignored);
        state_.path = statePath_;
        Undo(answer.written);
        // Refused as a `refuse = <call> status` line refuses it: the input
        // frame back with status 0xFFFFFFFF, so AH keeps the function group's
        // non-zero byte and a call judged by AH sees the failure too.
        answer.out = in;
        answer.out.status = kBiosRefused;
    }
    AppendLogLine(logPath_, FormatRequestLine(call, in, &answer.out, answer.passesBuffer ? &answer.buffer : nullptr));
    if (!notKept.empty()) AppendLogLine(logPath_, "STATE NOT SAVED " + notKept);
    outBytes = ToBytes(answer.out);
    returned = outBytes.size();
    return true;
}

void SimulatedDriver::LogRestart(bool cancelled) {
    AppendLogLine(logPath_, cancelled ? "RESTART CANCELLED" : "RESTART");
}

void SimulatedDriver::Refresh() {
    std::string text;
    std::string reason;
    switch (ReadWholeFile(statePath_, text, reason)) {
        case ReadResult::Missing:
            reason = "it is gone";
            break;
        case ReadResult::Failed:
            break;
        case ReadResult::Read: {
            if (text == savedText_) {
                fileUsable_ = true;
                return;
            }
            // Read afresh: keys the edited file leaves out take the default notebook's values.
            StateFile file;
            NotebookState state;
            if (!ReadStateText(text, file, state, reason)) break;
            file_ = std::move(file);
            state.path = statePath_;
            state_ = std::move(state);
            savedText_ = text;
            fileUsable_ = true;
            return;
        }
    }
    fileUsable_ = false;
    AppendLogLine(logPath_, "STATE NOT READ " + statePath_ + ": " + reason);
}

bool SimulatedDriver::Keep(bool locked, const std::string& lockProblem, std::string& reason) {
    if (!fileUsable_) {
        reason = "the file on disk was changed and cannot be used";
        return false;
    }
    StateFile next = file_;
    WriteState(state_, next);
    const std::string text = next.Text();
    if (text != savedText_) {
        if (!locked) {
            reason = lockProblem;
            return false;
        }
        if (!ReplaceWholeFile(statePath_, text, reason)) return false;
        savedText_ = text;
    }
    file_ = std::move(next);
    return true;
}

}  // namespace tlw::sim
