// The shell-side BIOS calls: each is its catalogue row plus its arguments.
#include "bios/shell_calls.h"

#include "bios/call_rows.h"

namespace tlw {

bool ZEFACheck(std::uint8_t& ah, std::uint16_t& revision) {
    return BiosCall(row::ZEFACheck).Early(ah, reg::AH).Out(revision, reg::BX).Run();
}

bool SetHotkeyButton(std::uint8_t state) { return BiosCall(row::SetHotkeyButton).Bh(state).Run(); }

bool CMOSChecksum(std::uint8_t& ah, std::uint8_t mode) {
    return BiosCall(row::CMOSChecksum).Bh(mode).Early(ah, reg::AH).Run();
}

bool LoadSetupDefault() { return BiosCall(row::LoadSetupDefault).Run(); }

bool SetChkSetupPasswd(std::uint8_t& ah, std::uint8_t operation, const std::uint8_t* codes,
                       std::uint16_t count) {
    // The driver only reads the codes; the lease wants a writable span.
    return BiosCall(row::SetChkSetupPasswd)
        .Bh(operation)
        .Ecx(count)
        .Buffer(const_cast<std::uint8_t*>(codes), count)
        .Early(ah, reg::AH)
        .Run();
}

bool AskSetupPasswd(std::uint8_t& ah) { return BiosCall(row::AskSetupPasswd).Early(ah, reg::AH).Run(); }

bool SetPowerButtonAction(std::uint8_t button, std::uint8_t action) {
    return BiosCall(row::SetPowerButtonAction).Ecx((std::uint32_t{button} << 8) | action).Run();
}

}  // namespace tlw
