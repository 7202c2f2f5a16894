// The POST page: fast boot and the fan-always-on setting.
#pragma once

#include "pages/page_base.h"
#include "controls/palette_bitmap_button.h"

class CPostPage : public CMyPropertyPage {
public:
    CPostPage();

protected:
    bool OnInit() override;

private:
    CPaletteBitmapButton m_picture;
};
