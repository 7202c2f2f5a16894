// The walk over the DMI structure table that picks out the machine's identity:
// the system's manufacturer, product name, serial number and UUID, and the
// enclosure's asset tag.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tlw::dmi {

// The identity as the information page keeps it between reads: each field is
// overwritten only when a read finds its structure. Texts are NUL-terminated;
// a string longer than its field is cut to fit. All empty (zero) at first.
struct Identity {
    std::array<char, 512> serialNumber{};
    std::array<char, 256> productName{};
    std::array<char, 256> manufacturer{};
    std::array<std::uint8_t, 16> uuid{};
    // Also the buffer whose address the asset tag write hands the BIOS.
    std::array<char, 344> assetTag{};
};

// A field's text, up to its NUL (or its end, should it have none).
template <std::size_t N>
std::string TextOf(const std::array<char, N>& field) {
    std::size_t length = 0;
    while (length < N && field[length] != 0) ++length;
    return std::string(field.data(), length);
}

// Puts `text` into `field`, cut to leave room for the NUL.
template <std::size_t N>
void SetText(std::array<char, N>& field, const std::string& text) {
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    text.copy(field.data(), length);
    field[length] = 0;
}

// What the asset tag field can say of the machine's tag.
enum class AssetTagState {
    Known,    // the field holds the machine's tag, or it has none
    Unknown,  // the walk ended before the enclosure: the machine may have a tag
};

// How one walk ended.
struct Walk {
    // Where the walk stopped: the offset of the structure that stopped it, or
    // of the first bytes that hold no whole structure.
    std::size_t end = 0;
    // The stop rule met: BIOS, system and enclosure (base board or system
    // enclosure) structures seen, and then a structure of another type.
    bool stopped = false;
    bool sawSystem = false;
    bool sawEnclosure = false;  // a system enclosure (type 3) itself
    bool sawEndOfTable = false;

    // Unknown when the walk ran out of bytes, or met bytes that are no
    // structure, before it saw a system enclosure or the end of the table:
    // the enclosure, and the asset tag, may lie beyond what was read, so an
    // empty asset tag field does not mean the machine has no tag.
    AssetTagState assetTag() const {
        return sawEnclosure || stopped || sawEndOfTable ? AssetTagState::Known : AssetTagState::Unknown;
    }
};

// Walks the `count` bytes at `table` (the byte count the driver reported) and
// copies what it finds into `identity`. Never reads a byte at or past `count`.
Walk WalkIdentity(const std::uint8_t* table, std::size_t count, Identity& identity);

}  // namespace tlw::dmi
