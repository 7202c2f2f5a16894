// The password box's key filter.
#include "controls/password_keys.h"

namespace tlw {
namespace {

constexpr unsigned kBackspace = 8;

}  // namespace

bool IsPasswordKey(unsigned virtualKey) {
    return (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z');
}

bool IsSwallowedKey(unsigned virtualKey) {
    switch (virtualKey) {
        case 0x10:  // Shift
        case 0x11:  // Ctrl
        case 0x13:  // Pause
        case 0x14:  // Caps Lock
        case 0x2C:  // Print Screen
        case 0x2D:  // Insert
        case 0x90:  // Num Lock
        case 0x91:  // Scroll Lock
            return true;
        default:
            return virtualKey >= 0x21 && virtualKey <= 0x28;  // Page Up to Down arrow
    }
}

KeyVerdict PasswordKeys::Type(unsigned character, std::uint8_t scanCode, unsigned virtualKey) {
    std::uint32_t& count = record_.length;
    if (count > 0 && character == kBackspace) {
        record_.typed = 1;
        record_.codes[--count] = 0;
        return KeyVerdict::Erased;
    }
    if (count >= kMaxPasswordKeys) return KeyVerdict::Refused;
    // Any other key counts as typing, even one that is refused.
    record_.typed = 1;
    if (!IsPasswordKey(virtualKey)) return KeyVerdict::Refused;
    record_.codes[count++] = scanCode;
    return KeyVerdict::Stored;
}

void PasswordKeys::Restart() {
    const std::uint32_t enabled = record_.enabled;
    const std::uint32_t typed = record_.typed;
    record_.Wipe();
    record_.enabled = enabled;
    record_.typed = typed;
}

void PasswordKeys::Empty() {
    const std::uint32_t enabled = record_.enabled;
    record_.Wipe();
    record_.enabled = enabled;
}

void PasswordKeys::SetRecord(const PasswordRecord& record) {
    record_ = record;
    record_.typed = 0;
    if (record_.length > kMaxPasswordKeys) record_.length = kMaxPasswordKeys;
}

}  // namespace tlw
