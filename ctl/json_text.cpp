// Escaping text for JSON.
#include "ctl/json_text.h"

#include <cstdio>

namespace tlw::ctl {

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': json += "\\\""; break;
            case '\\': json += "\\\\"; break;
            case '\n': json += "\\n"; break;
            case '\r': json += "\\r"; break;
            case '\t': json += "\\t"; break;
            default:
                if (byte < 0x20 || byte >= 0x7F) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04X", byte);
                    json += escape;
                } else {
                    json += c;
                }
        }
    }
    return json + "\"";
}

}  // namespace tlw::ctl
