// Tests of the packed-bitmap layout, the placement rule, the smooth scaling, and the page pictures shipped in
// res/bitmaps.
#include "controls/dib_layout.h"
#include "controls/dib_scale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace tlw {
namespace {

void PutU16(std::vector<unsigned char>& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<unsigned char>(v);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}

void PutU32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

struct DibFields {
    std::uint32_t headerSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;
    std::uint32_t usedColours = 0;
    std::size_t tableEntries = 256;  // entries actually stored
};

std::size_t RowBytes(std::int32_t width, std::uint16_t bits) {
    return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
}

// A packed bitmap laid out as the resource compiler stores one: header, table, full rows.
std::vector<unsigned char> MakeDib(const DibFields& s) {
    const std::size_t headerBytes = s.headerSize < 40 ? 40 : s.headerSize;
    const std::size_t rows = static_cast<std::size_t>(s.height < 0 ? -s.height : s.height);
    const std::size_t rowBytes = s.width > 0 ? RowBytes(s.width, s.bitCount) : 4;  // some bytes even when absurd
    std::vector<unsigned char> b(headerBytes + 4 * s.tableEntries + rowBytes * rows, 0);
    PutU32(b, 0, s.headerSize);
    PutU32(b, 4, static_cast<std::uint32_t>(s.width));
    PutU32(b, 8, static_cast<std::uint32_t>(s.height));
    PutU16(b, 12, 1);
    PutU16(b, 14, s.bitCount);
    PutU32(b, 16, s.compression);
    PutU32(b, 32, s.usedColours);
    for (std::size_t i = 0; i < s.tableEntries; ++i) {
        unsigned char* q = &b[headerBytes + 4 * i];
        q[0] = static_cast<unsigned char>(i);         // blue
        q[1] = static_cast<unsigned char>(i + 100);   // green
        q[2] = static_cast<unsigned char>(i + 200);   // red
        q[3] = 0xA5;                                   // reserved, never read as a colour
    }
    return b;
}

// Parses from a heap block of exactly the given length, so that a read past the end is a real overrun that a
// sanitiser build reports.
DibLayout ParseExact(const std::vector<unsigned char>& bytes, std::size_t size) {
    std::unique_ptr<unsigned char[]> block(new unsigned char[size == 0 ? 1 : size]);
    if (size != 0) std::memcpy(block.get(), bytes.data(), size);
    return ParseDib(block.get(), size);
}

DibLayout ParseExact(const std::vector<unsigned char>& bytes) { return ParseExact(bytes, bytes.size()); }

TEST(DibLayout, ColourCountAndBitsOffsetFollowTheBitsPerPixel) {
    struct Case { std::uint16_t bits; std::uint32_t colours; DibUsability usability; };
    const Case cases[] = {
        {1, 2, DibUsability::WithPalette},       {4, 16, DibUsability::WithPalette},
        {8, 256, DibUsability::WithPalette},     {16, 0, DibUsability::WithoutPalette},
        {24, 0, DibUsability::WithoutPalette},   {32, 0, DibUsability::WithoutPalette},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        DibFields s;
        s.bitCount = c.bits;
        s.tableEntries = c.colours;
        const DibLayout l = ParseExact(MakeDib(s));
        EXPECT_EQ(l.usability, c.usability);
        EXPECT_EQ(l.problem, DibProblem::None);
        EXPECT_EQ(l.colourCount, c.colours);
        EXPECT_EQ(l.palette.size(), c.colours);
        EXPECT_EQ(l.colourTableOffset, 40u);
        EXPECT_EQ(l.bitsOffset, 40u + 4u * c.colours);
        EXPECT_EQ(l.bitsSize, RowBytes(3, c.bits) * 2);
    }
}

TEST(DibLayout, UsedColoursFieldDoesNotShortenTheTable) {
    DibFields s;
    s.usedColours = 16;  // the table still holds 256 entries, and the bits follow all of them
    const DibLayout l = ParseExact(MakeDib(s));
    EXPECT_EQ(l.colourCount, 256u);
    EXPECT_EQ(l.bitsOffset, 40u + 1024u);
}

TEST(DibLayout, PaletteIsRedGreenBlueFromBlueGreenRedReservedQuads) {
    DibFields s;
    s.bitCount = 4;
    s.tableEntries = 16;
    const DibLayout l = ParseExact(MakeDib(s));
    ASSERT_EQ(l.palette.size(), 16u);
    for (unsigned i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(l.palette[i].red, i + 200);
        EXPECT_EQ(l.palette[i].green, i + 100);
        EXPECT_EQ(l.palette[i].blue, i);
    }
}

TEST(DibLayout, RowsArePaddedAndTopDownHeightCountsItsRows) {
    DibFields s;
    s.bitCount = 1;
    s.tableEntries = 2;
    s.width = 33;  // 33 bits round up to two 32-bit words
    s.height = -5;
    const DibLayout l = ParseExact(MakeDib(s));
    EXPECT_EQ(l.usability, DibUsability::WithPalette);
    EXPECT_EQ(l.height, -5);
    EXPECT_EQ(l.bitsSize, 8u * 5u);
}

TEST(DibLayout, HeadersOfOtherSizesAreRefused) {
    for (std::uint32_t headerSize : {12u, 64u, 108u, 124u}) {
        SCOPED_TRACE(headerSize);
        DibFields s;
        s.headerSize = headerSize;
        const DibLayout l = ParseExact(MakeDib(s));
        EXPECT_EQ(l.usability, DibUsability::Unusable);
        EXPECT_EQ(l.problem, DibProblem::HeaderSizeNot40);
        EXPECT_TRUE(l.palette.empty());
    }
}

TEST(DibLayout, ResourceShorterThanTheHeaderIsRefused) {
    const std::vector<unsigned char> dib = MakeDib(DibFields{});
    for (std::size_t size : {0u, 2u, 3u, 4u, 20u, 39u}) {
        SCOPED_TRACE(size);
        const DibLayout l = ParseExact(dib, size);
        EXPECT_EQ(l.usability, DibUsability::Unusable);
        EXPECT_EQ(l.problem, DibProblem::TooShortForHeader);
    }
    EXPECT_EQ(ParseDib(nullptr, 100).usability, DibUsability::Unusable);
}

TEST(DibLayout, TruncatedColourTableLeavesNothingUsable) {
    DibFields s;
    s.tableEntries = 0;
    std::vector<unsigned char> dib = MakeDib(s);
    dib.resize(42);  // an 8-bit header followed by 2 bytes of its colour table
    const DibLayout l = ParseExact(dib);
    EXPECT_EQ(l.usability, DibUsability::Unusable);
    EXPECT_EQ(l.problem, DibProblem::ColourTableTruncated);
    EXPECT_EQ(l.bitCount, 8);
    EXPECT_TRUE(l.palette.empty());
}

TEST(DibLayout, MissingRowsAreRefusedWithOrWithoutAPalette) {
    for (std::uint16_t bits : {8, 24}) {
        SCOPED_TRACE(bits);
        DibFields s;
        s.bitCount = bits;
        s.tableEntries = bits == 8 ? 256 : 0;
        const std::vector<unsigned char> dib = MakeDib(s);
        const DibLayout l = ParseExact(dib, dib.size() - 1);
        EXPECT_EQ(l.usability, DibUsability::Unusable);
        EXPECT_EQ(l.problem, DibProblem::BitsTruncated);
        EXPECT_TRUE(l.palette.empty());
    }
}

TEST(DibLayout, EveryShortenedResourceIsRefusedAndTheWholeOneAccepted) {
    DibFields s;
    s.bitCount = 4;
    s.tableEntries = 16;
    s.width = 5;
    s.height = 3;
    const std::vector<unsigned char> dib = MakeDib(s);
    for (std::size_t size = 0; size < dib.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_EQ(ParseExact(dib, size).usability, DibUsability::Unusable);
    }
    EXPECT_EQ(ParseExact(dib).usability, DibUsability::WithPalette);
}

TEST(DibLayout, ImpossibleFieldsAreRefused) {
    struct Case { const char* what; DibFields fields; DibProblem problem; };
    DibFields zeroWidth; zeroWidth.width = 0;
    DibFields negativeWidth; negativeWidth.width = -4;
    DibFields zeroHeight; zeroHeight.height = 0;
    DibFields twoBits; twoBits.bitCount = 2; twoBits.tableEntries = 4;
    DibFields noBits; noBits.bitCount = 0; noBits.tableEntries = 0;
    DibFields rle8; rle8.compression = 1;
    const Case cases[] = {
        {"zero width", zeroWidth, DibProblem::BadGeometry},
        {"negative width", negativeWidth, DibProblem::BadGeometry},
        {"zero height", zeroHeight, DibProblem::BadGeometry},
        {"2 bits", twoBits, DibProblem::BadBitCount},
        {"0 bits", noBits, DibProblem::BadBitCount},
        {"run-length", rle8, DibProblem::Compressed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DibLayout l = ParseExact(MakeDib(c.fields));
        EXPECT_EQ(l.usability, DibUsability::Unusable);
        EXPECT_EQ(l.problem, c.problem);
    }
}

TEST(DibLayout, HugeDimensionsDoNotWrapTheSizeCheck) {
    DibFields s;
    s.bitCount = 32;
    s.tableEntries = 0;
    s.width = 1;
    s.height = 1;
    std::vector<unsigned char> dib = MakeDib(s);
    const std::pair<std::int32_t, std::int32_t> sizes[] = {
        {0x7FFFFFFF, 0x7FFFFFFF}, {0x7FFFFFFF, INT32_MIN}, {1, INT32_MIN}, {0x40000000, 4}};
    for (const auto& wh : sizes) {
        SCOPED_TRACE(std::to_string(wh.first) + " x " + std::to_string(wh.second));
        PutU32(dib, 4, static_cast<std::uint32_t>(wh.first));
        PutU32(dib, 8, static_cast<std::uint32_t>(wh.second));
        const DibLayout l = ParseExact(dib);
        EXPECT_EQ(l.usability, DibUsability::Unusable);
        EXPECT_EQ(l.problem, DibProblem::BitsTruncated);
    }
}

TEST(PicturePlacement, OneFactorAcrossAndDownCopiedUpToAFifthLargerElseScaledAndCentred) {
    const struct {
        long pw, ph, cw, ch;
        bool scaled;
        long x, y, w, h;
        const char* what;
    } cases[] = {
        {235, 294, 236, 294, false, 0, 0, 235, 294, "the information picture at 96 DPI"},
        {235, 290, 282, 290, false, 0, 0, 235, 290, "a fifth wider, as tall: the factor is 1"},
        {235, 290, 282, 348, false, 0, 0, 235, 290, "a fifth larger both ways"},
        {235, 290, 283, 349, true, 0, 0, 283, 349, "just over a fifth both ways: scaled by the height's 1.2034"},
        {235, 290, 234, 290, true, 0, 0, 234, 289, "one pixel narrower: scaled down, one factor"},
        {235, 290, 235, 289, true, 0, 0, 234, 289, "one pixel shorter: scaled down by the height's factor"},
        {439, 213, 659, 307, true, 13, 0, 633, 307, "wider ratio than taller: the height decides, centred across"},
        {145, 127, 194, 260, true, 0, 45, 194, 170, "taller ratio: the width decides, centred down"},
        {100, 100, 0, 50, false, 0, 0, 0, 0, "an empty control: nothing to draw"},
        {0, 100, 50, 50, false, 0, 0, 0, 0, "an empty picture: nothing to draw"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PicturePlacement p = PlacePicture(c.pw, c.ph, c.cw, c.ch);
        EXPECT_EQ(p.scaled, c.scaled);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(p.width, c.w);
        EXPECT_EQ(p.height, c.h);
    }
}

TEST(PicturePlacement, EveryPlacementFitsItsControlAndKeepsThePicturesProportions) {
    for (long pw : {1L, 7L, 145L, 235L, 439L}) {
        for (long ph : {1L, 13L, 127L, 294L}) {
            for (long cw = 1; cw <= 700; cw += 13) {
                for (long ch = 1; ch <= 700; ch += 17) {
                    const PicturePlacement p = PlacePicture(pw, ph, cw, ch);
                    SCOPED_TRACE(testing::Message() << pw << "x" << ph << " in " << cw << "x" << ch);
                    ASSERT_GE(p.x, 0);
                    ASSERT_GE(p.y, 0);
                    ASSERT_LE(p.x + p.width, cw);
                    ASSERT_LE(p.y + p.height, ch);
                    if (!p.scaled) {
                        ASSERT_EQ(p.width, pw);
                        ASSERT_EQ(p.height, ph);
                        continue;
                    }
                    // One factor: the picture fills the control one way, and the other side is the picture's
                    // scaled by the same factor, to the nearest pixel (at least one).
                    const bool acrossDecides = cw * ph <= ch * pw;
                    const double other = acrossDecides ? static_cast<double>(ph) * cw / pw
                                                       : static_cast<double>(pw) * ch / ph;
                    ASSERT_EQ(acrossDecides ? p.width : p.height, acrossDecides ? cw : ch);
                    const long placedOther = acrossDecides ? p.height : p.width;
                    ASSERT_TRUE(std::fabs(placedOther - other) <= 0.5 || (other < 1.0 && placedOther == 1))
                        << placedOther << " for " << other;
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Smooth scaling.

// The colour of palette entry `index` in MakeDib's table, as ScaleDib returns it.
std::uint32_t TableColour(unsigned index) {
    const unsigned red = (index + 200) & 0xFF, green = (index + 100) & 0xFF, blue = index & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

// A packed bitmap of `width` x `height` whose pixel (x, y), counted from the top, is `pixel(x, y)`: a palette
// index at 8 bits, else a blue-green-red value; rows bottom-up unless `topDown`.
template <typename Pixel>
std::vector<unsigned char> DibOf(int width, int height, std::uint16_t bits, bool topDown, Pixel pixel) {
    DibFields s;
    s.width = width;
    s.height = topDown ? -height : height;
    s.bitCount = bits;
    s.tableEntries = bits == 8 ? 256 : 0;
    std::vector<unsigned char> dib = MakeDib(s);
    const std::size_t bitsAt = 40 + 4 * s.tableEntries, stride = RowBytes(width, bits);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = &dib[bitsAt + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = pixel(x, y);
            if (bits == 8) {
                row[x] = static_cast<unsigned char>(v);
            } else {
                for (int c = 0; c < 3; ++c) row[x * (bits / 8) + c] = static_cast<unsigned char>(v >> (8 * c));
            }
        }
    }
    return dib;
}

std::vector<std::uint32_t> Scale(const std::vector<unsigned char>& dib, int width, int height) {
    return ScaleDib(ParseExact(dib), dib.data(), dib.size(), width, height);
}

int Channel(std::uint32_t value, int c) { return static_cast<int>((value >> (8 * c)) & 0xFF); }

TEST(ScaleDib, KeepsFlatColourFlatBlendsEdgesAndAveragesWhenReducing) {
    // One colour stays that colour at any size, from a palette or from true colour.
    const std::uint32_t flat = TableColour(5);
    for (const auto& size : {std::pair{1, 1}, std::pair{3, 2}, std::pair{7, 5}, std::pair{2, 9}}) {
        const auto fromPalette = Scale(DibOf(3, 2, 8, false, [](int, int) { return 5u; }), size.first, size.second);
        const auto fromTrueColour =
            Scale(DibOf(3, 2, 24, false, [&](int, int) { return flat; }), size.first, size.second);
        ASSERT_EQ(fromPalette.size(), static_cast<std::size_t>(size.first * size.second));
        EXPECT_EQ(fromPalette, std::vector<std::uint32_t>(fromPalette.size(), flat));
        EXPECT_EQ(fromTrueColour, fromPalette);
    }

    // A black and a white pixel enlarged four times across: a smooth ramp, no blocks, symmetric about the middle.
    const auto ramp = Scale(DibOf(2, 1, 24, false, [](int x, int) { return x ? 0xFFFFFFu : 0u; }), 8, 1);
    ASSERT_EQ(ramp.size(), 8u);
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(Channel(ramp[i], c) + Channel(ramp[ramp.size() - 1 - i], c), 255) << i;
            if (i > 0) EXPECT_GE(Channel(ramp[i], c), Channel(ramp[i - 1], c)) << i;
        }
    }
    EXPECT_EQ(ramp.front(), 0u) << "the ends keep their own colour";
    EXPECT_EQ(ramp.back(), 0xFFFFFFu);
    EXPECT_GT(Channel(ramp[3], 0), 64) << "the middle is blended";
    EXPECT_LT(Channel(ramp[3], 0), 192);

    // Down as across: the same ramp stood on end.
    const auto column = Scale(DibOf(1, 2, 24, false, [](int, int y) { return y ? 0xFFFFFFu : 0u; }), 1, 8);
    EXPECT_EQ(column, ramp);

    // A checkerboard halved averages to grey rather than picking every other pixel (away from the edges, where
    // the filter leans on the edge pixels).
    const auto grey = Scale(DibOf(8, 8, 24, false, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFu : 0u; }), 4, 4);
    for (int y = 1; y <= 2; ++y) {
        for (int x = 1; x <= 2; ++x) {
            for (int c = 0; c < 3; ++c) EXPECT_NEAR(Channel(grey[static_cast<std::size_t>(y * 4 + x)], c), 128, 1);
        }
    }

    // Stored bottom-up or top-down, the picture is the same.
    const auto corner = [](int x, int y) { return x == 0 && y == 0 ? 0x0000FFu : 0xFF0000u; };
    const auto bottomUp = Scale(DibOf(3, 3, 24, false, corner), 6, 6);
    EXPECT_EQ(Scale(DibOf(3, 3, 24, true, corner), 6, 6), bottomUp);
    EXPECT_EQ(bottomUp.front(), 0x0000FFu) << "the top-left pixel stays top-left";
    EXPECT_EQ(bottomUp.back(), 0xFF0000u);
}

TEST(ScaleDib, RefusesWhatItCannotReadAndEmptySizes) {
    const std::vector<unsigned char> good = DibOf(3, 2, 8, false, [](int x, int) { return static_cast<unsigned>(x); });
    EXPECT_FALSE(Scale(good, 4, 4).empty());
    EXPECT_TRUE(Scale(good, 0, 4).empty());
    EXPECT_TRUE(Scale(good, 4, -1).empty());
    std::vector<unsigned char> cut = good;
    cut.resize(cut.size() - 1);
    EXPECT_TRUE(ScaleDib(ParseExact(cut), cut.data(), cut.size(), 4, 4).empty()) << "bits cut short";
    const DibLayout layout = ParseExact(good);
    EXPECT_TRUE(ScaleDib(layout, good.data(), good.size() - 1, 4, 4).empty()) << "a layout of other bytes";
    EXPECT_TRUE(ScaleDib(layout, nullptr, good.size(), 4, 4).empty());
}

// ---------------------------------------------------------------------------------------------------------------
// The shipped pictures.

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Picture {
    std::vector<unsigned char> file;
    std::vector<unsigned char> dib;  // the file without its 14-byte file header, as the resource holds it
    DibLayout layout;

    // Palette index of the pixel at (x, y) counted from the top; rows are stored bottom-up.
    unsigned char At(int x, int y) const {
        const std::size_t stride = RowBytes(layout.width, 8);
        return dib[layout.bitsOffset + static_cast<std::size_t>(layout.height - 1 - y) * stride + x];
    }
    bool IsColour(int x, int y, unsigned char r, unsigned char g, unsigned char b) const {
        const DibColour& c = layout.palette[At(x, y)];
        return c.red == r && c.green == g && c.blue == b;
    }
};

Picture LoadPicture(const char* name) {
    Picture p;
    p.file = ReadFile(std::string(TALLOWIN_SOURCE_DIR "/res/bitmaps/") + name);
    if (p.file.size() > 14) p.dib.assign(p.file.begin() + 14, p.file.end());
    p.layout = ParseExact(p.dib);
    return p;
}

// A dialog converts a control's x and width separately (rounding half away from zero); converting its left and
// right edges instead can give a width one pixel less. The picture must copy unscaled either way. At 96 DPI the
// pages' 8-point MS Sans Serif makes a dialog unit 6/4 pixels across and 13/8 down.
long DluToPixelsX(long dlu) { return (dlu * 6 + 2) / 4; }
long DluToPixelsY(long dlu) { return (dlu * 13 + 4) / 8; }

struct PictureUse {
    const char* image;
    const char* mask;  // nullptr when drawn without a mask
    long controlX, controlWidth, controlY, controlHeight;  // dialog units
};

const PictureUse kPictures[] = {
    {"info.bmp", nullptr, 7, 157, 7, 181},
    {"post.bmp", "post_mask.bmp", 31, 293, 48, 131},
    {"password.bmp", nullptr, 26, 101, 40, 142},
    {"boot.bmp", nullptr, 23, 128, 26, 154},
    {"display.bmp", "display_mask.bmp", 217, 97, 24, 78},
};

TEST(PagePictures, AreFullTable256ColourBitmapsThatCopyUnscaledIntoTheirControls) {
    for (const PictureUse& use : kPictures) {
        for (const char* name : {use.image, use.mask}) {
            if (name == nullptr) continue;
            SCOPED_TRACE(name);
            const Picture p = LoadPicture(name);
            ASSERT_GT(p.file.size(), 14u);
            EXPECT_EQ(p.file[0], 'B');
            EXPECT_EQ(p.file[1], 'M');
            const std::uint32_t fileBitsOffset =
                p.file[10] | (p.file[11] << 8) | (p.file[12] << 16) | (static_cast<std::uint32_t>(p.file[13]) << 24);
            ASSERT_EQ(p.layout.usability, DibUsability::WithPalette);
            EXPECT_EQ(p.layout.headerSize, 40u);
            EXPECT_EQ(p.layout.bitCount, 8);
            EXPECT_EQ(p.layout.colourCount, 256u);
            EXPECT_GT(p.layout.height, 0);
            EXPECT_EQ(fileBitsOffset, 14u + p.layout.bitsOffset);  // the program's offset and the file's agree

            const long widths[] = {DluToPixelsX(use.controlWidth),
                                   DluToPixelsX(use.controlX + use.controlWidth) - DluToPixelsX(use.controlX)};
            const long heights[] = {DluToPixelsY(use.controlHeight),
                                    DluToPixelsY(use.controlY + use.controlHeight) - DluToPixelsY(use.controlY)};
            for (long width : widths) {
                for (long height : heights) {
                    const PicturePlacement at96 = PlacePicture(p.layout.width, p.layout.height, width, height);
                    EXPECT_FALSE(at96.scaled) << width << " x " << height;
                }
            }
        }
    }
}

TEST(PagePictures, MasksAreBlackAndWhiteAndTheImageIsWhiteWhereTheMaskIsBlack) {
    for (const PictureUse& use : kPictures) {
        if (use.mask == nullptr) continue;
        SCOPED_TRACE(use.image);
        const Picture image = LoadPicture(use.image);
        const Picture mask = LoadPicture(use.mask);
        ASSERT_EQ(image.layout.usability, DibUsability::WithPalette);
        ASSERT_EQ(mask.layout.usability, DibUsability::WithPalette);
        ASSERT_EQ(mask.layout.width, image.layout.width);
        ASSERT_EQ(mask.layout.height, image.layout.height);

        // The mask's palette is the one realised for both bitmaps, so it must hold the image's colours.
        for (std::size_t i = 0; i < 256; ++i) {
            EXPECT_EQ(mask.layout.palette[i].red, image.layout.palette[i].red) << i;
            EXPECT_EQ(mask.layout.palette[i].green, image.layout.palette[i].green) << i;
            EXPECT_EQ(mask.layout.palette[i].blue, image.layout.palette[i].blue) << i;
        }

        // The mask is ORed on, then the image ANDed: where the mask is black only a white image pixel leaves the
        // page as it was.
        long open = 0, shown = 0, wrong = 0, grey = 0;
        for (int y = 0; y < mask.layout.height; ++y) {
            for (int x = 0; x < mask.layout.width; ++x) {
                if (mask.IsColour(x, y, 0, 0, 0)) {
                    ++open;
                    if (!image.IsColour(x, y, 255, 255, 255)) ++wrong;
                } else if (mask.IsColour(x, y, 255, 255, 255)) {
                    ++shown;
                } else {
                    ++grey;
                }
            }
        }
        EXPECT_EQ(grey, 0);
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(open, 0);   // something of the page shows through
        EXPECT_GT(shown, 0);  // and something of the picture
    }
}

TEST(PagePictures, PostPictureLeavesItsCheckBoxesUncovered) {
    // The fast boot and fan check boxes lie over the picture's upper left: x from 28 to 147 and y from 47 to 88
    // dialog units on the page, the picture starting at 31, 48. There the mask must leave the page alone.
    const Picture mask = LoadPicture("post_mask.bmp");
    ASSERT_EQ(mask.layout.usability, DibUsability::WithPalette);
    const int right = static_cast<int>(DluToPixelsX(147 - 31));
    const int bottom = static_cast<int>(std::lround((88 - 48) * 13 / 8.0));
    ASSERT_LE(right, mask.layout.width);
    ASSERT_LE(bottom, mask.layout.height);
    long covered = 0;
    for (int y = 0; y < bottom; ++y)
        for (int x = 0; x < right; ++x)
            if (!mask.IsColour(x, y, 0, 0, 0)) ++covered;
    EXPECT_EQ(covered, 0);
}

}  // namespace
}  // namespace tlw
