// A combo box control: entries with a number of the program's beside each.
#pragma once

#include <windows.h>

#include <string>

#include "win/window.h"

namespace win {

class ComboBox : public Window {
public:
    using Window::Window;

    // Adds `text` (in its sorted place in a sorted combo box); its index, or CB_ERR.
    int Add(const std::string& text) const {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void DeleteAll() const { Send(CB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    std::string ItemText(int index) const {
        const LRESULT length = Send(CB_GETLBTEXTLEN, index);
        if (length == CB_ERR) return std::string();
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
    // The selected entry, or CB_ERR; selecting in code does not notify the owner.
    int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    bool Select(int index) const { return Send(CB_SETCURSEL, index) != CB_ERR || index == -1; }
    bool SetItemData(int index, LPARAM data) const { return Send(CB_SETITEMDATA, index, data) != CB_ERR; }
    LPARAM ItemData(int index) const { return static_cast<LPARAM>(Send(CB_GETITEMDATA, index)); }
};

}  // namespace win
