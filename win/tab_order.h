// The order in which a dialog's controls take the focus by Tab. It is also
// the order screen readers read them in: the static text just before a
// control that shows no text of its own (an edit, a list, a track bar) is its
// name. Dialog templates fix the order; this puts controls in the order a
// user needs where a template has them otherwise.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace win {

// Puts the controls `ids` of `dialog` one after another in the Tab order,
// from where the first of them is; the others keep their order around them.
void SetTabOrder(HWND dialog, std::initializer_list<int> ids);

}  // namespace win
