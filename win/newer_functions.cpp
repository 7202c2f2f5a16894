// The run-time look-ups of functions newer than Windows 2000.
#include "win/newer_functions.h"

namespace win {
namespace {

bool g_forceWindows2000 = false;

template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
    function = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

const Comctl32Subclassing& LookedUpSubclassing() {
    static const Comctl32Subclassing found = [] {
        // The program imports comctl32, so it is loaded: the version its
        // manifest asked for. Only version 6 exports these by name.
        HMODULE comctl32 = ::GetModuleHandleA("comctl32.dll");
        Comctl32Subclassing functions;
        Find(comctl32, "SetWindowSubclass", functions.set);
        Find(comctl32, "RemoveWindowSubclass", functions.remove);
        Find(comctl32, "DefSubclassProc", functions.defaultProcedure);
        if (!functions.available()) functions = Comctl32Subclassing();
        return functions;
    }();
    return found;
}

DrawThemeParentBackgroundFunction LookedUpParentBackground() {
    static const DrawThemeParentBackgroundFunction found = [] {
        DrawThemeParentBackgroundFunction function = nullptr;
        // uxtheme.dll exists from Windows XP on: loaded from the system
        // folder only, and only where it is there.
        HMODULE uxtheme = ::GetModuleHandleA("uxtheme.dll");
        char path[MAX_PATH];
        const UINT length = ::GetSystemDirectoryA(path, MAX_PATH);
        if (!uxtheme && length > 0 && length + sizeof "\\uxtheme.dll" <= MAX_PATH) {
            lstrcatA(path, "\\uxtheme.dll");
            if (::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) uxtheme = ::LoadLibraryA(path);
        }
        Find(uxtheme, "DrawThemeParentBackground", function);
        return function;
    }();
    return found;
}

}  // namespace

const Comctl32Subclassing& NewerSubclassing() { return LookedUpSubclassing(); }

DrawThemeParentBackgroundFunction NewerParentBackground() { return LookedUpParentBackground(); }

void ForceWindows2000Functions(bool force) { g_forceWindows2000 = force; }

bool Windows2000FunctionsForced() { return g_forceWindows2000; }

}  // namespace win
