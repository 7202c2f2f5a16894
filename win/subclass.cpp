// Subclassing through the window procedure: the window's procedure is
// replaced by ours, which finds its record in a table of this process and
// calls the previous procedure with CallWindowProc.
//
// Neither a window property nor comctl32's SetWindowSubclass (which keeps its
// data in one): under Wine every property read is a round trip to the
// server, and a subclassed window pays for several at each message it gets;
// the sheet and the information list get hundreds before the first page has
// painted.
#include "win/subclass.h"

#include <algorithm>
#include <vector>

namespace win {
namespace {

struct ClassicRecord {
    HWND hwnd;
    SubclassProcedure procedure;
    DWORD_PTR data;
    WNDPROC previous;
    bool unicode;          // taken over with the wide functions, as the window's class expects
    int depth = 0;         // calls of `procedure` under way
    bool removed = false;  // unhooked; freed once no call is under way
};

std::vector<ClassicRecord*>& Records() {
    static std::vector<ClassicRecord*> records;
    return records;
}

ClassicRecord* RecordOf(HWND hwnd) {
    for (ClassicRecord* record : Records()) {
        if (record->hwnd == hwnd) return record;
    }
    return nullptr;
}

void Forget(ClassicRecord* record) {
    auto& records = Records();
    records.erase(std::remove(records.begin(), records.end(), record), records.end());
    delete record;
}

LRESULT CallPrevious(const ClassicRecord& record, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return record.unicode ? ::CallWindowProcW(record.previous, hwnd, message, wParam, lParam)
                          : ::CallWindowProcA(record.previous, hwnd, message, wParam, lParam);
}

void Unhook(HWND hwnd, ClassicRecord& record);

LRESULT CALLBACK ClassicProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ClassicRecord* record = RecordOf(hwnd);
    if (!record) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    if (record->removed) {
        // Unhooked under a later procedure: only passing messages on.
        const LRESULT result = CallPrevious(*record, hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY && record->depth == 0) Forget(record);
        return result;
    }
    ++record->depth;
    const LRESULT result = record->procedure(hwnd, message, wParam, lParam, 0, record->data);
    --record->depth;
    // Nothing of ours may outlive the window, whatever the procedure did.
    if (message == WM_NCDESTROY && !record->removed) Unhook(hwnd, *record);
    if (record->removed && record->depth == 0) Forget(record);
    return result;
}

LONG_PTR CurrentProcedure(HWND hwnd, bool unicode) {
    return unicode ? ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
}

void Unhook(HWND hwnd, ClassicRecord& record) {
    record.removed = true;
    // A procedure installed over ours after it keeps ours as its previous
    // one: ours then only passes messages on.
    if (CurrentProcedure(hwnd, record.unicode) == reinterpret_cast<LONG_PTR>(ClassicProcedure)) {
        const LONG_PTR previous = reinterpret_cast<LONG_PTR>(record.previous);
        record.unicode ? ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, previous)
                       : ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, previous);
        if (record.depth == 0) Forget(&record);
    }
}

}  // namespace

bool SetSubclass(HWND hwnd, SubclassProcedure procedure, DWORD_PTR data) {
    if (!hwnd || !::IsWindow(hwnd) || RecordOf(hwnd)) return false;
    const bool unicode = ::IsWindowUnicode(hwnd) != FALSE;
    auto* record = new ClassicRecord{hwnd, procedure, data, nullptr, unicode};
    Records().push_back(record);
    const LONG_PTR ours = reinterpret_cast<LONG_PTR>(ClassicProcedure);
    record->previous = reinterpret_cast<WNDPROC>(unicode ? ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, ours)
                                                         : ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, ours));
    if (!record->previous) {
        Forget(record);
        return false;
    }
    return true;
}

void RemoveSubclass(HWND hwnd, SubclassProcedure procedure) {
    if (!hwnd) return;
    ClassicRecord* record = RecordOf(hwnd);
    if (record && record->procedure == procedure && !record->removed) Unhook(hwnd, *record);
}

LRESULT DefaultSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ClassicRecord* record = RecordOf(hwnd)) return CallPrevious(*record, hwnd, message, wParam, lParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace win
