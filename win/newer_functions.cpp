// The run-time look-ups of functions newer than Windows 2000.
#include "win/newer_functions.h"

namespace win {
namespace {

bool g_forceWindows2000 = false;

template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
    function = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
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

DrawThemeParentBackgroundFunction NewerParentBackground() { return LookedUpParentBackground(); }

void ForceWindows2000Functions(bool force) { g_forceWindows2000 = force; }

bool Windows2000FunctionsForced() { return g_forceWindows2000; }

}  // namespace win
