// Which BIOS driver tlwctl talks to, chosen as the program chooses it: the
// simulated notebook when TALLOWIN_SIMULATOR names its state file (its
// request log in TALLOWIN_SIMULATOR_LOG), otherwise the real device.
#pragma once

#include <string>

namespace tlw::ctl {

// Opens the BIOS channel, and has the DMI proxy and the machine facts of the
// same machine read. False, with `error` saying why, when none could be opened.
bool OpenSelectedChannel(std::string& error);

}  // namespace tlw::ctl
