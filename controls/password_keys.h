// What a password box does with the keys typed into it, apart from the
// window: it keeps not characters but each key's scan code, so that the BIOS
// gets the keys themselves. Only the main digit row and the letter keys make
// a password, at most 8 of them. No windows.h: tested natively.
#pragma once

#include <cstdint>

#include "controls/password_record.h"

namespace tlw {

// What became of one character message.
enum class KeyVerdict {
    Stored,  // its scan code was added; the box shows one more character
    Erased,  // Backspace took back the last code; the box shows one less
    Refused, // dropped with a beep: not a digit or letter key, or 8 already
};

// True for the virtual keys whose scan codes a password may hold: "0" to "9"
// and "A" to "Z".
bool IsPasswordKey(unsigned virtualKey);

// True for the keys a password box swallows, so that the caret never leaves
// the end of what was typed: Shift, Ctrl, Pause, Caps Lock, Page Up and Down,
// End, Home, the arrows, Print Screen, Insert, Num Lock and Scroll Lock.
bool IsSwallowedKey(unsigned virtualKey);

class PasswordKeys {
public:
    PasswordKeys() = default;

    // A character message: `character` its code, `scanCode` the key's
    // hardware scan code, `virtualKey` what the keyboard layout makes of
    // that scan code (MapVirtualKey's scan code to virtual key).
    KeyVerdict Type(unsigned character, std::uint8_t scanCode, unsigned virtualKey);

    // The box gained the focus or was clicked: its whole text is selected,
    // so the next key starts the password again. The old codes are cleared
    // at once rather than left until overwritten.
    void Restart();

    // Nothing typed, no codes, not enabled.
    void Reset() { record_.Wipe(); }
    // Emptied after a mismatch: no codes, nothing typed; enabled kept.
    void Empty();

    // Takes `record`'s enabled flag, length and codes; nothing typed yet.
    void SetRecord(const PasswordRecord& record);
    const PasswordRecord& record() const { return record_; }
    std::uint32_t count() const { return record_.length; }

private:
    PasswordRecord record_;  // the length is the count of codes typed
};

}  // namespace tlw
