// The yardstick of start-up time: a minimal program that opens an empty
// one-page property sheet and nothing else.
#include "tests/bench/one_page_sheet.h"

namespace {

struct EmptyPageTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};

INT_PTR CALLBACK EmptyPage(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    alignas(4) static EmptyPageTemplate page = {{WS_CHILD | WS_CAPTION, 0, 0, 0, 0, 351, 199}, 0, 0, 0};
    PROPSHEETPAGEA description = {};
    description.dwFlags = PSP_DLGINDIRECT;
    description.pResource = &page.header;
    description.pfnDlgProc = EmptyPage;
    RunOnePageSheet(instance, description, "Empty");
    return 0;
}
