// The simulated notebook's state file: text, one `key = value` per line, `#`
// starts a comment. Lines are kept as read, so that saving a changed value
// rewrites only that value and keeps the user's comments and order.
#pragma once

#include <string>
#include <vector>

namespace tlw::sim {

struct StateLine {
    std::string text;   // the line as read or last written
    std::string key;    // empty for blank and comment lines
    std::string value;
    int number = 0;     // 1-based line number in the file as read; 0 for appended lines
};

class StateFile {
public:
    // Splits `text` into lines. False, with `error` naming the line, when a
    // line is neither blank, a comment, nor `key = value`.
    bool Parse(const std::string& text, std::string& error);

    const std::vector<StateLine>& lines() const { return lines_; }

    // Sets the first line of `key` to `value`, keeping a trailing comment;
    // appends a line when the key is missing.
    void Set(const std::string& key, const std::string& value);

    std::string Text() const;

private:
    std::vector<StateLine> lines_;
};

}  // namespace tlw::sim
