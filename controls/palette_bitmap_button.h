// The picture at the side of a page: a disabled button from the page's
// template that paints a 256-colour bitmap resource with its own palette
// instead of its face, optionally through a mask that lets the page show.
#pragma once

#include <windows.h>

#include <cstddef>

#include "win/gdi_object.h"
#include "win/subclassed_window.h"

class CPaletteBitmapButton : public win::SubclassedWindow {
public:
    CPaletteBitmapButton() = default;
    ~CPaletteBitmapButton();

    // Takes over control `id` of `dialog`, once.
    void Bind(HWND dialog, int id);

    // Loads the image and, when `maskId` is not 0, the mask, whose palette
    // then replaces the image's. Returns 0.
    int LoadBitmaps(UINT imageId, UINT maskId);

    HBITMAP bitmap() const { return m_hBitmap.get(); }
    HBITMAP mask() const { return m_hMask.get(); }
    HPALETTE palette() const { return m_hPalette.get(); }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    // The picture (not the button's face or text) in `dc`, for painting and printing.
    void Draw(HDC dc);
    LRESULT OnPrint(HDC dc, LPARAM flags);
    void OnEraseBackground(HDC dc);
    LRESULT OnQueryNewPalette(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaletteChanged(UINT message, WPARAM wParam, LPARAM lParam);
    // The image and the mask smoothly scaled to width x height for `dc`,
    // made once per size; false when they cannot be made.
    bool MakeScaled(HDC dc, long width, long height);

    win::Bitmap m_hBitmap;
    win::Bitmap m_hMask;
    win::Palette m_hPalette;
    // The resources' packed bitmaps, for scaling (they stay mapped with the program).
    const unsigned char* imageDib_ = nullptr;
    std::size_t imageDibSize_ = 0;
    const unsigned char* maskDib_ = nullptr;
    std::size_t maskDibSize_ = 0;
    // The scaled image and mask of the last size drawn, under large fonts.
    win::Bitmap scaledImage_;
    win::Bitmap scaledMask_;
    SIZE scaledSize_ = {0, 0};
};

// A bitmap resource as a device-dependent bitmap with the palette of its
// colour table (none for more than 8 bits per pixel).
struct LoadedDib {
    win::Bitmap bitmap;
    win::Palette palette;
    const unsigned char* packed = nullptr;  // the resource's bytes, mapped as long as the module
    std::size_t size = 0;
};

// The bitmap resource `id` of `module`; no bitmap and no palette when there
// is no such resource or it is not a bitmap that can be read whole.
LoadedDib LoadDibResource(HINSTANCE module, UINT id);

// The palette of the packed bitmap at `packed` (`size` bytes); `colours` gets
// its entry count. None when the bitmap has no colour table.
win::Palette CreateDibPalette(const void* packed, std::size_t size, int& colours);
