// The About box and its version line.
#include "app/about_dlg.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "res/resource.h"
#include "win/resources.h"

namespace {

// The text entry `name` of the version block for `language`, code page 1252.
bool ProductVersion(const std::vector<char>& block, const char* language, std::string& version) {
    const std::string path = std::string("\\StringFileInfo\\") + language + "04E4\\ProductVersion";
    char* text = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) || !text ||
        length == 0) {
        return false;
    }
    // The value's length counts its terminating zero, where there is one
    // (Windows 2000's C runtime has no strnlen).
    version.assign(text, std::find(text, text + length, '\0'));
    return true;
}

}  // namespace

std::string VersionLine() {
    std::string line = win::LoadText(IDS_VERSION);
    const char* file = "tlw.exe";
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(file, &ignored);
    if (size == 0) return line;
    std::vector<char> block(size);
    if (!::GetFileVersionInfoA(file, 0, size, block.data())) return line;

    char language[8] = "0409";
    if (const LANGID id = ::GetSystemDefaultLangID()) std::snprintf(language, sizeof language, "%04X", id);
    std::string version;
    if (ProductVersion(block, language, version) || ProductVersion(block, "0409", version)) line += " " + version;
    return line;
}

CAboutDlg::CAboutDlg() : win::Dialog(IDD_ABOUT) {}

bool CAboutDlg::OnInit() {
    SetItemText(IDC_ABOUT_NAME, win::LoadText(IDS_APP_TITLE));
    SetText(win::LoadText(IDS_ABOUT_CAPTION));
    SetItemText(IDC_ABOUT_VERSION, VersionLine());
    SetItemText(IDOK, win::LoadText(IDS_OK));
    return true;
}
