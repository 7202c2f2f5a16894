// The boot order as the boot sequence page lists it: the drag list's entries,
// each with its BIOS device code, and the sequence written back. A device the
// page does not list (the CD-ROM while drive 0x82 is a hard disk) keeps its
// place in the sequence while the listed entries move around it, so a drag
// never loses, duplicates or invents a code.
#pragma once

#include <array>
#include <cstdint>

#include "bios/boot_calls.h"

namespace tlw {

constexpr std::uint8_t kCdRomDevice = 2;

// The string id of a device code's entry text; 0 for an empty text (codes 4
// and 9 to 254, still listed).
unsigned BootDeviceTextId(std::uint8_t code);

// The moves the keyboard and the list's context menu make: one place up or
// down (Alt+Up, Alt+Down), or to either end.
enum class BootMove { Up, Down, ToTop, ToBottom };

class BootOrder {
public:
    BootOrder();

    // Takes the BIOS's list up to its first kBootListEnd (or all 16 codes).
    // Codes equal to `unlisted` stay in the sequence but are not listed;
    // kBootListEnd lists every code.
    void Load(const BootList& list, std::uint8_t unlisted);

    // The listed entries, top to bottom.
    int Count() const { return count_; }
    // The code of listed entry `entry`; kBootListEnd when there is none.
    std::uint8_t CodeAt(int entry) const;

    // The drop rule: entry `dragged` is taken out and put back before entry
    // `target` (the entry under the drop point; -1 for none, also below the
    // last entry). A drop on the dragged entry itself, on the entry just
    // below it, or on no entry moves nothing. Returns the moved entry's new
    // place, or -1 when nothing moved.
    int Drop(int dragged, int target);

    // The place `move` takes entry `entry` to; -1 when it cannot act there
    // (the first entry up or to the top, the last one down or to the
    // bottom, no such entry).
    int PlaceFor(int entry, BootMove move) const;
    // Moves entry `entry` as a drag onto that place would, codes and all.
    // Returns its new place, or -1 when nothing moved.
    int Move(int entry, BootMove move);

    // The whole sequence as it is written back: listed codes in their listed
    // order, unlisted ones in their places, kBootListEnd after the last.
    const BootList& sequence() const { return sequence_; }

private:
    // Takes entry `from` out and puts it back at place `to`, the codes with it.
    void MoveTo(int from, int to);

    BootList sequence_;
    // Listed entry k is sequence_[places_[k]].
    std::array<std::uint8_t, kBootListSize> places_ = {};
    int count_ = 0;
};

}  // namespace tlw
