// The settings file of export and import: one `name = value` per line in the
// simulated notebook's state file style (`#` starts a comment, the asset tag
// in double quotes with \xHH for `#`, `"` and bytes outside printable ASCII).
// Passwords never go into it. No windows.h.
#pragma once

#include <string>

#include "ctl/machine_settings.h"

namespace tlw::ctl {

// Every readable setting whose value is known, in the order of Settings().
std::string ExportText(const MachineSettings& machine, const TextSource& texts);

// The values `text` gives, one change per named setting (names in any case;
// a UTF-8 byte order mark at the start is skipped). False, with `error`
// naming the line, on a line that is not `name = value`, an unknown or
// repeated name, or a value its setting cannot hold.
bool ParseSettingsText(const std::string& text, const TextSource& texts, ChangeSet& values, std::string& error);

// The asset tag as the file writes it, and back; false when `text` is quoted
// but not well.
std::string QuotedTag(const std::string& tag);
bool UnquotedTag(const std::string& text, std::string& tag);

}  // namespace tlw::ctl
