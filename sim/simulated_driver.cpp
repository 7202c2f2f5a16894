// Requests to the simulated notebook: the state file taken up again when a
// person edited it, then refusal, answer, log and save.
#include "sim/simulated_driver.h"

#include "sim/file_system.h"
#include "sim/request_log.h"
#include "sim/simulated_bios.h"

namespace tlw::sim {

SimulatedDriver::SimulatedDriver(std::string statePath, std::string logPath)
    : statePath_(std::move(statePath)), logPath_(std::move(logPath)) {}

std::unique_ptr<SimulatedDriver> SimulatedDriver::Open(const std::string& statePath, const std::string& logPath,
                                                       std::string& error) {
    std::unique_ptr<SimulatedDriver> driver(new SimulatedDriver(statePath, logPath));
    std::string text;
    std::string problem;
    const ReadResult read = ReadWholeFile(statePath, text, problem);
    if (read == ReadResult::Failed) {
        error = "The simulated notebook's state file " + statePath + " cannot be read: " + problem + ".";
        return nullptr;
    }
    const bool exists = read == ReadResult::Read;
    if (!exists) text = DefaultStateText();
    if (!driver->file_.Parse(text, problem) || !ReadState(driver->file_, driver->state_, problem)) {
        error = "The simulated notebook's state file " + statePath + " cannot be used: " + problem;
        return nullptr;
    }
    driver->state_.path = statePath;
    if (!exists && !ReplaceWholeFile(statePath, text, problem)) {
        error = "The simulated notebook's state file " + statePath + " cannot be created: " + problem + ".";
        return nullptr;
    }
    driver->savedText_ = text;
    return driver;
}

bool SimulatedDriver::Request(const FrameBytes& inBytes, FrameBytes& outBytes, std::size_t& returned,
                              const char* callName) {
    Refresh();
    const RegisterFrame in = FromBytes(inBytes);
    const std::string call = callName ? callName : "";
    const Refusal* refusal = state_.RefusalFor(call);
    if (refusal && refusal->mode == RefusalMode::Channel) {
        AppendLogLine(logPath_, FormatRequestLine(call, in, nullptr, nullptr));
        if (savePending_) Save();
        return false;
    }

    BiosAnswer answer;
    if (!refusal && state_.chaos.on) {
        ChaosAnswer chaos = chaos_.Answer(state_, in, call);
        if (chaos.channelFails) {
            AppendLogLine(logPath_, FormatRequestLine(call, in, nullptr, nullptr));
            if (savePending_) Save();
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

    AppendLogLine(logPath_, FormatRequestLine(call, in, &answer.out, answer.passesBuffer ? &answer.buffer : nullptr));
    if (answer.changedSettings || savePending_) Save();
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
            if (!file.Parse(text, reason) || !ReadState(file, state, reason)) break;
            file_ = std::move(file);
            state.path = statePath_;
            state_ = std::move(state);
            savedText_ = text;
            savePending_ = false;  // the person's file wins over a change it never held
            fileUsable_ = true;
            return;
        }
    }
    fileUsable_ = false;
    AppendLogLine(logPath_, "STATE NOT READ " + statePath_ + ": " + reason);
}

void SimulatedDriver::Save() {
    WriteState(state_, file_);
    const std::string text = file_.Text();
    std::string reason = "the file on disk was changed and cannot be used";
    savePending_ = text != savedText_ && (!fileUsable_ || !ReplaceWholeFile(statePath_, text, reason));
    if (savePending_) {
        AppendLogLine(logPath_, "STATE NOT SAVED " + reason);
    } else {
        savedText_ = text;
    }
}

}  // namespace tlw::sim
