// One BIOS setting that a page writes on Apply: the value the user chose and
// Apply has not written yet, and the value Apply last wrote in this run, so
// that "Load Previous BIOS Settings" can write it again.
//
// Both are kept as the BIOS interface's own "unset" marker: 0xFF for a byte
// (nothing pending, none applied), every byte 0xFF for a byte list (the
// 16-byte boot list). No setting a page writes takes that value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>

#include "pages/settings_model.h"

namespace tlw {

constexpr std::uint8_t kUnsetByte = 0xFF;

// When a written setting takes effect.
enum class Effect {
    AtOnce,        // the BIOS acts on it as soon as it holds it
    AfterRestart,  // the BIOS reads it only at the next boot
};

// `Value` is std::uint8_t or std::array<std::uint8_t, N>.
template <typename Value>
class PendingSetting {
public:
    // Writes one value to the BIOS. Its success is not looked at: a value
    // handed to the BIOS counts as applied.
    using Writer = std::function<void(const Value&)>;

    PendingSetting(Writer write, Effect effect) : write_(std::move(write)), effect_(effect) {}

    // The marker for "nothing pending" and "none applied".
    static Value Unset() {
        if constexpr (std::is_same_v<Value, std::uint8_t>) {
            return kUnsetByte;
        } else {
            Value unset;
            unset.fill(kUnsetByte);
            return unset;
        }
    }

    // The user's choice, written at the next Apply. Choosing the marker
    // itself drops the choice.
    void Choose(const Value& value) { pending_ = value; }
    // Forgets the choice (the page read the BIOS again).
    void Drop() { pending_ = Unset(); }

    bool HasPending() const { return pending_ != Unset(); }
    bool HasApplied() const { return lastApplied_ != Unset(); }
    // The marker when there is none.
    const Value& pending() const { return pending_; }
    const Value& lastApplied() const { return lastApplied_; }

    // Writes the pending value, records it as last applied and clears it.
    // Nothing, and no write, when nothing is pending.
    ApplyResult Apply() {
        if (!HasPending()) return ApplyResult::Nothing;
        write_(pending_);
        lastApplied_ = pending_;
        pending_ = Unset();
        return effect_ == Effect::AfterRestart ? ApplyResult::AppliedNeedsRestart : ApplyResult::Applied;
    }

    // Writes the last applied value again and forgets it, and drops any
    // pending choice: the page reads the BIOS again next. False, and no
    // write, when nothing was applied.
    bool Restore() {
        pending_ = Unset();
        if (!HasApplied()) return false;
        write_(lastApplied_);
        lastApplied_ = Unset();
        return true;
    }

private:
    Writer write_;
    Effect effect_;
    Value pending_ = Unset();
    Value lastApplied_ = Unset();
};

using PendingByte = PendingSetting<std::uint8_t>;
template <std::size_t N>
using PendingBytes = PendingSetting<std::array<std::uint8_t, N>>;

}  // namespace tlw
