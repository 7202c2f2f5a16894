// A driver for the BIOS call tests: records each request and answers with a
// frame the test chose, or fails, or writes fewer bytes than a frame.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bios/bios_channel.h"
#include "bios/bios_driver.h"

namespace tlw::test {

struct Sent {
    RegisterFrame frame;
    std::string call;
};

class ScriptedDriver : public BiosDriver {
public:
    // The answer to a request; by default the input with status 0 and AH 0.
    std::function<RegisterFrame(const RegisterFrame&)> answer = [](const RegisterFrame& in) {
        RegisterFrame out = in;
        out.status = 0;
        out.eax &= 0xFFFF00FFu;
        return out;
    };
    bool fail = false;
    bool closes = true;  // what Close answers
    int closeCalls = 0;
    std::size_t bytesWritten = kRegisterFrameBytes;
    std::vector<Sent>* sent = nullptr;

    bool Request(const FrameBytes& in, FrameBytes& out, std::size_t& returned, const char* call) override {
        if (sent) sent->push_back({FromBytes(in), call});
        if (fail) return false;
        const FrameBytes full = ToBytes(answer(FromBytes(in)));
        for (std::size_t i = 0; i < bytesWritten && i < full.size(); ++i) out[i] = full[i];
        returned = bytesWritten;
        return true;
    }
    bool Close() override {
        ++closeCalls;
        return closes;
    }
};

// Opens the channel on a scripted driver for one test and closes it after.
class ScriptedChannel {
public:
    ScriptedChannel() {
        auto driver = std::make_unique<ScriptedDriver>();
        driver_ = driver.get();
        driver_->sent = &sent;
        OpenBiosChannelWith(std::move(driver));
    }
    ~ScriptedChannel() { CloseBiosChannel(); }

    ScriptedDriver& driver() { return *driver_; }
    // Every request answers with `out`.
    void AnswerWith(const RegisterFrame& out) {
        driver_->answer = [out](const RegisterFrame&) { return out; };
    }
    const RegisterFrame& last() const { return sent.back().frame; }

    std::vector<Sent> sent;

private:
    ScriptedDriver* driver_;
};

}  // namespace tlw::test
