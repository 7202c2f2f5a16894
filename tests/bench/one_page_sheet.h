// The one-page property sheet both yardsticks open, modal, with the page
// `page` describes (its template and dialog procedure) under `title`.
#pragma once

#include <windows.h>
#include <commctrl.h>

inline void RunOnePageSheet(HINSTANCE instance, PROPSHEETPAGEA page, const char* title) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    page.dwSize = sizeof page;
    page.dwFlags |= PSP_USETITLE;
    page.hInstance = instance;
    page.pszTitle = title;
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE;
    header.hInstance = instance;
    header.pszCaption = title;
    header.nPages = 1;
    header.ppsp = &page;
    ::PropertySheetA(&header);
}
