// The identity rows of the information page, worded from what the walk kept:
// manufacturer, product name, serial number, UUID and asset tag, in that order.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dmi/identity_walk.h"

namespace tlw::dmi {

// One row: its label's string id, and its value, either a string id (valueId)
// or, when valueId is 0, the text itself.
struct IdentityRow {
    unsigned labelId = 0;
    unsigned valueId = 0;
    std::string text;
};

// The rows for `identity`. A text field adds no row when empty, "N/A" when it
// holds blanks only, else its text; the UUID row shows 32 upper-case hex
// digits in stored order, "N/A" for sixteen zeros; the asset tag row is always
// there: the tag, else "Unknown" while it is unknown, else "N/A".
std::vector<IdentityRow> IdentityRows(const Identity& identity, AssetTagState tag);

// The 16 bytes as 32 upper-case hex digits, high digit first, no separators.
std::string UuidDigits(const std::array<std::uint8_t, 16>& uuid);

// True when `text` holds a character other than a blank.
bool HasNonBlank(const std::string& text);

}  // namespace tlw::dmi
