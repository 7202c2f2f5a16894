// Loading the picture with its palette, and painting it over the page.
#include "controls/palette_bitmap_button.h"

#include <vector>

#include "controls/dib_layout.h"
#include "win/parent_background.h"
#include "win/resources.h"
#include "win/subclass.h"

namespace {

// Selects `palette` into `dc` for the length of a scope.
class SelectedPalette {
public:
    SelectedPalette(HDC dc, HPALETTE palette, bool background) : dc_(dc) {
        if (palette) {
            previous_ = ::SelectPalette(dc, palette, background ? TRUE : FALSE);
            ::RealizePalette(dc);
        }
    }
    ~SelectedPalette() {
        if (previous_) ::SelectPalette(dc_, previous_, TRUE);
    }
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;

private:
    HDC dc_;
    HPALETTE previous_ = nullptr;
};

}  // namespace

HPALETTE CreateDibPalette(const void* packed, std::size_t size, int& colours) {
    const tlw::DibLayout layout = tlw::ParseDib(static_cast<const unsigned char*>(packed), size);
    colours = static_cast<int>(layout.palette.size());
    if (layout.usability != tlw::DibUsability::WithPalette || layout.palette.empty()) return nullptr;
    std::vector<unsigned char> memory(sizeof(LOGPALETTE) + layout.palette.size() * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(memory.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(layout.palette.size());
    for (std::size_t i = 0; i < layout.palette.size(); ++i) {
        logical->palPalEntry[i] = {layout.palette[i].red, layout.palette[i].green, layout.palette[i].blue, 0};
    }
    return ::CreatePalette(logical);
}

HBITMAP LoadDibResource(HINSTANCE module, UINT id, HPALETTE& palette) {
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!found) return nullptr;
    const DWORD size = ::SizeofResource(module, found);
    HGLOBAL loaded = ::LoadResource(module, found);
    const auto* packed = static_cast<const unsigned char*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!packed) return nullptr;
    // Nothing is read before the layout says the header, table and bits all
    // lie inside the resource.
    const tlw::DibLayout layout = tlw::ParseDib(packed, size);
    if (layout.usability == tlw::DibUsability::Unusable) return nullptr;

    HDC screen = ::GetDC(nullptr);
    int colours = 0;
    palette = CreateDibPalette(packed, size, colours);
    HPALETTE previous = nullptr;
    if (palette) {
        previous = ::SelectPalette(screen, palette, FALSE);
        ::RealizePalette(screen);
    }
    HBITMAP bitmap = ::CreateDIBitmap(screen, reinterpret_cast<const BITMAPINFOHEADER*>(packed), CBM_INIT,
                                      packed + layout.bitsOffset, reinterpret_cast<const BITMAPINFO*>(packed),
                                      DIB_RGB_COLORS);
    if (previous) ::SelectPalette(screen, previous, FALSE);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

CPaletteBitmapButton::~CPaletteBitmapButton() {
    if (hwnd_ && ::IsWindow(hwnd_)) win::RemoveSubclass(hwnd_, Subclass);
    // The bitmap, mask and palette go with their owners, before the button.
}

void CPaletteBitmapButton::Bind(HWND dialog, int id) {
    if (hwnd_) return;
    Attach(::GetDlgItem(dialog, id));
    if (!hwnd_) return;
    win::SetSubclass(hwnd_, Subclass, reinterpret_cast<DWORD_PTR>(this));
    // Controls placed over the picture (the POST page's check boxes) stay on
    // top of it: the picture lies underneath and never paints over them.
    ::SetWindowLongPtrA(hwnd_, GWL_STYLE, ::GetWindowLongPtrA(hwnd_, GWL_STYLE) | WS_CLIPSIBLINGS);
    ::SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int CPaletteBitmapButton::LoadBitmaps(UINT imageId, UINT maskId) {
    HPALETTE palette = nullptr;
    m_hBitmap.Reset(LoadDibResource(win::ResourceModule(), imageId, palette));
    m_hPalette.Reset(palette);
    m_hMask.Reset();
    if (LOWORD(maskId) != 0) {
        HPALETTE maskPalette = nullptr;
        m_hMask.Reset(LoadDibResource(win::ResourceModule(), maskId, maskPalette));
        // The mask's palette is the one the picture is drawn with.
        m_hPalette.Reset(maskPalette);
    }
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
    return 0;
}

void CPaletteBitmapButton::DrawPicture(HDC target, HDC memory, HBITMAP picture, DWORD operation, int controlWidth,
                                       int controlHeight) const {
    BITMAP size = {};
    ::GetObjectA(picture, sizeof size, &size);
    HGDIOBJ previous = ::SelectObject(memory, picture);
    if (tlw::ChoosePictureDrawing(size.bmWidth, controlWidth) == tlw::PictureDrawing::CopyUnscaled) {
        ::BitBlt(target, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, operation);
    } else {
        ::SetStretchBltMode(target, COLORONCOLOR);
        ::StretchBlt(target, 0, 0, controlWidth, controlHeight, memory, 0, 0, size.bmWidth, size.bmHeight,
                     operation);
    }
    ::SelectObject(memory, previous);
}

void CPaletteBitmapButton::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd_, &paint);
    if (m_hBitmap) {
        HDC memory = ::CreateCompatibleDC(dc);
        RECT frame;
        ::GetWindowRect(hwnd_, &frame);
        const int width = frame.right - frame.left, height = frame.bottom - frame.top;
        const bool background = ::GetActiveWindow() != hwnd_;
        SelectedPalette onScreen(dc, m_hPalette.get(), background);
        SelectedPalette inMemory(memory, m_hPalette.get(), background);
        if (m_hMask) {
            DrawPicture(dc, memory, m_hMask.get(), SRCPAINT, width, height);
            DrawPicture(dc, memory, m_hBitmap.get(), SRCAND, width, height);
        } else {
            DrawPicture(dc, memory, m_hBitmap.get(), SRCCOPY, width, height);
        }
        ::DeleteDC(memory);
    }
    ::EndPaint(hwnd_, &paint);
}

void CPaletteBitmapButton::OnEraseBackground(HDC dc) {
    // The page's own background, whatever the theme draws there: the mask
    // lets it show through the picture's open parts.
    win::DrawParentBackground(hwnd_, dc);
}

LRESULT CPaletteBitmapButton::OnQueryNewPalette(UINT message, WPARAM wParam, LPARAM lParam) {
    HDC dc = ::GetDC(hwnd_);
    {
        SelectedPalette selected(dc, m_hPalette.get(), false);
        ::InvalidateRect(hwnd_, nullptr, TRUE);
        ::UpdateWindow(hwnd_);
    }
    ::ReleaseDC(hwnd_, dc);
    return win::DefaultSubclass(hwnd_, message, wParam, lParam);
}

void CPaletteBitmapButton::OnPaletteChanged(UINT message, WPARAM wParam, LPARAM lParam) {
    win::DefaultSubclass(hwnd_, message, wParam, lParam);
    if (reinterpret_cast<HWND>(wParam) == hwnd_) return;
    HDC dc = ::GetDC(hwnd_);
    {
        SelectedPalette selected(dc, m_hPalette.get(), false);
        ::UpdateColors(dc);
    }
    ::ReleaseDC(hwnd_, dc);
}

LRESULT CALLBACK CPaletteBitmapButton::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                DWORD_PTR selfData) {
    auto* self = reinterpret_cast<CPaletteBitmapButton*>(selfData);
    switch (message) {
        case WM_PAINT:
            self->OnPaint();
            return 0;
        case WM_ERASEBKGND:
            self->OnEraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_QUERYNEWPALETTE:
            return self->OnQueryNewPalette(message, wParam, lParam);
        case WM_PALETTECHANGED:
            self->OnPaletteChanged(message, wParam, lParam);
            return 0;
        case WM_UPDATEUISTATE:
        case WM_ENABLE:
        case WM_SETTEXT:
            // The button would repaint its face and text outside WM_PAINT.
            win::DefaultSubclass(hwnd, message, wParam, lParam);
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_NCDESTROY:
            win::RemoveSubclass(hwnd, Subclass);
            self->Detach();
            break;
        default:
            break;
    }
    return win::DefaultSubclass(hwnd, message, wParam, lParam);
}
