// The state file's keys as an area names them: one line per key, through a
// typed helper that knows how its kind of value reads and writes.
//
//     keys.OnOff("hotkey_button", state.shell.hotkeyButtonOn, "the hotkey button: on or off");
//
// Reading a line, writing the state and writing a new file's text are three
// walks over the same lines.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace tlw::sim {

class StateKeys {
public:
    virtual ~StateKeys() = default;

    void OnOff(const char* name, bool& value, const char* help);
    // A byte written in decimal; read in decimal or 0x hex.
    void Byte(const char* name, std::uint8_t& value, const char* help);
    // Two bytes in decimal, "0 15": a lower and an upper bound, kept as given
    // (an upper below the lower is a BIOS answer worth simulating).
    void BytePair(const char* name, std::uint8_t& first, std::uint8_t& second, const char* help);
    // Bytes in hex, "1E 30 2E" or "1e302e"; at most `most` of them; empty for none.
    void ByteList(const char* name, std::vector<std::uint8_t>& value, std::size_t most, const char* help);
    // Exactly `count` bytes in hex, "01 00" or "0100".
    void HexBytes(const char* name, std::uint8_t* value, std::size_t count, const char* help);
    // Text in double quotes, so that blanks at either end survive; inside, \xHH stands for `#`, `"` and any
    // byte outside printable ASCII, every other character (a backslash too) for itself. Read quoted so, or
    // unquoted as it stands.
    void Text(const char* name, std::string& value, const char* help);
    // An unsigned number written in 0x hex, as wide as its type; read in decimal or 0x hex.
    template <typename Unsigned>
    void Number(const char* name, Unsigned& value, const char* help) {
        unsigned long wide = value;
        Visit(name, help, Hex(value, 2 * sizeof value), "a number up to " + Hex(std::numeric_limits<Unsigned>::max(), 0),
              [&](const std::string& text) {
                  return ParseNumber(text, std::numeric_limits<Unsigned>::max(), wide) &&
                         (value = static_cast<Unsigned>(wide), true);
              });
    }

    // A key of an area's own form: its value as text, what a value must be,
    // and how a text becomes its value (false, nothing changed, when it does not parse).
    void Form(const char* name, const std::string& text, const std::string& expected,
              const std::function<bool(const std::string&)>& parse, const char* help) {
        Visit(name, help, text, expected, parse);
    }

    static bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value);
    // As ParseNumber, 64 bits wide on every platform.
    static bool ParseWide(const std::string& text, std::uint64_t max, std::uint64_t& value);
    static std::string Hex(unsigned long value, int digits);
    // The blank- or tab-separated words of `text`.
    static std::vector<std::string> Words(const std::string& text);

protected:
    // One key: its name and help, its value as text, what a value must be,
    // and how a text becomes its value (false when it does not parse).
    virtual void Visit(const char* name, const char* help, const std::string& text, const std::string& expected,
                       const std::function<bool(const std::string&)>& parse) = 0;
};

}  // namespace tlw::sim
