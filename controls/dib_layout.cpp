// Layout of packed device-independent bitmaps and the picture control's placement rule.
#include "controls/dib_layout.h"

namespace tlw {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;  // the standard information header
constexpr std::uint32_t kUncompressed = 0;

std::uint16_t ReadU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

DibLayout Refuse(DibLayout layout, DibProblem problem) {
    layout.usability = DibUsability::Unusable;
    layout.problem = problem;
    layout.palette.clear();
    return layout;
}

}  // namespace

DibLayout ParseDib(const unsigned char* data, std::size_t size) {
    DibLayout layout;
    if (data == nullptr || size < 4) return Refuse(layout, DibProblem::TooShortForHeader);

    layout.headerSize = ReadU32(data);
    // Every field below is read at its offset in the 40-byte header, so a header of any other size is not one we
    // can read, whatever the resource's length.
    if (layout.headerSize != kInfoHeaderSize) return Refuse(layout, DibProblem::HeaderSizeNot40);
    if (size < kInfoHeaderSize) return Refuse(layout, DibProblem::TooShortForHeader);

    layout.width = static_cast<std::int32_t>(ReadU32(data + 4));
    layout.height = static_cast<std::int32_t>(ReadU32(data + 8));
    const std::uint16_t planes = ReadU16(data + 12);
    layout.bitCount = ReadU16(data + 14);
    const std::uint32_t compression = ReadU32(data + 16);

    if (layout.width <= 0 || layout.height == 0 || planes != 1) return Refuse(layout, DibProblem::BadGeometry);
    switch (layout.bitCount) {
        case 1: case 4: case 8: case 16: case 24: case 32: break;
        default: return Refuse(layout, DibProblem::BadBitCount);
    }
    if (compression != kUncompressed) return Refuse(layout, DibProblem::Compressed);

    layout.colourCount = layout.bitCount > 8 ? 0u : 1u << layout.bitCount;
    layout.colourTableOffset = layout.headerSize;
    const std::size_t tableBytes = std::size_t{4} * layout.colourCount;
    layout.bitsOffset = layout.colourTableOffset + tableBytes;
    if (layout.bitsOffset > size) return Refuse(layout, DibProblem::ColourTableTruncated);

    // Rows are padded to a multiple of 4 bytes. The width is below 2^31 and the bit count at most 32, so the row
    // length fits in 64 bits; the product with the height is checked before it is formed.
    const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
    const std::uint64_t rows = layout.height < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(layout.height))
                                                 : static_cast<std::uint64_t>(layout.height);
    const std::size_t room = size - layout.bitsOffset;
    if (rowBytes > room / rows) return Refuse(layout, DibProblem::BitsTruncated);
    layout.bitsSize = static_cast<std::size_t>(rowBytes * rows);

    if (layout.colourCount == 0) {
        layout.usability = DibUsability::WithoutPalette;
        return layout;
    }
    layout.palette.reserve(layout.colourCount);
    for (std::uint32_t i = 0; i < layout.colourCount; ++i) {
        // Each entry is stored blue, green, red, reserved.
        const unsigned char* quad = data + layout.colourTableOffset + 4 * std::size_t{i};
        layout.palette.push_back(DibColour{quad[2], quad[1], quad[0]});
    }
    layout.usability = DibUsability::WithPalette;
    return layout;
}

PicturePlacement PlacePicture(long pictureWidth, long pictureHeight, long controlWidth, long controlHeight) {
    PicturePlacement placement;
    if (pictureWidth <= 0 || pictureHeight <= 0 || controlWidth <= 0 || controlHeight <= 0) return placement;
    // The factor is the smaller ratio; it lies within 1 to 1.2 when the picture fits both ways and one of the
    // ratios is at most 6/5. Whole numbers throughout, so no rounding decides it.
    const long long pw = pictureWidth, ph = pictureHeight, cw = controlWidth, ch = controlHeight;
    const bool fits = pw <= cw && ph <= ch;
    if (fits && (5 * cw <= 6 * pw || 5 * ch <= 6 * ph)) {
        placement.width = pictureWidth;
        placement.height = pictureHeight;
        return placement;
    }
    placement.scaled = true;
    if (cw * ph <= ch * pw) {  // the width decides
        placement.width = controlWidth;
        placement.height = static_cast<long>((ph * cw + pw / 2) / pw);
    } else {
        placement.height = controlHeight;
        placement.width = static_cast<long>((pw * ch + ph / 2) / ph);
    }
    if (placement.width < 1) placement.width = 1;
    if (placement.height < 1) placement.height = 1;
    placement.x = (controlWidth - placement.width) / 2;
    placement.y = (controlHeight - placement.height) / 2;
    return placement;
}

}  // namespace tlw
