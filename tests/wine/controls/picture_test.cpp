// The page picture control drawing into real windows: copied pixel for pixel,
// masked over the parent's background, scaled smoothly, or nothing at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/dib_layout.h"
#include "controls/dib_scale.h"
#include "controls/palette_bitmap_button.h"
#include "res/resource.h"
#include "tests/wine/controls/test_pictures.h"
#include "tests/wine/harness.h"
#include "win/gdi_object.h"
#include "win/newer_functions.h"

namespace {

const COLORREF kBackground = RGB(10, 200, 30);
// The 4 x 2 test image through its mask over kBackground.
const std::vector<COLORREF> kMaskedImage = {kBackground, RGB(0, 0, 0), RGB(200, 30, 40), RGB(20, 60, 220),
                                            kBackground, RGB(0, 0, 0), RGB(30, 170, 60), RGB(240, 220, 20)};

struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // top row first
    COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The resource's own pixels, decoded from its 8-bit rows and colour table.
Picture Decode(UINT id) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
    const auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(module, found)));
    const tlw::DibLayout layout = tlw::ParseDib(data, ::SizeofResource(module, found));
    Picture picture;
    picture.width = layout.width;
    picture.height = layout.height;
    const int stride = (layout.width + 3) & ~3;
    for (int y = 0; y < layout.height; ++y) {
        const unsigned char* row = data + layout.bitsOffset + static_cast<std::size_t>((layout.height - 1 - y) * stride);
        for (int x = 0; x < layout.width; ++x) {
            const tlw::DibColour c = layout.palette[row[x]];
            picture.pixels.push_back(RGB(c.red, c.green, c.blue));
        }
    }
    return picture;
}

LRESULT CALLBACK Plain(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

// A top-level window painted in kBackground holding one disabled button of
// `width` x `height` pixels, the control under test.
class Stage {
public:
    Stage(int width, int height) {
        static ATOM atom = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = Plain;
            windowClass.hInstance = ::GetModuleHandleA(nullptr);
            windowClass.hbrBackground = ::CreateSolidBrush(kBackground);
            windowClass.lpszClassName = "PictureStage";
            return ::RegisterClassA(&windowClass);
        }();
        (void)atom;
        parent_ = ::CreateWindowExA(0, "PictureStage", "stage", WS_POPUP | WS_VISIBLE, 50, 50, width + 40,
                                    height + 40, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::CreateWindowExA(0, "Button", "Button1", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, 20, 20,
                          width, height, parent_, reinterpret_cast<HMENU>(100), ::GetModuleHandleA(nullptr),
                          nullptr);
        picture.Bind(parent_, 100);
    }
    ~Stage() { ::DestroyWindow(parent_); }

    // What the control shows, read back from the screen.
    std::vector<COLORREF> Shown(int& width, int& height) {
        ::RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT area;
        ::GetClientRect(picture, &area);
        width = area.right;
        height = area.bottom;
        HDC dc = ::GetDC(picture);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(dc, x, y));
        }
        ::ReleaseDC(picture, dc);
        return pixels;
    }

    CPaletteBitmapButton picture;

private:
    HWND parent_ = nullptr;
};

TEST(PaletteBitmapButton, UnmaskedPictureIsCopiedPixelForPixelAtItsOwnSize) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    const Picture expected = Decode(IDB_INFO_PICTURE);
    // A control up to a fifth wider shows the picture unscaled at its top-left corner.
    Stage stage(expected.width + 20, expected.height);
    EXPECT_EQ(stage.picture.LoadBitmaps(IDB_INFO_PICTURE, 0), 0);
    ASSERT_NE(stage.picture.bitmap(), nullptr);
    EXPECT_NE(stage.picture.palette(), nullptr);
    EXPECT_EQ(stage.picture.mask(), nullptr);
    int width = 0, height = 0;
    const std::vector<COLORREF> shown = stage.Shown(width, height);
    int wrong = 0;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) wrong += shown[static_cast<std::size_t>(y * width + x)] != expected.at(x, y);
    }
    EXPECT_EQ(wrong, 0) << "pixels that differ from the resource";
    for (int y = 0; y < height; ++y) {
        for (int x = expected.width; x < width; ++x) {
            ASSERT_EQ(shown[static_cast<std::size_t>(y * width + x)], kBackground) << "beyond the picture at " << x;
        }
    }
}

TEST(PaletteBitmapButton, MaskedPictureShowsImageBackgroundOrBlack) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    Stage stage(4, 2);
    stage.picture.LoadBitmaps(IDB_TEST_IMAGE, IDB_TEST_MASK);
    ASSERT_NE(stage.picture.mask(), nullptr);
    int width = 0, height = 0;
    const std::vector<COLORREF> shown = stage.Shown(width, height);
    ASSERT_EQ(width, 4);
    EXPECT_EQ(shown, kMaskedImage) << "mask white: image; mask black, image white: background; both black: black";

    // The mask's colour table is the palette the picture is drawn with.
    PALETTEENTRY entry = {};
    ASSERT_EQ(::GetPaletteEntries(stage.picture.palette(), 2, 1, &entry), 1u);
    EXPECT_EQ(RGB(entry.peRed, entry.peGreen, entry.peBlue), RGB(1, 2, 3));
}

TEST(PaletteBitmapButton, MaskIsDrawnOverTheImagesWidthAndHeightNotItsOwn) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    Stage stage(4, 2);
    // An 8 x 4 mask whose top-left 4 x 2 corner is the 4 x 2 mask.
    stage.picture.LoadBitmaps(IDB_TEST_IMAGE, IDB_TEST_LARGE_MASK);
    int width = 0, height = 0;
    const std::vector<COLORREF> shown = stage.Shown(width, height);
    EXPECT_EQ(shown, kMaskedImage);
}

TEST(PaletteBitmapButton, MaskedPictureWithTheFunctionsOfWindows2000) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    // No visual styles' helper: the parent erases the background behind it.
    win::ForceWindows2000Functions(true);
    {
        Stage stage(4, 2);
        stage.picture.LoadBitmaps(IDB_TEST_IMAGE, IDB_TEST_MASK);
        int width = 0, height = 0;
        EXPECT_EQ(stage.Shown(width, height), kMaskedImage);
        ::SetWindowTextA(stage.picture, "Button2");
        EXPECT_EQ(stage.Shown(width, height), kMaskedImage);
    }
    win::ForceWindows2000Functions(false);
}

// What the control draws into a memory context of `width` x `height` filled
// with kPrintPaper when sent `message` with `flags`.
const COLORREF kPrintPaper = RGB(250, 0, 250);
std::vector<COLORREF> Printed(HWND control, int width, int height, UINT message, LPARAM flags) {
    HDC screen = ::GetDC(nullptr);
    win::MemoryDC memory(screen);
    win::Bitmap paper(::CreateCompatibleBitmap(screen, width, height));
    ::ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    {
        win::SelectedObject selected(memory.get(), paper.get());
        HBRUSH fill = ::CreateSolidBrush(kPrintPaper);
        RECT all = {0, 0, width, height};
        ::FillRect(memory.get(), &all, fill);
        ::DeleteObject(fill);
        ::SendMessageA(control, message, reinterpret_cast<WPARAM>(memory.get()), flags);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(memory.get(), x, y));
        }
    }
    return pixels;
}

TEST(PaletteBitmapButton, PrintingDrawsThePictureAndNeverTheButtonsFaceOrText) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    {
        Stage stage(4, 2);
        stage.picture.LoadBitmaps(IDB_TEST_IMAGE, 0);
        const Picture expected = Decode(IDB_TEST_IMAGE);
        EXPECT_EQ(Printed(stage.picture, 4, 2, WM_PRINTCLIENT, PRF_CLIENT), expected.pixels);
        EXPECT_EQ(Printed(stage.picture, 4, 2, WM_PRINT, PRF_CLIENT), expected.pixels);
    }
    {
        Stage stage(4, 2);
        stage.picture.LoadBitmaps(IDB_TEST_IMAGE, IDB_TEST_MASK);
        EXPECT_EQ(Printed(stage.picture, 4, 2, WM_PRINTCLIENT, PRF_CLIENT | PRF_ERASEBKGND), kMaskedImage);
        EXPECT_EQ(Printed(stage.picture, 4, 2, WM_PRINT, PRF_CLIENT | PRF_ERASEBKGND), kMaskedImage);
    }
    {
        // No picture: nothing at all is drawn, neither face nor "Button1".
        Stage stage(120, 40);
        stage.picture.LoadBitmaps(9999, 0);
        const std::vector<COLORREF> blank(120 * 40, kPrintPaper);
        EXPECT_EQ(Printed(stage.picture, 120, 40, WM_PRINTCLIENT, PRF_CLIENT), blank);
        EXPECT_EQ(Printed(stage.picture, 120, 40, WM_PRINT, PRF_CLIENT | PRF_NONCLIENT), blank);
    }
}

TEST(PaletteBitmapButton, ShippedMaskedPicturesLetThePageShowThrough) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    for (const auto& ids : {std::pair<UINT, UINT>{IDB_POST_PICTURE, IDB_POST_MASK},
                           std::pair<UINT, UINT>{IDB_DISPLAY_PICTURE, IDB_DISPLAY_MASK}}) {
        const Picture image = Decode(ids.first), mask = Decode(ids.second);
        Stage stage(image.width, image.height);
        stage.picture.LoadBitmaps(ids.first, ids.second);
        int width = 0, height = 0;
        const std::vector<COLORREF> shown = stage.Shown(width, height);
        int wrong = 0, open = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const bool opaque = mask.at(x, y) == RGB(255, 255, 255);
                open += !opaque;
                wrong += shown[static_cast<std::size_t>(y * width + x)] != (opaque ? image.at(x, y) : kBackground);
            }
        }
        EXPECT_EQ(wrong, 0) << "picture " << ids.first;
        EXPECT_GT(open, 0) << "picture " << ids.first << " has no open part";
    }
}

// Under large fonts the control outgrows its picture: the picture is scaled
// by one factor across and down, smoothly, and centred; the rest is the page.
TEST(PaletteBitmapButton, LargerControlsScaleThePictureByOneFactorSmoothlyAndCentred) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    Stage stage(16, 12);  // four times the 4 x 2 picture across, six times down
    stage.picture.LoadBitmaps(IDB_TEST_IMAGE, 0);
    int width = 0, height = 0;
    const std::vector<COLORREF> shown = stage.Shown(width, height);
    ASSERT_EQ(width, 16);

    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(IDB_TEST_IMAGE), MAKEINTRESOURCEA(2));
    const auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(module, found)));
    const std::size_t size = ::SizeofResource(module, found);
    const std::vector<std::uint32_t> smooth = tlw::ScaleDib(tlw::ParseDib(data, size), data, size, 16, 8);
    ASSERT_EQ(smooth.size(), 16u * 8u);
    const Picture own = Decode(IDB_TEST_IMAGE);
    int blended = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            const COLORREF pixel = shown[static_cast<std::size_t>(y * 16 + x)];
            if (y < 2 || y >= 10) {
                ASSERT_EQ(pixel, kBackground) << "above or below the picture at " << x << "," << y;
                continue;
            }
            const std::uint32_t v = smooth[static_cast<std::size_t>((y - 2) * 16 + x)];
            ASSERT_EQ(pixel, RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF)) << x << "," << y;
            blended += pixel != own.at(x / 4, (y - 2) / 4);
        }
    }
    EXPECT_EQ(shown[2 * 16], own.at(0, 0)) << "the corner keeps its own colour";
    EXPECT_GT(blended, 0) << "scaled by repeating pixels, not smoothly";
}

TEST(PaletteBitmapButton, MissingResourceDrawsNothingAndTheButtonTextNeverShows) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    Stage stage(120, 40);
    stage.picture.LoadBitmaps(9999, 0);
    EXPECT_EQ(stage.picture.bitmap(), nullptr);
    EXPECT_EQ(stage.picture.palette(), nullptr);
    int width = 0, height = 0;
    for (COLORREF pixel : stage.Shown(width, height)) ASSERT_EQ(pixel, kBackground);
    // Text changes repaint through the picture's own painting too.
    ::SetWindowTextA(stage.picture, "Button2");
    ::EnableWindow(stage.picture, TRUE);
    for (COLORREF pixel : stage.Shown(width, height)) ASSERT_EQ(pixel, kBackground);
}

TEST(PaletteBitmapButton, TrueColourPictureLoadsWithoutAPalette) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    Stage stage(2, 2);
    stage.picture.LoadBitmaps(IDB_TEST_TRUE_COLOUR, 0);
    ASSERT_NE(stage.picture.bitmap(), nullptr);
    EXPECT_EQ(stage.picture.palette(), nullptr);
    int width = 0, height = 0;
    const std::vector<COLORREF> shown = stage.Shown(width, height);
    EXPECT_EQ(shown, (std::vector<COLORREF>{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(9, 99, 199)}));
}

}  // namespace
