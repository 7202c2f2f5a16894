// The password page: the power-on and setup passwords.
#pragma once

#include "pages/page_base.h"
#include "controls/palette_bitmap_button.h"

class CPasswordPage : public CMyPropertyPage {
public:
    CPasswordPage();

protected:
    bool OnInit() override;

private:
    CPaletteBitmapButton m_picture;
};
