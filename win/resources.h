// The program's own resources: strings by id, the application title, and
// message boxes captioned with it.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The module whose resources the program uses (the executable).
HINSTANCE ResourceModule();

// String `id` of the string table, read into a buffer of `capacity`
// characters as the program's texts are; empty when there is none.
std::string LoadText(UINT id, int capacity = 256);

// The application title message boxes carry: the executable's base name.
std::string AppTitle();

// An application message box with an OK button (or the buttons `type` asks for).
int ShowMessage(HWND owner, const std::string& text, UINT type = MB_OK);

}  // namespace win
