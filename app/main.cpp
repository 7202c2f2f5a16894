// The program's entry: the application object's run.
#include <windows.h>

#include "app/tallowin_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return TheApp().Run(); }
