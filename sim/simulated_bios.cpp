// The simulated BIOS's functions: one small handler per function group and
// sub-function, found through one table.
#include "sim/simulated_bios.h"

#include <algorithm>

#include "bios/buffer_lease.h"
#include "bios/call_rows.h"

namespace tlw::sim {
namespace {

struct Request {
    NotebookState& state;
    const RegisterFrame& in;
    BiosAnswer& answer;

    RegisterFrame& out() { return answer.out; }
    void SetAh(std::uint8_t ah) { answer.out.eax = (answer.out.eax & 0xFFFF00FFu) | (std::uint32_t{ah} << 8); }
    void Refuse(std::uint8_t ah) {
        answer.out.status = kBiosRefused;
        SetAh(ah);
    }
    // Reads `size` bytes at ESI; false when they are not all lent memory.
    bool ReadBuffer(std::size_t size, std::vector<std::uint8_t>& bytes) {
        answer.passesBuffer = true;
        const std::uint8_t* memory = LentMemory(in.esi, size);
        if (!memory) return false;
        bytes.assign(memory, memory + size);
        answer.buffer = bytes;
        return true;
    }
};

using Handler = void (*)(Request&);

void PlatformCheck(Request& r) {
    r.out().ebx = (r.in.ebx & 0xFFFF0000u) | r.state.revision;
}

void HotkeyButton(Request& r) {
    const std::uint8_t state = r.in.ebx >> 8 & 0xFF;
    if (state > 1) return r.Refuse(kAhBadArgument);
    r.state.hotkeyButtonOn = state == 1;
    r.answer.changedSettings = true;
}

void Checksum(Request&) {}

void SetupDefaults(Request& r) {
    r.state.LoadSetupDefaults();
    r.answer.changedSettings = true;
}

void SetupPassword(Request& r) {
    std::vector<std::uint8_t>& stored = r.state.setupPassword;
    switch (r.in.ebx >> 8 & 0xFF) {
        case 0:  // disable
            stored.clear();
            r.answer.changedSettings = true;
            return;
        case 1:  // ask
            return r.SetAh(stored.empty() ? kAhNotSet : 0);
        case 2:  // store a new one
        case 3: {  // check
            const std::size_t count = r.in.ecx & 0xFFFF;
            std::vector<std::uint8_t> codes;
            if (count > 8 || !r.ReadBuffer(count, codes)) return r.Refuse(kAhBadArgument);
            if ((r.in.ebx >> 8 & 0xFF) == 2) {
                stored = codes;
                r.answer.changedSettings = true;
                return;
            }
            if (stored.empty()) return r.SetAh(kAhNotSet);
            return r.SetAh(codes == stored ? 0 : kAhWrongPassword);
        }
        default:
            return r.Refuse(kAhUnsupported);
    }
}

void PowerButtonAction(Request& r) {
    const std::uint8_t button = r.in.ecx >> 8 & 0xFF;
    const std::uint8_t action = r.in.ecx & 0xFF;
    if ((r.in.ebx >> 8 & 0xFF) != 1 || button >= kButtonCount || action > 3) return r.Refuse(kAhBadArgument);
    r.state.buttonAction[button] = action;
    r.answer.changedSettings = true;
}

struct Function {
    std::uint32_t eax;
    std::uint8_t bl;
    Handler handler;
};

const Function kFunctions[] = {
    {row::ZEFACheck.eax, row::ZEFACheck.ebx & 0xFF, PlatformCheck},
    {row::SetHotkeyButton.eax, row::SetHotkeyButton.ebx & 0xFF, HotkeyButton},
    {row::CMOSChecksum.eax, row::CMOSChecksum.ebx & 0xFF, Checksum},
    {row::LoadSetupDefault.eax, row::LoadSetupDefault.ebx & 0xFF, SetupDefaults},
    {row::SetChkSetupPasswd.eax, row::SetChkSetupPasswd.ebx & 0xFF, SetupPassword},
    {row::SetPowerButtonAction.eax, row::SetPowerButtonAction.ebx & 0xFF, PowerButtonAction},
};

}  // namespace

BiosAnswer AnswerRequest(NotebookState& state, const RegisterFrame& in) {
    BiosAnswer answer;
    answer.out = in;
    answer.out.status = 0;
    Request request{state, in, answer};
    request.SetAh(0);
    const auto found = std::find_if(std::begin(kFunctions), std::end(kFunctions), [&](const Function& f) {
        return f.eax == in.eax && f.bl == (in.ebx & 0xFF);
    });
    if (found == std::end(kFunctions)) {
        request.Refuse(kAhUnsupported);
    } else {
        found->handler(request);
    }
    return answer;
}

}  // namespace tlw::sim
