// The boot sequence page: the BIOS boot order and the first hard disk.
#pragma once

#include "pages/page_base.h"
#include "controls/palette_bitmap_button.h"

class CStartupPage : public CMyPropertyPage {
public:
    CStartupPage();

protected:
    bool OnInit() override;

private:
    CPaletteBitmapButton m_picture;
};
