// The system-information calls: the machine's configuration as the BIOS reports it.
#include "bios/call_rows.h"
#include "bios/info_calls.h"
#include "sim/answers/area.h"

namespace tlw::sim {
namespace {

void IdeType(Request& r) {
    const std::uint32_t drive = r.in.edx;
    if (drive < kFirstHardDisk || drive >= kFirstHardDisk + kIdeDriveCount) return r.Refuse(kAhBadArgument);
    const std::uint8_t* answer = r.state.info.ide[drive - kFirstHardDisk];
    r.out().eax = (r.out().eax & 0xFFFF0000u) | std::uint32_t{answer[1]} << 8 | answer[0];
}

const Answer kAnswers[] = {
    {&row::GetIdeType, IdeType},
};

void Keys(StateKeys& keys, NotebookState& state) {
    InfoState& s = state.info;
    keys.HexBytes("ide_type_80", s.ide[0], 2,
                  "IDE drive 0x80 as the BIOS reports it, two hex bytes: the type (00 none, 01 hard disk, 02 CD-ROM, "
                  "03 LS120, 04 MO, 05 ZIP, 06 DVD ROM, 07 HiFD, 08 CD-RW, 09 DVD and CD-RW) and a second byte, "
                  "non-zero for a hard disk the program may size");
    keys.HexBytes("ide_type_81", s.ide[1], 2, "IDE drive 0x81, as ide_type_80");
    keys.HexBytes("ide_type_82", s.ide[2], 2, "IDE drive 0x82, as ide_type_80");
    keys.HexBytes("ide_type_83", s.ide[3], 2, "IDE drive 0x83, as ide_type_80");
}

// The configuration is the machine's, not a setup setting.
void LoadDefaults(NotebookState&) {}

}  // namespace

extern const Area kInfoArea = MakeArea(kAnswers, Keys, LoadDefaults);

}  // namespace tlw::sim
