// How the simulated BIOS keeps a password, for the power-on password's area
// and the shell's setup password alike.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/answers/area.h"

namespace tlw::sim {

// Answers a password request on `stored` by BH: 0 removes it, 1 asks whether
// one is set (AH 0 when set), 2 stores the ECX codes at ESI (at most 8; none
// removes it), 3 checks them (AH 0 when they match).
void AnswerPassword(Request& r, std::vector<std::uint8_t>& stored);

}  // namespace tlw::sim
