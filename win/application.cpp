// The run of an application object: start-up, a message loop only when
// start-up asks for one, then exit.
#include "win/application.h"

namespace win {

int Application::Run() {
    if (InitInstance()) {
        MSG message;
        while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return ExitInstance();
}

}  // namespace win
