// Parsing and rewriting the state file's lines.
#include "sim/state_file.h"

#include <algorithm>


namespace tlw::sim {
namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::string CommentOf(const std::string& line) {
    const auto hash = line.find('#');
    return hash == std::string::npos ? std::string() : line.substr(hash);
}

}  // namespace

bool StateFile::Parse(const std::string& text, std::string& error) {
    lines_.clear();
    int number = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string raw = text.substr(at, end - at);
        at = end + 1;
        ++number;
        // Every carriage return before the line feed goes: a file saved again keeps no stray one.
        while (!raw.empty() && raw.back() == '\r') raw.pop_back();
        StateLine line{raw, {}, {}, number};
        const std::string content = Trim(raw.substr(0, raw.find('#')));
        if (!content.empty()) {
            const auto eq = content.find('=');
            if (eq == std::string::npos || Trim(content.substr(0, eq)).empty()) {
                error = "line " + std::to_string(number) + ": expected `key = value`, found \"" + content + "\"";
                return false;
            }
            line.key = Trim(content.substr(0, eq));
            line.value = Trim(content.substr(eq + 1));
        }
        lines_.push_back(std::move(line));
    }
    return true;
}

void StateFile::Set(const std::string& key, const std::string& value) {
    for (StateLine& line : lines_) {
        if (line.key != key) continue;
        line.value = value;
        const std::string comment = CommentOf(line.text);
        line.text = key + " = " + value + (comment.empty() ? "" : "  " + comment);
        return;
    }
    lines_.push_back({key + " = " + value, key, value, 0});
}

std::string StateFile::Text() const {
    std::string text;
    for (const StateLine& line : lines_) text += line.text + "\n";
    return text;
}

}  // namespace tlw::sim
