// How each kind of key's value reads and writes.
#include "sim/state_keys.h"

#include <cctype>
#include <cstdio>

namespace tlw::sim {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool StateKeys::ParseNumber(const std::string& text, unsigned long max, unsigned long& value) {
    std::uint64_t wide = 0;
    if (!ParseWide(text, max, wide)) return false;
    value = static_cast<unsigned long>(wide);
    return true;
}

bool StateKeys::ParseWide(const std::string& text, std::uint64_t max, std::uint64_t& value) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::size_t first = hex ? 2 : 0;
    const unsigned base = hex ? 16 : 10;
    if (text.size() <= first) return false;
    std::uint64_t result = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
        const int d = hex ? HexDigit(text[i]) : std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0' : -1;
        if (d < 0) return false;
        // Checked before the step, so that no figure wraps past 64 bits.
        const auto digit = static_cast<std::uint64_t>(d);
        if (digit > max || result > (max - digit) / base) return false;
        result = result * base + digit;
    }
    value = result;
    return true;
}

std::string StateKeys::Hex(unsigned long value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}

void StateKeys::OnOff(const char* name, bool& value, const char* help) {
    Visit(name, help, value ? "on" : "off", "on or off", [&](const std::string& text) {
        if (text == "on" || text == "1") return value = true, true;
        if (text == "off" || text == "0") return value = false, true;
        return false;
    });
}

void StateKeys::Byte(const char* name, std::uint8_t& value, const char* help) {
    Visit(name, help, std::to_string(value), "a byte", [&](const std::string& text) {
        unsigned long wide = 0;
        return ParseNumber(text, 0xFF, wide) && (value = static_cast<std::uint8_t>(wide), true);
    });
}

namespace {

std::string HexText(const std::uint8_t* bytes, std::size_t count) {
    std::string written;
    char byte[4];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(byte, sizeof byte, "%02X", bytes[i]);
        written += (written.empty() ? "" : " ") + std::string(byte);
    }
    return written;
}

// Hex digit pairs, blanks and commas between them ignored; false on anything else.
bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == ',') continue;
        const int d = HexDigit(c);
        if (d < 0) return false;
        if (high < 0) {
            high = d;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high << 4 | d));
            high = -1;
        }
    }
    return high < 0;
}

}  // namespace

void StateKeys::ByteList(const char* name, std::vector<std::uint8_t>& value, std::size_t most, const char* help) {
    Visit(name, help, HexText(value.data(), value.size()), "up to " + std::to_string(most) + " hex bytes",
          [&](const std::string& text) {
              std::vector<std::uint8_t> bytes;
              if (!ParseHexBytes(text, bytes) || bytes.size() > most) return false;
              value = bytes;
              return true;
          });
}

void StateKeys::HexBytes(const char* name, std::uint8_t* value, std::size_t count, const char* help) {
    Visit(name, help, HexText(value, count), std::to_string(count) + " hex bytes", [=](const std::string& text) {
        std::vector<std::uint8_t> bytes;
        if (!ParseHexBytes(text, bytes) || bytes.size() != count) return false;
        for (std::size_t i = 0; i < count; ++i) value[i] = bytes[i];
        return true;
    });
}

void StateKeys::BytePair(const char* name, std::uint8_t& first, std::uint8_t& second, const char* help) {
    Visit(name, help, std::to_string(first) + " " + std::to_string(second), "two bytes, e.g. 0 15",
          [&](const std::string& text) {
              const std::size_t gap = text.find_first_of(" \t");
              const std::size_t next = text.find_first_not_of(" \t", gap);
              if (gap == std::string::npos || next == std::string::npos) return false;
              unsigned long a = 0, b = 0;
              if (!ParseNumber(text.substr(0, gap), 0xFF, a) || !ParseNumber(text.substr(next), 0xFF, b)) return false;
              first = static_cast<std::uint8_t>(a);
              second = static_cast<std::uint8_t>(b);
              return true;
          });
}

namespace {

// True when `text` holds an escape, \xHH, at `at`.
bool EscapeAt(const std::string& text, std::size_t at) {
    return at + 3 < text.size() && text.compare(at, 2, "\\x") == 0 && HexDigit(text[at + 2]) >= 0 &&
           HexDigit(text[at + 3]) >= 0;
}

std::string QuotedText(const std::string& text) {
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // A backslash stands for itself (Windows paths read as they are)
        // unless it would begin an escape.
        if (byte == '#' || byte == '"' || byte < 0x20 || byte > 0x7E || (byte == '\\' && EscapeAt(text, i))) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        } else {
            quoted += text[i];
        }
    }
    return quoted + "\"";
}

bool ParseQuotedText(const std::string& text, std::string& value) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return false;
    const std::string inside = text.substr(1, text.size() - 2);
    std::string result;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i] == '"') return false;
        if (!EscapeAt(inside, i)) {
            result += inside[i];
            continue;
        }
        const char byte = static_cast<char>(HexDigit(inside[i + 2]) << 4 | HexDigit(inside[i + 3]));
        if (byte == 0) return false;  // a text ends at its NUL
        result += byte;
        i += 3;
    }
    value = result;
    return true;
}

}  // namespace

void StateKeys::Text(const char* name, std::string& value, const char* help) {
    Visit(name, help, QuotedText(value), "a text, bare or in double quotes", [&](const std::string& text) {
        // A text ends at its NUL: one inside would be saved as an escape that no file may hold.
        if (text.find('\0') != std::string::npos) return false;
        if (text.empty() || text.front() != '"') return value = text, true;
        return ParseQuotedText(text, value);
    });
}

std::vector<std::string> StateKeys::Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \t", at)) != std::string::npos) {
        const std::size_t end = text.find_first_of(" \t", at);
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

}  // namespace tlw::sim
