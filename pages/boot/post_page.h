// The POST page: fast boot and the fan-always-on setting.
#pragma once

#include "app/my_property_page.h"

class CPostPage : public CMyPropertyPage {
public:
    CPostPage();

protected:
    bool OnInit() override;
};
