// The boot order's entries, their drop rule and the sequence kept in step.
#include "pages/boot/boot_order.h"

#include <algorithm>

#include "res/resource.h"

namespace tlw {

unsigned BootDeviceTextId(std::uint8_t code) {
    static constexpr unsigned kTexts[] = {IDS_BOOT_FLOPPY, IDS_BOOT_HARD_DISK, IDS_BOOT_CD_DVD,
                                          IDS_BOOT_SCSI,   0,                  IDS_BOOT_LS120,
                                          IDS_BOOT_PCMCIA, IDS_BOOT_NETWORK_AGENT, IDS_BOOT_ZIP};
    return code < std::size(kTexts) ? kTexts[code] : 0;
}

BootOrder::BootOrder() { sequence_.fill(kBootListEnd); }

void BootOrder::Load(const BootList& list, std::uint8_t unlisted) {
    sequence_.fill(kBootListEnd);
    count_ = 0;
    for (std::size_t i = 0; i < list.size() && list[i] != kBootListEnd; ++i) {
        sequence_[i] = list[i];
        if (list[i] != unlisted) places_[count_++] = static_cast<std::uint8_t>(i);
    }
}

std::uint8_t BootOrder::CodeAt(int entry) const {
    return entry >= 0 && entry < count_ ? sequence_[places_[entry]] : kBootListEnd;
}

int BootOrder::Drop(int dragged, int target) {
    if (dragged < 0 || dragged >= count_ || target < 0 || target >= count_) return -1;
    if (target == dragged || target == dragged + 1) return -1;
    // Taken out first: an entry below the dragged one moves up by one.
    const int to = target < dragged ? target : target - 1;
    MoveTo(dragged, to);
    return to;
}

int BootOrder::PlaceFor(int entry, BootMove move) const {
    if (entry < 0 || entry >= count_) return -1;
    const bool first = entry == 0, last = entry == count_ - 1;
    switch (move) {
        case BootMove::Up: return first ? -1 : entry - 1;
        case BootMove::Down: return last ? -1 : entry + 1;
        case BootMove::ToTop: return first ? -1 : 0;
        case BootMove::ToBottom: return last ? -1 : count_ - 1;
    }
    return -1;
}

int BootOrder::Move(int entry, BootMove move) {
    const int to = PlaceFor(entry, move);
    if (to >= 0) MoveTo(entry, to);
    return to;
}

void BootOrder::MoveTo(int from, int to) {
    std::array<std::uint8_t, kBootListSize> listed;
    for (int k = 0; k < count_; ++k) listed[k] = sequence_[places_[k]];
    if (from > to) {
        std::rotate(listed.begin() + to, listed.begin() + from, listed.begin() + from + 1);
    } else {
        std::rotate(listed.begin() + from, listed.begin() + from + 1, listed.begin() + to + 1);
    }
    for (int k = 0; k < count_; ++k) sequence_[places_[k]] = listed[k];
}

}  // namespace tlw
