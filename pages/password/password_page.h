// The password page: the power-on and setup passwords.
#pragma once

#include "app/my_property_page.h"

class CPasswordPage : public CMyPropertyPage {
public:
    CPasswordPage();

protected:
    bool OnInit() override;
};
