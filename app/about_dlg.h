// The About box: the program's name and the version of "tlw.exe".
#pragma once

#include <string>

#include "win/dialog.h"

class CAboutDlg : public win::Dialog {
public:
    CAboutDlg();

protected:
    bool OnInit() override;
};

// "Version" followed by the product version of the file "tlw.exe" as the
// system finds it, or "Version" alone when it has none.
std::string VersionLine();
