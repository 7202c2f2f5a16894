// The yardstick of start-up time: a minimal program that opens an empty
// one-page property sheet and nothing else.
#include <windows.h>
#include <commctrl.h>

namespace {

struct EmptyPageTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};

INT_PTR CALLBACK EmptyPage(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    alignas(4) static EmptyPageTemplate page = {{WS_CHILD | WS_CAPTION, 0, 0, 0, 0, 351, 199}, 0, 0, 0};
    PROPSHEETPAGEA description = {};
    description.dwSize = sizeof description;
    description.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    description.hInstance = instance;
    description.pResource = &page.header;
    description.pszTitle = "Empty";
    description.pfnDlgProc = EmptyPage;
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE;
    header.hInstance = instance;
    header.pszCaption = "Empty";
    header.nPages = 1;
    header.ppsp = &description;
    ::PropertySheetA(&header);
    return 0;
}
