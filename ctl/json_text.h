// JSON output: strings escaped so that any text the BIOS or the string table
// gives makes a valid document. No windows.h.
#pragma once

#include <string>

namespace tlw::ctl {

// `text` as a JSON string with its quotes. `"`, `\` and control characters
// are escaped; bytes above 0x7F, text in the ANSI code page, are given as
// \u00XX (their Latin-1 characters), so the document is plain ASCII.
std::string JsonString(const std::string& text);

}  // namespace tlw::ctl
