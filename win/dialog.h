// A modal dialog made from a dialog template. The object is tied to its
// window at WM_INITDIALOG and untied at WM_NCDESTROY; messages reach small
// virtual handlers.
#pragma once

#include <windows.h>

#include "win/window.h"

namespace win {

class Dialog : public Window {
public:
    explicit Dialog(UINT templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally; returns the value passed to End, or -1 when
    // the dialog could not be created.
    INT_PTR DoModal(HWND owner = nullptr);
    void End(INT_PTR result) { ::EndDialog(hwnd_, result); }

    // The dialog's items by id.
    void CheckButton(int id, bool checked) const;
    bool IsButtonChecked(int id) const;
    void ShowItem(int id, bool show) const;
    void EnableItem(int id, bool enable) const;

protected:
    // True lets the system give the focus to the first control.
    virtual bool OnInit() { return true; }
    // True when the command was handled. The default ends the dialog with
    // IDOK or IDCANCEL for those two commands.
    virtual bool OnCommand(int id, int code, HWND control);
    // True when handled; `result` is written through DWLP_MSGRESULT.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    // Any other message; true when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }

    // The answer of a handled message, where the dialog manager reads it.
    void SetMessageResult(LRESULT result) const { ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result); }

    // The dialog procedure shared by every dialog and property page object.
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

private:
    UINT templateId_;
};

}  // namespace win
