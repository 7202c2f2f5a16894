// The boot sequence page: the BIOS boot order and the first hard disk.
#pragma once

#include "app/my_property_page.h"

class CStartupPage : public CMyPropertyPage {
public:
    CStartupPage();

protected:
    bool OnInit() override;
};
