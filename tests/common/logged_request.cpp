// Reading the request log.
#include "tests/common/logged_request.h"

#include <cstdio>
#include <cstdlib>

#include "sim/state_keys.h"

namespace tlw::test {
namespace {

bool Hex32(const std::string& word, const char* name, std::uint32_t& value) {
    const std::string prefix = std::string(name) + "=";
    if (word.size() != prefix.size() + 8 || word.compare(0, prefix.size(), prefix) != 0) return false;
    char* end = nullptr;
    value = static_cast<std::uint32_t>(std::strtoul(word.c_str() + prefix.size(), &end, 16));
    return *end == '\0';
}

// EAX= EBX= ECX= EDX= from words[at..at+3].
bool Registers(const std::vector<std::string>& words, std::size_t at, RegisterFrame& frame) {
    return at + 4 <= words.size() && Hex32(words[at], "EAX", frame.eax) && Hex32(words[at + 1], "EBX", frame.ebx) &&
           Hex32(words[at + 2], "ECX", frame.ecx) && Hex32(words[at + 3], "EDX", frame.edx);
}

bool Bytes(const std::string& hex, std::vector<std::uint8_t>& bytes) {
    if (hex.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        char* end = nullptr;
        const std::string pair = hex.substr(i, 2);
        bytes.push_back(static_cast<std::uint8_t>(std::strtoul(pair.c_str(), &end, 16)));
        if (*end != '\0') return false;
    }
    return true;
}

}  // namespace

// The state file's splitter: a request line holds no tabs, so it splits it at spaces alone.
std::vector<std::string> Words(const std::string& text) { return sim::StateKeys::Words(text); }

bool ParseRequestLine(const std::string& line, LoggedRequest& request) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) return false;
    LoggedRequest r;
    std::size_t at = 0;
    if (words[0].rfind("EAX=", 0) != 0) r.call = words[at++];
    if (!Registers(words, at, r.in)) return false;
    at += 4;
    if (at < words.size() && words[at].rfind("BUF=", 0) == 0) {
        r.hasBuffer = true;
        if (!Bytes(words[at].substr(4), r.buffer)) return false;
        ++at;
    }
    if (at >= words.size() || words[at] != "->") return false;
    ++at;
    if (at + 1 == words.size() && words[at] == "FAILED") {
        request = r;
        return true;
    }
    if (at + 5 != words.size() || !Hex32(words[at], "STATUS", r.out.status) || !Registers(words, at + 1, r.out)) {
        return false;
    }
    r.answered = true;
    request = r;
    return true;
}

std::vector<LoggedRequest> ParseRequests(const std::vector<std::string>& lines) {
    std::vector<LoggedRequest> requests;
    LoggedRequest request;
    for (const std::string& line : lines) {
        if (ParseRequestLine(line, request)) requests.push_back(request);
    }
    return requests;
}

std::string Hex(std::uint32_t value, int digits) {
    char text[9];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t b : bytes) text += Hex(b, 2);
    return text;
}

}  // namespace tlw::test
