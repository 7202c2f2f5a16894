// Subclassing with comctl32's functions, or classically: the window's
// procedure replaced by ours, which finds its record through a window
// property and calls the previous procedure with CallWindowProc.
#include "win/subclass.h"

namespace win {
namespace {

const char kClassicProperty[] = "tlw.subclass";

struct ClassicRecord {
    SubclassProcedure procedure;
    DWORD_PTR data;
    WNDPROC previous;
    int depth = 0;         // calls of `procedure` under way
    bool removed = false;  // unhooked; freed once no call is under way
};

ClassicRecord* RecordOf(HWND hwnd) { return static_cast<ClassicRecord*>(::GetPropA(hwnd, kClassicProperty)); }

void Unhook(HWND hwnd, ClassicRecord& record);

LRESULT CALLBACK ClassicProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ClassicRecord* record = RecordOf(hwnd);
    if (!record) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    if (record->removed) {
        // Unhooked under a later procedure: only passing messages on.
        const LRESULT result = ::CallWindowProcA(record->previous, hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY && record->depth == 0) {
            ::RemovePropA(hwnd, kClassicProperty);
            delete record;
        }
        return result;
    }
    ++record->depth;
    const LRESULT result = record->procedure(hwnd, message, wParam, lParam, 0, record->data);
    --record->depth;
    // Nothing of ours may outlive the window, whatever the procedure did.
    if (message == WM_NCDESTROY && !record->removed) Unhook(hwnd, *record);
    if (record->removed && record->depth == 0) {
        ::RemovePropA(hwnd, kClassicProperty);
        delete record;
    }
    return result;
}

void Unhook(HWND hwnd, ClassicRecord& record) {
    record.removed = true;
    // A procedure installed over ours after it keeps ours as its previous
    // one: ours then only passes messages on.
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) == ClassicProcedure) {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.previous));
        if (record.depth == 0) {
            ::RemovePropA(hwnd, kClassicProperty);
            delete &record;
        }
    }
}

}  // namespace

bool SetSubclass(HWND hwnd, SubclassProcedure procedure, DWORD_PTR data) {
    if (!hwnd || !::IsWindow(hwnd)) return false;
    const Comctl32Subclassing& comctl32 = NewerSubclassing();
    if (comctl32.available() && !Windows2000FunctionsForced()) return comctl32.set(hwnd, procedure, 0, data) != FALSE;
    if (RecordOf(hwnd)) return false;
    auto* record = new ClassicRecord{procedure, data, nullptr};
    if (!::SetPropA(hwnd, kClassicProperty, record)) {
        delete record;
        return false;
    }
    record->previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClassicProcedure)));
    if (!record->previous) {
        ::RemovePropA(hwnd, kClassicProperty);
        delete record;
        return false;
    }
    return true;
}

void RemoveSubclass(HWND hwnd, SubclassProcedure procedure) {
    if (!hwnd || !::IsWindow(hwnd)) return;
    // The way the window was taken over, not the way the next one would be.
    if (ClassicRecord* record = RecordOf(hwnd)) {
        if (record->procedure == procedure && !record->removed) Unhook(hwnd, *record);
        return;
    }
    const Comctl32Subclassing& comctl32 = NewerSubclassing();
    if (comctl32.available()) comctl32.remove(hwnd, procedure, 0);
}

LRESULT DefaultSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ClassicRecord* record = RecordOf(hwnd)) return ::CallWindowProcA(record->previous, hwnd, message, wParam, lParam);
    const Comctl32Subclassing& comctl32 = NewerSubclassing();
    if (comctl32.available()) return comctl32.defaultProcedure(hwnd, message, wParam, lParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace win
