// The asset tag write: its catalogue row plus the tag's address.
#include "bios/asset_tag_call.h"

#include <cstring>

#include "bios/call_rows.h"

namespace tlw {

bool SetAssetTag(const char* tag) {
    // The driver reads the string up to its NUL and no further; the lease
    // wants a writable span.
    return BiosCall(row::SetAssetTag).Ecx(0).Buffer(const_cast<char*>(tag), std::strlen(tag) + 1).Run();
}

}  // namespace tlw
