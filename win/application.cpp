// The run of an application object. The program keeps no message loop of its
// own: every window it shows runs a modal loop inside start-up.
#include "win/application.h"

namespace win {

int Application::Run() {
    InitInstance();
    return ExitInstance();
}

}  // namespace win
