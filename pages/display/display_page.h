// The display device page: boot display, display in use, brightness and contrast.
#pragma once

#include "app/my_property_page.h"

class CDisplayPage : public CMyPropertyPage {
public:
    CDisplayPage();

protected:
    bool OnInit() override;
};
