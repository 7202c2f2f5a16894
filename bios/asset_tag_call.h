// The BIOS call that writes the asset tag number into the machine's identity
// data.
#pragma once

namespace tlw {

// Hands the BIOS the NUL-terminated `tag` by address (ESI), ECX = 0. True
// whenever the driver took the request: whether the BIOS kept the tag is not
// reported.
bool SetAssetTag(const char* tag);

}  // namespace tlw
