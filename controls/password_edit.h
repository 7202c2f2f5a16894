// A password box: an edit control from a dialog's template that keeps the
// scan codes of the keys typed (controls/password_keys.h) and shows one
// password character per key. The codes are the password the BIOS receives.
#pragma once

#include <windows.h>

#include "controls/password_keys.h"
#include "win/subclassed_window.h"

class CPasswordEdit : public win::SubclassedWindow {
public:
    CPasswordEdit() = default;
    ~CPasswordEdit();

    // Takes over control `id` of `dialog`; again for each opening of the
    // dialog, since the control goes with its window.
    void Bind(HWND dialog, int id);

    // Not enabled, nothing typed, no codes.
    void Reset() { keys_.Reset(); }
    // The record's enabled flag and codes, nothing typed. The text is left as it is.
    void SetRecord(const tlw::PasswordRecord& record) { keys_.SetRecord(record); }
    const tlw::PasswordRecord& GetRecord() const { return keys_.record(); }
    // No codes, nothing typed, no text; the enabled flag kept.
    void Empty();

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Whoever needed the codes has taken them by now.
    void OnFinalMessage() override { keys_.Reset(); }
    LRESULT OnChar(UINT message, WPARAM wParam, LPARAM lParam);
    // After the edit's own handling of a focus or click: start again.
    void Restart();

    tlw::PasswordKeys keys_;
};
