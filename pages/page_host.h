// What a page asks of the sheet that holds it. The sheet implements it and
// hangs it on its window; a page finds it through its parent window, so that
// pages know nothing of the application around them.
#pragma once

#include <windows.h>

class CPageHost {
public:
    // 1 when Windows reports a major version above 4 (Windows 2000 and
    // later), 0 on Windows NT 4.0 and 95/98.
    virtual BYTE IsWindows2000OrLater() const = 0;

    // Makes `host` the host of the pages of the sheet window `sheet`, until
    // Detach or the window's end.
    static void Attach(HWND sheet, CPageHost* host);
    static void Detach(HWND sheet);
    // The host of the page window `page`, or null (no window yet, or its
    // parent is no sheet with a host).
    static CPageHost* Of(HWND page);

protected:
    ~CPageHost() = default;
};
