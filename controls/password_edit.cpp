// The password box over the edit control.
#include "controls/password_edit.h"

namespace {

// What the edit itself is given for each stored key: a character that says
// nothing of the key, so the typed characters never enter the edit's text
// (the box shows its password character for it anyway).
constexpr WPARAM kShownCharacter = '*';

void Beep() { ::MessageBeep(MB_ICONEXCLAMATION); }

}  // namespace

// keys_ clears its codes as it goes.
CPasswordEdit::~CPasswordEdit() = default;

void CPasswordEdit::Bind(HWND dialog, int id) { Subclass(::GetDlgItem(dialog, id)); }

void CPasswordEdit::Empty() {
    keys_.Empty();
    if (hwnd_) ::SetWindowTextA(hwnd_, "");
}

void CPasswordEdit::Restart() {
    if (!::IsWindowVisible(hwnd_)) return;
    keys_.Restart();
    Send(EM_SETSEL, 0, -1);
    Send(EM_SCROLLCARET);
}

LRESULT CPasswordEdit::OnChar(UINT message, WPARAM wParam, LPARAM lParam) {
    // Bits 16-23 of the key data: the key's scan code, set 1 make code on a PC keyboard.
    const auto scanCode = static_cast<std::uint8_t>(lParam >> 16 & 0xFF);
    const UINT virtualKey = ::MapVirtualKeyA(scanCode, 1);
    switch (keys_.Type(static_cast<unsigned>(wParam), scanCode, virtualKey)) {
        case tlw::KeyVerdict::Stored:
            return Default(message, kShownCharacter, lParam);
        case tlw::KeyVerdict::Erased:
            return Default(message, wParam, lParam);
        case tlw::KeyVerdict::Refused:
            break;
    }
    Beep();
    return 0;
}

LRESULT CPasswordEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            return OnChar(message, wParam, lParam);
        case WM_KEYDOWN:
            if (!tlw::IsSwallowedKey(static_cast<unsigned>(wParam))) break;
            Beep();
            return 0;
        case WM_KEYUP:
            if (tlw::IsSwallowedKey(static_cast<unsigned>(wParam))) return 0;
            break;
        case WM_SETFOCUS:
        case WM_LBUTTONDOWN: {
            const LRESULT result = Default(message, wParam, lParam);
            Restart();
            return result;
        }
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
