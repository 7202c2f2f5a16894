// The boot, POST and fan BIOS calls: each is its catalogue row plus its arguments.
#include "bios/boot_calls.h"

#include "bios/call_rows.h"

namespace tlw {
namespace {

constexpr std::uint8_t kWriteOptions = 1;  // BH of the options byte's write
constexpr std::uint8_t kSimpleBootBit = 0x01;
constexpr std::uint8_t kFastPostBit = 0x02;
constexpr std::uint8_t kFastPostBits = 0x06;  // what switching fast POST off clears

// Reads the options byte, keeps the bits of `keep`, sets those of `set` and
// writes it back: two requests under the call's own name. Nothing is written
// when the read fails. The read and the write are not atomic.
bool RewriteBootOptions(const CallRow& row, std::uint8_t keep, std::uint8_t set) {
    std::uint8_t options = 0;
    if (!BiosCall(row).Out(options, reg::AL).Run()) return false;
    return BiosCall(row).Bh(kWriteOptions).Ecx(static_cast<std::uint8_t>((options & keep) | set)).Run();
}

// The read of the options byte, `bit` delivered as 1 or 0.
bool ReadBootOption(const CallRow& row, std::uint8_t bit, std::uint8_t& on) {
    std::uint8_t options = 0;
    if (!BiosCall(row).Out(options, reg::AL).Run()) return false;
    on = (options & bit) ? 1 : 0;
    return true;
}

}  // namespace

bool GetBootSeq(BootList& list) { return BiosCall(row::GetBootSeq).Buffer(list.data(), list.size()).Run(); }

bool SetBootSeq(const BootList& list) {
    // The driver only reads the list; the lease wants a writable span.
    return BiosCall(row::SetBootSeq).Buffer(const_cast<std::uint8_t*>(list.data()), list.size()).Run();
}

bool GetHddBootSeq(std::uint8_t& value) { return BiosCall(row::GetHddBootSeq).Out(value, reg::DL).Run(); }

bool SetHddBootSeq(std::uint8_t value) { return BiosCall(row::SetHddBootSeq).Edx(value).Run(); }

bool GetSimpleBoot(std::uint8_t& on) { return ReadBootOption(row::GetSimpleBoot, kSimpleBootBit, on); }

bool EnableSimpleBoot(bool on) {
    return on ? RewriteBootOptions(row::EnableSimpleBoot, 0xFF, kSimpleBootBit)
              : RewriteBootOptions(row::EnableSimpleBoot, static_cast<std::uint8_t>(~kSimpleBootBit), 0);
}

bool GetFastPOST(std::uint8_t& on) { return ReadBootOption(row::GetFastPOST, kFastPostBit, on); }

bool EnableFastPOST(bool on) {
    return on ? RewriteBootOptions(row::EnableFastPOST, 0xFF, kFastPostBit)
              : RewriteBootOptions(row::EnableFastPOST, static_cast<std::uint8_t>(~kFastPostBits), 0);
}

bool GetFanStatus(std::uint8_t& on) { return BiosCall(row::GetFanStatus).Out(on, reg::AL).Run(); }

bool EnableFan(bool on) { return BiosCall(row::EnableFan).Bh(on ? 1 : 0).Run(); }

}  // namespace tlw
