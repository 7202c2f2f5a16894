// Loading the picture with its palette, and painting it over the page.
#include "controls/palette_bitmap_button.h"

#include <utility>
#include <vector>

#include "controls/dib_layout.h"
#include "win/parent_background.h"
#include "win/resources.h"
#include "win/subclass.h"

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
    if (!loaded.bitmap) loaded.palette.Reset();
    return loaded;
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
    LoadedDib image = LoadDibResource(win::ResourceModule(), imageId);
    m_hBitmap = std::move(image.bitmap);
    m_hPalette = std::move(image.palette);
    m_hMask.Reset();
    if (LOWORD(maskId) != 0) {
        LoadedDib mask = LoadDibResource(win::ResourceModule(), maskId);
        m_hMask = std::move(mask.bitmap);
        // The mask's palette is the one the picture is drawn with.
        m_hPalette = std::move(mask.palette);
    }
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
    return 0;
}

void CPaletteBitmapButton::DrawPicture(HDC target, HDC memory, HBITMAP picture, DWORD operation, SIZE imageSize,
                                       int controlWidth, int controlHeight) const {
    win::SelectedObject selected(memory, picture);
    if (tlw::ChoosePictureDrawing(imageSize.cx, controlWidth) == tlw::PictureDrawing::CopyUnscaled) {
        ::BitBlt(target, 0, 0, imageSize.cx, imageSize.cy, memory, 0, 0, operation);
    } else {
        ::SetStretchBltMode(target, COLORONCOLOR);
        ::StretchBlt(target, 0, 0, controlWidth, controlHeight, memory, 0, 0, imageSize.cx, imageSize.cy,
                     operation);
    }
}

void CPaletteBitmapButton::Draw(HDC dc) const {
    if (!m_hBitmap) return;
    RECT frame;
    ::GetWindowRect(hwnd_, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    // The mask is drawn as the image is, over the image's width and height.
    BITMAP image = {};
    ::GetObjectA(m_hBitmap.get(), sizeof image, &image);
    const SIZE imageSize = {image.bmWidth, image.bmHeight};
    const bool background = ::GetActiveWindow() != hwnd_;
    win::MemoryDC memory(dc);
    // The guards undo their selections before the memory context is deleted.
    win::SelectedPalette onTarget(dc, m_hPalette.get(), background);
    win::SelectedPalette inMemory(memory.get(), m_hPalette.get(), background);
    if (m_hMask) {
        DrawPicture(dc, memory.get(), m_hMask.get(), SRCPAINT, imageSize, width, height);
        DrawPicture(dc, memory.get(), m_hBitmap.get(), SRCAND, imageSize, width, height);
    } else {
        DrawPicture(dc, memory.get(), m_hBitmap.get(), SRCCOPY, imageSize, width, height);
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
        win::DefaultSubclass(hwnd_, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags & ~(PRF_CLIENT | PRF_ERASEBKGND));
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
    return win::DefaultSubclass(hwnd_, message, wParam, lParam);
}

void CPaletteBitmapButton::OnPaletteChanged(UINT message, WPARAM wParam, LPARAM lParam) {
    win::DefaultSubclass(hwnd_, message, wParam, lParam);
    if (reinterpret_cast<HWND>(wParam) == hwnd_) return;
    HDC dc = ::GetDC(hwnd_);
    {
        win::SelectedPalette selected(dc, m_hPalette.get(), false);
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
        case WM_PRINT:
            return self->OnPrint(reinterpret_cast<HDC>(wParam), lParam);
        case WM_PRINTCLIENT:
            // Never the button's face: what painting shows.
            if (lParam & PRF_ERASEBKGND) self->OnEraseBackground(reinterpret_cast<HDC>(wParam));
            self->Draw(reinterpret_cast<HDC>(wParam));
            return 0;
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
