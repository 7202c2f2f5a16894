// Escaped text: JSON strings, so that any text the BIOS or the string table
// gives makes a valid document, and the console's text, whose control
// characters are escaped the same way. No windows.h.
#pragma once

#include <string>

namespace tlw::ctl {

// `text` as a JSON string with its quotes. `"`, `\` and control characters
// are escaped; bytes above 0x7F, text in the ANSI code page, are given as
// \u00XX (their Latin-1 characters), so the document is plain ASCII.
std::string JsonString(const std::string& text);

// `text` with its control characters escaped as JsonString escapes them (\t,
// \n, \r, \u00XX) and every other byte as it stands: text for the console,
// in the ANSI code page, that no byte the BIOS gives can garble.
std::string EscapedControls(const std::string& text);

}  // namespace tlw::ctl
