// The shared body of every BIOS call.
#include "bios/bios_call.h"

#include <cassert>

#include "bios/bios_channel.h"

namespace tlw {

BiosCall::BiosCall(const CallRow& row) : row_(row) {
    in_.eax = row.eax;
    in_.ebx = row.ebx;
    in_.ClearControlBytes();
}

BiosCall& BiosCall::Bh(std::uint8_t argument) {
    in_.ebx = (std::uint32_t{argument} << 8) | (row_.ebx & 0x00FFu);
    return *this;
}

BiosCall& BiosCall::Ebx(std::uint16_t value) {
    in_.ebx = value;
    return *this;
}

BiosCall& BiosCall::Ecx(std::uint32_t value) {
    in_.ecx = value;
    return *this;
}

BiosCall& BiosCall::Edx(std::uint32_t value) {
    in_.edx = value;
    return *this;
}

BiosCall& BiosCall::Esi(std::uint32_t value) {
    in_.esi = value;
    return *this;
}

BiosCall& BiosCall::Buffer(void* data, std::size_t size) {
    lease_.emplace(data, size);
    in_.esi = lease_->address();
    return *this;
}

BiosCall& BiosCall::Bind(void* target, int width, Field field, bool early) {
    assert(bindingCount_ < kMaxBindings);
    if (bindingCount_ < kMaxBindings) bindings_[bindingCount_++] = {target, width, field, early};
    return *this;
}

void BiosCall::Store(bool early) const {
    for (int i = 0; i < bindingCount_; ++i) {
        const Binding& b = bindings_[i];
        if (b.early != early) continue;
        const std::uint32_t value = b.field(*answer_);
        switch (b.width) {
            case 1: *static_cast<std::uint8_t*>(b.target) = static_cast<std::uint8_t>(value); break;
            case 2: *static_cast<std::uint16_t*>(b.target) = static_cast<std::uint16_t>(value); break;
            default: *static_cast<std::uint32_t*>(b.target) = value; break;
        }
    }
}

bool BiosCall::Run() {
    RegisterFrame out;
    if (!CallBios(in_, out, row_.name)) return false;
    answer_ = out;
    Store(true);
    if (!MeetsRule(row_.rule, out)) return false;
    Store(false);
    return true;
}

bool MeetsRule(SuccessRule rule, const RegisterFrame& answer) {
    switch (rule) {
        case SuccessRule::Status: return answer.status != kBiosRefused;
        case SuccessRule::Ah: return answer.ah() == 0;
        case SuccessRule::Channel: return true;
    }
    return false;
}

bool OnlyReads(const CallRow& row, const RegisterFrame& in) {
    constexpr std::uint8_t kCheckPassword = 3;
    switch (row.access) {
        case Access::Read: return true;
        case Access::Write: return false;
        case Access::CheckOrStore: return in.bh() == kCheckPassword;
    }
    return false;
}

}  // namespace tlw
