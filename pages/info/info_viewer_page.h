// The information page: the machine's configuration and its DMI identity.
#pragma once

#include "pages/page_base.h"
#include "controls/palette_bitmap_button.h"

class CInfoViewerPage : public CMyPropertyPage {
public:
    CInfoViewerPage();

protected:
    bool OnInit() override;

private:
    CPaletteBitmapButton m_picture;
};
