// The program's entry: the application object's run.
#include <windows.h>

#include <cstdlib>

#include "app/tallowin_app.h"
#include "win/startup_trace.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win::BeginStartupTrace();
    const int code = TheApp().Run();
    win::EndStartupTrace();
    return code;
}

// What std::terminate calls. The runtime's own handler prints the demangled
// name of an uncaught exception's type to a console this program does not
// have, and its demangler alone is a sixth of the program's code. Nothing is
// meant to reach it: the dialog trampolines catch what crosses into the window
// manager. Should anything still escape, the program ends as abort does.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
