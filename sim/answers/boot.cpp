// The boot and POST calls: the boot list and the hard disk boot byte, the boot
// options byte, the fan.
#include <algorithm>

#include "bios/boot_calls.h"
#include "bios/call_rows.h"
#include "sim/answers/area.h"

namespace tlw::sim {
namespace {

// GetBootSeq, SetBootSeq and the hard disk byte's pair: one function, BH the operation.
void BootSequence(Request& r) {
    BootState::Settings& s = r.state.boot.settings;
    switch (r.bh()) {
        case 0: {  // the list into the caller's 16 bytes
            std::vector<std::uint8_t> list(kBootListSize, kBootListEnd);
            std::copy_n(s.sequence.begin(), std::min(s.sequence.size(), kBootListSize), list.begin());
            if (!r.WriteBuffer(list)) r.Refuse(kAhBadArgument);
            return;
        }
        case 1: {  // the list from the caller's 16 bytes, kept up to its end
            std::vector<std::uint8_t> list;
            if (!r.ReadBuffer(kBootListSize, list)) return r.Refuse(kAhBadArgument);
            s.sequence.assign(list.begin(), std::find(list.begin(), list.end(), kBootListEnd));
            return r.Changed();
        }
        case 2:
            r.out().edx = (r.in.edx & 0xFFFFFF00u) | s.hddBoot;
            return;
        case 3:
            if (r.in.edx > 0xFF) return r.Refuse(kAhBadArgument);
            s.hddBoot = static_cast<std::uint8_t>(r.in.edx);
            return r.Changed();
        default:
            return r.Refuse(kAhUnsupported);
    }
}

// The simple boot and fast POST calls' byte: BH 0 reads it, 1 writes CL.
void BootOptions(Request& r) {
    BootState::Settings& s = r.state.boot.settings;
    switch (r.bh()) {
        case 0:
            r.out().eax = (r.out().eax & 0xFFFFFF00u) | s.options;
            return;
        case 1:
            s.options = static_cast<std::uint8_t>(r.in.ecx);
            return r.Changed();
        default:
            return r.Refuse(kAhUnsupported);
    }
}

void Fan(Request& r) {
    BootState::Settings& s = r.state.boot.settings;
    switch (r.bh()) {
        case 0:
        case 1:
            s.fanAlwaysOn = r.bh() == 1;
            return r.Changed();
        case 2:
            r.out().eax = (r.out().eax & 0xFFFFFF00u) | (s.fanAlwaysOn ? 1u : 0u);
            return;
        default:
            return r.Refuse(kAhUnsupported);
    }
}

// The area answers by EAX and BL: one row stands for each function.
const Answer kAnswers[] = {
    {&row::GetBootSeq, BootSequence},
    {&row::GetSimpleBoot, BootOptions},
    {&row::GetFanStatus, Fan},
};

void Keys(StateKeys& keys, NotebookState& state) {
    BootState::Settings& s = state.boot.settings;
    keys.Number("boot_options", s.options,
                "the boot options byte as the BIOS stores it: bit 0 the simple boot flag (shown as fast boot), "
                "bit 1 fast POST");
    keys.OnOff("fan_always_on", s.fanAlwaysOn, "fan always on: on or off");
    keys.ByteList("boot_sequence", s.sequence, kBootListSize,
                  "boot device codes in boot order, hex, at most 16 (00 floppy, 01 hard disk, 02 CD-ROM, "
                  "03 SCSI, 05 LS-120, 06 PCMCIA, 07 network agent, 08 ZIP); the rest of the list reads FF");
    keys.Byte("hdd_boot", s.hddBoot, "the hard disk boot byte: 0 primary, 2 secondary");
}

void LoadDefaults(NotebookState& state) { state.boot.settings = {}; }

}  // namespace

extern const Area kBootArea = MakeArea(kAnswers, Keys, LoadDefaults);

}  // namespace tlw::sim
