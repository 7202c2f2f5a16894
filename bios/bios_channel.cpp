// The process-wide BIOS channel: one driver, one request per BIOS call.
#include "bios/bios_channel.h"

#include <algorithm>
#include <utility>

namespace tlw {
namespace {

std::unique_ptr<BiosDriver>& OpenDriver() {
    static std::unique_ptr<BiosDriver> driver;
    return driver;
}

}  // namespace

bool OpenBiosChannelWith(std::unique_ptr<BiosDriver> driver) {
    OpenDriver() = std::move(driver);
    return OpenDriver() != nullptr;
}

bool CloseBiosChannel() {
    const std::unique_ptr<BiosDriver> driver = std::move(OpenDriver());
    return driver && driver->Close();
}

BiosDriver* ChannelDriver() { return OpenDriver().get(); }

bool CallBios(const RegisterFrame& in, RegisterFrame& out, const char* callName) {
    BiosDriver* driver = OpenDriver().get();
    if (!driver) return false;

    // The local block starts cleared: whatever the driver leaves unwritten reads
    // as zero, never as stale memory.
    FrameBytes answer{};
    FrameBytes written{};
    std::size_t returned = 0;
    if (!driver->Request(ToBytes(in), answer, returned, callName)) return false;
    const std::size_t count = std::min(returned, answer.size());
    std::copy_n(answer.begin(), count, written.begin());
    out = FromBytes(written);
    return true;
}

}  // namespace tlw
