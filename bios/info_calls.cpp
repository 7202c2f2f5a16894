// The system-information BIOS calls: each is its catalogue row plus its arguments.
#include "bios/info_calls.h"

#include "bios/call_rows.h"

namespace tlw {

bool GetIdeType(std::uint8_t drive, std::uint8_t& type, std::uint8_t& second) {
    return BiosCall(row::GetIdeType).Edx(drive).Out(type, reg::AL).Out(second, reg::AH).Run();
}

}  // namespace tlw
