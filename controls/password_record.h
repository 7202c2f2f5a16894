// A password as the BIOS takes it: the keyboard scan codes of up to 8 keys,
// with their number and whether a password is to be set at all. No windows.h:
// the records and the key filter (controls/password_keys.h) are tested natively.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tlw {

constexpr std::size_t kMaxPasswordKeys = 8;
// The BIOS's password buffer: 8 codes and one spare byte.
constexpr std::size_t kPasswordBufferBytes = 9;

struct PasswordRecord {
    std::uint32_t enabled = 0;  // 1: a password is to be set; 0: it is to be removed
    std::uint32_t typed = 0;    // non-zero once the user typed in the box it came from
    std::uint32_t length = 0;   // codes in use, 0 to 8
    std::uint8_t codes[kPasswordBufferBytes] = {};  // in typing order; those after `length` are no part of it

    PasswordRecord() = default;
    PasswordRecord(const PasswordRecord&) = default;
    PasswordRecord& operator=(const PasswordRecord&) = default;
    // Every copy that held codes clears them when it goes.
    ~PasswordRecord() { Wipe(); }

    // A record that only says whether a password is set: no codes.
    static PasswordRecord State(bool set);

    // Every field 0, every code byte 0.
    void Wipe();
};

// Equal lengths and equal codes up to that length: the two boxes of the
// change password dialog hold the same password. Case never matters, since
// a letter's scan code is the same with and without Shift.
bool SamePassword(const PasswordRecord& a, const PasswordRecord& b);

}  // namespace tlw
