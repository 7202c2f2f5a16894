// The display device page: boot display, display in use, brightness and contrast.
#pragma once

#include "pages/page_base.h"
#include "controls/palette_bitmap_button.h"

class CDisplayPage : public CMyPropertyPage {
public:
    CDisplayPage();

protected:
    bool OnInit() override;

private:
    CPaletteBitmapButton m_picture;
};
