// Loading the picture with its palette, and painting it over the page.
#include "controls/palette_bitmap_button.h"

#include <utility>
#include <vector>

#include "controls/dib_layout.h"
#include "controls/dib_scale.h"
#include "win/accessible.h"
#include "win/parent_background.h"
#include "win/resources.h"
#include "win/startup_trace.h"

win::Palette CreateDibPalette(const void* packed, std::size_t size, int& colours) {
    const tlw::DibLayout layout = tlw::ParseDib(static_cast<const unsigned char*>(packed), size);
    colours = static_cast<int>(layout.palette.size());
    if (layout.usability != tlw::DibUsability::WithPalette || layout.palette.empty()) return win::Palette();
    std::vector<unsigned char> memory(sizeof(LOGPALETTE) + layout.palette.size() * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(memory.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(layout.palette.size());
    for (std::size_t i = 0; i < layout.palette.size(); ++i) {
        logical->palPalEntry[i] = {layout.palette[i].red, layout.palette[i].green, layout.palette[i].blue, 0};
    }
    return win::Palette(::CreatePalette(logical));
}

LoadedDib LoadDibResource(HINSTANCE module, UINT id) {
    LoadedDib loaded;
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!found) return loaded;
    const DWORD size = ::SizeofResource(module, found);
    HGLOBAL resource = ::LoadResource(module, found);
    const auto* packed = static_cast<const unsigned char*>(resource ? ::LockResource(resource) : nullptr);
    if (!packed) return loaded;
    // Nothing is read before the layout says the header, table and bits all
    // lie inside the resource.
    const tlw::DibLayout layout = tlw::ParseDib(packed, size);
    if (layout.usability == tlw::DibUsability::Unusable) return loaded;

    HDC screen = ::GetDC(nullptr);
    int colours = 0;
    loaded.palette = CreateDibPalette(packed, size, colours);
    {
        win::SelectedPalette selected(screen, loaded.palette.get(), false);
        loaded.bitmap.Reset(::CreateDIBitmap(screen, reinterpret_cast<const BITMAPINFOHEADER*>(packed), CBM_INIT,
                                             packed + layout.bitsOffset, reinterpret_cast<const BITMAPINFO*>(packed),
                                             DIB_RGB_COLORS));
    }
    ::ReleaseDC(nullptr, screen);
    if (!loaded.bitmap) {
        loaded.palette.Reset();
        return loaded;
    }
    loaded.packed = packed;
    loaded.size = size;
    return loaded;
}

// The bitmap, mask and palette go with their owners, before the button lets go.
CPaletteBitmapButton::~CPaletteBitmapButton() = default;

void CPaletteBitmapButton::Bind(HWND dialog, int id) {
    if (hwnd_) return;
    Subclass(::GetDlgItem(dialog, id));
    if (!hwnd_) return;
    // Controls placed over the picture (the POST page's check boxes) stay on
    // top of it: the picture lies underneath and never paints over them.
    ::SetWindowLongPtrA(hwnd_, GWL_STYLE, ::GetWindowLongPtrA(hwnd_, GWL_STYLE) | WS_CLIPSIBLINGS);
    ::SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int CPaletteBitmapButton::LoadBitmaps(UINT imageId, UINT maskId) {
    const win::TracedPhase phase("picture: load and conversion");
    LoadedDib image = LoadDibResource(win::ResourceModule(), imageId);
    m_hBitmap = std::move(image.bitmap);
    m_hPalette = std::move(image.palette);
    imageDib_ = image.packed;
    imageDibSize_ = image.size;
    m_hMask.Reset();
    maskDib_ = nullptr;
    maskDibSize_ = 0;
    if (LOWORD(maskId) != 0) {
        LoadedDib mask = LoadDibResource(win::ResourceModule(), maskId);
        m_hMask = std::move(mask.bitmap);
        // The mask's palette is the one the picture is drawn with.
        m_hPalette = std::move(mask.palette);
        maskDib_ = mask.packed;
        maskDibSize_ = mask.size;
    }
    scaledImage_.Reset();
    scaledMask_.Reset();
    scaledSize_ = {0, 0};
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
    return 0;
}

namespace {

// The packed bitmap scaled to width x height, as a bitmap for `dc`.
win::Bitmap ScaledBitmap(HDC dc, const unsigned char* packed, std::size_t size, long width, long height) {
    if (!packed) return win::Bitmap();
    const std::vector<std::uint32_t> pixels =
        tlw::ScaleDib(tlw::ParseDib(packed, size), packed, size, static_cast<int>(width), static_cast<int>(height));
    if (pixels.empty()) return win::Bitmap();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return win::Bitmap(::CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, pixels.data(), &info, DIB_RGB_COLORS));
}

}  // namespace

bool CPaletteBitmapButton::MakeScaled(HDC dc, long width, long height) {
    if (scaledImage_ && scaledSize_.cx == width && scaledSize_.cy == height) return true;
    scaledImage_ = ScaledBitmap(dc, imageDib_, imageDibSize_, width, height);
    scaledMask_ = m_hMask ? ScaledBitmap(dc, maskDib_, maskDibSize_, width, height) : win::Bitmap();
    if (!scaledImage_ || (m_hMask && !scaledMask_)) {
        scaledImage_.Reset();
        scaledMask_.Reset();
        return false;
    }
    scaledSize_ = {width, height};
    return true;
}

void CPaletteBitmapButton::Draw(HDC dc) {
    if (!m_hBitmap) return;
    RECT frame;
    ::GetWindowRect(hwnd_, &frame);
    BITMAP image = {};
    ::GetObjectA(m_hBitmap.get(), sizeof image, &image);
    const tlw::PicturePlacement at =
        tlw::PlacePicture(image.bmWidth, image.bmHeight, frame.right - frame.left, frame.bottom - frame.top);
    if (at.width <= 0 || at.height <= 0) return;
    const bool background = ::GetActiveWindow() != hwnd_;
    win::MemoryDC memory(dc);
    // The guards undo their selections before the memory context is deleted.
    win::SelectedPalette onTarget(dc, m_hPalette.get(), background);
    win::SelectedPalette inMemory(memory.get(), m_hPalette.get(), background);
    // Under large fonts the picture is scaled smoothly once; should that fail,
    // it is stretched by the same one factor.
    const bool smooth = at.scaled && MakeScaled(dc, at.width, at.height);
    const auto draw = [&](HBITMAP own, HBITMAP scaled, DWORD operation) {
        if (smooth) {
            win::SelectedObject selected(memory.get(), scaled);
            ::BitBlt(dc, at.x, at.y, at.width, at.height, memory.get(), 0, 0, operation);
            return;
        }
        win::SelectedObject selected(memory.get(), own);
        if (!at.scaled) {
            ::BitBlt(dc, at.x, at.y, at.width, at.height, memory.get(), 0, 0, operation);
        } else {
            ::SetStretchBltMode(dc, COLORONCOLOR);
            ::StretchBlt(dc, at.x, at.y, at.width, at.height, memory.get(), 0, 0, image.bmWidth, image.bmHeight,
                         operation);
        }
    };
    if (m_hMask) {
        draw(m_hMask.get(), scaledMask_.get(), SRCPAINT);
        draw(m_hBitmap.get(), scaledImage_.get(), SRCAND);
    } else {
        draw(m_hBitmap.get(), scaledImage_.get(), SRCCOPY);
    }
}

void CPaletteBitmapButton::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd_, &paint);
    Draw(dc);
    ::EndPaint(hwnd_, &paint);
}

LRESULT CPaletteBitmapButton::OnPrint(HDC dc, LPARAM flags) {
    if ((flags & PRF_CHECKVISIBLE) && !::IsWindowVisible(hwnd_)) return 0;
    // The button draws what lies outside its client area and its children;
    // its client area is the picture's.
    const LRESULT result =
        Default(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags & ~(PRF_CLIENT | PRF_ERASEBKGND));
    if (flags & PRF_ERASEBKGND) OnEraseBackground(dc);
    if (flags & PRF_CLIENT) Draw(dc);
    return result;
}

void CPaletteBitmapButton::OnEraseBackground(HDC dc) {
    // The page's own background, whatever the theme draws there: the mask
    // lets it show through the picture's open parts.
    win::DrawParentBackground(hwnd_, dc);
}

LRESULT CPaletteBitmapButton::OnQueryNewPalette(UINT message, WPARAM wParam, LPARAM lParam) {
    HDC dc = ::GetDC(hwnd_);
    {
        win::SelectedPalette selected(dc, m_hPalette.get(), false);
        ::InvalidateRect(hwnd_, nullptr, TRUE);
        ::UpdateWindow(hwnd_);
    }
    ::ReleaseDC(hwnd_, dc);
    return Default(message, wParam, lParam);
}

void CPaletteBitmapButton::OnPaletteChanged(UINT message, WPARAM wParam, LPARAM lParam) {
    Default(message, wParam, lParam);
    if (reinterpret_cast<HWND>(wParam) == hwnd_) return;
    HDC dc = ::GetDC(hwnd_);
    {
        win::SelectedPalette selected(dc, m_hPalette.get(), false);
        ::UpdateColors(dc);
    }
    ::ReleaseDC(hwnd_, dc);
}

LRESULT CPaletteBitmapButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            OnEraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PRINT:
            return OnPrint(reinterpret_cast<HDC>(wParam), lParam);
        case WM_PRINTCLIENT:
            // Never the button's face: what painting shows.
            if (lParam & PRF_ERASEBKGND) OnEraseBackground(reinterpret_cast<HDC>(wParam));
            Draw(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_QUERYNEWPALETTE:
            return OnQueryNewPalette(message, wParam, lParam);
        case WM_GETOBJECT: {
            // A picture, not the disabled button it is drawn on.
            LRESULT result = 0;
            if (win::AnswerAsPicture(hwnd_, wParam, lParam, result)) return result;
            break;
        }
        case WM_PALETTECHANGED:
            OnPaletteChanged(message, wParam, lParam);
            return 0;
        case WM_UPDATEUISTATE:
        case WM_ENABLE:
        case WM_SETTEXT:
            // The button would repaint its face and text outside WM_PAINT.
            Default(message, wParam, lParam);
            ::InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
