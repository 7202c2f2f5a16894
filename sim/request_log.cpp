// Formatting and appending request log lines.
#include "sim/request_log.h"

#include <cstdio>

#include "sim/file_system.h"

namespace tlw::sim {
namespace {

std::string Hex8(std::uint32_t v) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08X", static_cast<unsigned>(v));
    return buf;
}

std::string Registers(const RegisterFrame& f) {
    return "EAX=" + Hex8(f.eax) + " EBX=" + Hex8(f.ebx) + " ECX=" + Hex8(f.ecx) + " EDX=" + Hex8(f.edx);
}

}  // namespace

std::string FormatRequestLine(const std::string& call, const RegisterFrame& in, const RegisterFrame* out,
                              const std::vector<std::uint8_t>* buffer) {
    std::string line = call + " " + Registers(in);
    if (buffer) {
        line += " BUF=";
        char byte[3];
        for (std::uint8_t b : *buffer) {
            std::snprintf(byte, sizeof byte, "%02X", b);
            line += byte;
        }
    }
    line += out ? " -> STATUS=" + Hex8(out->status) + " " + Registers(*out) : " -> FAILED";
    return line;
}

void AppendLogLine(const std::string& path, const std::string& line) {
    if (path.empty()) return;
    AppendToFile(path, line + "\n");
}

}  // namespace tlw::sim
