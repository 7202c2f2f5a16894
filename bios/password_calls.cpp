// The password calls: each is its catalogue row plus its arguments.
#include "bios/password_calls.h"

#include "bios/call_rows.h"

namespace tlw {

bool AskPowerOnPasswd(std::uint8_t& ah) { return BiosCall(row::AskPowerOnPasswd).Early(ah, reg::AH).Run(); }

bool DisablePowerOnPasswd(std::uint8_t& ah) {
    // The row's status rule decides first; AH is the second test.
    return BiosCall(row::DisablePowerOnPasswd).Out(ah, reg::AH).Run() && ah == 0;
}

bool SetChkPowerOnPasswd(std::uint8_t& ah, std::uint8_t mode, const std::uint8_t* codes, std::uint16_t count) {
    // The driver only reads the codes; the lease wants a writable span.
    return BiosCall(row::SetChkPowerOnPasswd)
        .Bh(mode)
        .Ecx(count)
        .Buffer(const_cast<std::uint8_t*>(codes), count)
        .Early(ah, reg::AH)
        .Run();
}

bool DisableSetupPasswd(std::uint8_t& ah) { return BiosCall(row::DisableSetupPasswd).Early(ah, reg::AH).Run(); }

}  // namespace tlw
