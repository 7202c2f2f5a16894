// Reading of packed device-independent bitmaps for the page picture control, and the rule that decides where a
// picture goes in its control and whether it is copied at its own size or scaled. Portable: the Win32 control hands in the locked
// bitmap resource and acts on the result, so nothing here knows the window system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tlw {

// What the picture control may do with a packed bitmap.
enum class DibUsability {
    WithPalette,     // header, colour table and bits all lie inside the resource: build a palette, then the bitmap
    WithoutPalette,  // more than 8 bits per pixel: no colour table, the bitmap loads without a palette
    Unusable,        // nothing may be read beyond the header fields: load no bitmap at all
};

// The first fault found, for callers and tests that want to know why a bitmap was refused.
enum class DibProblem {
    None,
    TooShortForHeader,   // fewer bytes than the 40-byte information header
    HeaderSizeNot40,     // core (12) and later (108, 124) headers place their fields differently
    BadGeometry,         // width not positive, height 0, planes not 1
    BadBitCount,         // not 1, 4, 8, 16, 24 or 32 bits per pixel
    Compressed,          // only uncompressed rows are accepted
    ColourTableTruncated,
    BitsTruncated,       // the bits begin past the end, or their rows run past it
};

struct DibColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

struct DibLayout {
    DibUsability usability = DibUsability::Unusable;
    DibProblem problem = DibProblem::None;

    // Header fields; only those read before the first fault are filled in.
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative for a top-down bitmap
    std::uint16_t bitCount = 0;

    // The colour count is 0 above 8 bits per pixel, else 1 << bits; the header's used-colours field is never
    // consulted, so a bitmap whose table was shortened through that field is laid out as if its table were full.
    std::uint32_t colourCount = 0;
    std::size_t colourTableOffset = 0;  // the header's size
    std::size_t bitsOffset = 0;         // the header's size + 4 * colour count
    std::size_t bitsSize = 0;           // rows padded to 4 bytes, times the absolute height

    std::vector<DibColour> palette;  // colourCount entries when usability is WithPalette, else empty
};

// Lays out the packed bitmap at data[0, size) without ever reading past size.
//
// A colour table that runs past the end makes the bitmap unusable, not merely paletteless: its bits begin after the
// whole table, so they cannot lie inside the resource either. The bits must fit in full, because building the
// device bitmap reads every row.
DibLayout ParseDib(const unsigned char* data, std::size_t size);

// Where a picture goes in its control, in the control's pixels. Scaled or not, the picture keeps its proportions:
// one factor across and down, the smaller of the control's two ratios to the picture, so that it fits whole.
struct PicturePlacement {
    bool scaled = false;  // false: the picture's own pixels, copied as they are
    long x = 0, y = 0;
    long width = 0, height = 0;  // 0 when there is nothing to draw
};

// A control from the picture's size up to a fifth larger (by that one factor) shows the picture at its own size in
// its top-left corner; a smaller or larger one (under large fonts) shows it scaled by that factor, centred.
PicturePlacement PlacePicture(long pictureWidth, long pictureHeight, long controlWidth, long controlHeight);

}  // namespace tlw
