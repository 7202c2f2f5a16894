// A track bar control. Setting its range or position in code sends its owner
// no scroll notification: only the user's movements do.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "win/window.h"

namespace win {

class TrackBar : public Window {
public:
    using Window::Window;

    void SetRange(int minimum, int maximum, bool redraw = true) const {
        Send(TBM_SETRANGEMIN, FALSE, minimum);
        Send(TBM_SETRANGEMAX, redraw ? TRUE : FALSE, maximum);
    }
    int Minimum() const { return static_cast<int>(Send(TBM_GETRANGEMIN)); }
    int Maximum() const { return static_cast<int>(Send(TBM_GETRANGEMAX)); }
    void SetPosition(int position, bool redraw = true) const { Send(TBM_SETPOS, redraw ? TRUE : FALSE, position); }
    int Position() const { return static_cast<int>(Send(TBM_GETPOS)); }
    void SetPageSize(int size) const { Send(TBM_SETPAGESIZE, 0, size); }
    int PageSize() const { return static_cast<int>(Send(TBM_GETPAGESIZE)); }
    void SetLineSize(int size) const { Send(TBM_SETLINESIZE, 0, size); }
    int LineSize() const { return static_cast<int>(Send(TBM_GETLINESIZE)); }
    // Ticks every `frequency` steps (track bars with automatic ticks).
    void SetTickFrequency(int frequency) const { Send(TBM_SETTICFREQ, frequency); }
};

}  // namespace win
