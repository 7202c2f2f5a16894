// The password box over the edit control.
#include "controls/password_edit.h"

#include "win/subclass.h"

namespace {

// What the edit itself is given for each stored key: a character that says
// nothing of the key, so the typed characters never enter the edit's text
// (the box shows its password character for it anyway).
constexpr WPARAM kShownCharacter = '*';

void Beep() { ::MessageBeep(MB_ICONEXCLAMATION); }

}  // namespace

CPasswordEdit::~CPasswordEdit() {
    if (hwnd_ && ::IsWindow(hwnd_)) win::RemoveSubclass(hwnd_, Subclass);
    // keys_ clears its codes as it goes.
}

void CPasswordEdit::Bind(HWND dialog, int id) {
    Attach(::GetDlgItem(dialog, id));
    if (hwnd_) win::SetSubclass(hwnd_, Subclass, reinterpret_cast<DWORD_PTR>(this));
}

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
            return win::DefaultSubclass(hwnd_, message, kShownCharacter, lParam);
        case tlw::KeyVerdict::Erased:
            return win::DefaultSubclass(hwnd_, message, wParam, lParam);
        case tlw::KeyVerdict::Refused:
            break;
    }
    Beep();
    return 0;
}

LRESULT CALLBACK CPasswordEdit::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR selfData) {
    auto* self = reinterpret_cast<CPasswordEdit*>(selfData);
    switch (message) {
        case WM_CHAR:
            return self->OnChar(message, wParam, lParam);
        case WM_KEYDOWN:
            if (!tlw::IsSwallowedKey(static_cast<unsigned>(wParam))) break;
            Beep();
            return 0;
        case WM_KEYUP:
            if (tlw::IsSwallowedKey(static_cast<unsigned>(wParam))) return 0;
            break;
        case WM_SETFOCUS:
        case WM_LBUTTONDOWN: {
            const LRESULT result = win::DefaultSubclass(hwnd, message, wParam, lParam);
            self->Restart();
            return result;
        }
        case WM_NCDESTROY:
            // Whoever needed the codes has taken them by now.
            self->keys_.Reset();
            win::RemoveSubclass(hwnd, Subclass);
            self->Detach();
            break;
        default:
            break;
    }
    return win::DefaultSubclass(hwnd, message, wParam, lParam);
}
