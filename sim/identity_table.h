// The simulated notebook's DMI structure table: built from its identity, and
// a real table's enclosure given a new asset tag.
#pragma once

#include <string>

#include "sim/notebook_state.h"

namespace tlw::sim {

// BIOS information, system information, system enclosure and end of table,
// with the identity's strings (an empty one is "no string").
std::string BuildIdentityTable(const IdentityState& identity);

// Gives the table's first system enclosure the asset tag `tag` (none when
// empty); the other structures and strings stay as they are. False, with the
// table untouched, when the table holds no whole enclosure with an asset tag
// field, or its string set is full.
bool PatchEnclosureAssetTag(std::string& table, const std::string& tag);

}  // namespace tlw::sim
