// Escaping text for JSON and for the console.
#include "ctl/json_text.h"

#include <cstdio>

namespace tlw::ctl {
namespace {

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// A control character's escape, or a byte's as \u00XX.
std::string EscapeOf(unsigned char byte) {
    switch (byte) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: break;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04X", byte);
    return escape;
}

}  // namespace

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += std::string("\\") + c;
        } else if (IsControl(byte) || byte > 0x7F) {
            json += EscapeOf(byte);
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string EscapedControls(const std::string& text) {
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += IsControl(byte) ? EscapeOf(byte) : std::string(1, c);
    }
    return shown;
}

}  // namespace tlw::ctl
