// A page of a property sheet, made from a dialog template. The page object
// arrives in PROPSHEETPAGE::lParam and is tied to its window at WM_INITDIALOG.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win/dialog.h"

namespace win {

class PropertyPage : public Dialog {
public:
    // `caption` is the tab's text.
    PropertyPage(UINT templateId, std::string caption);

    // The page as the sheet is built from it; the object must outlive the sheet.
    PROPSHEETPAGEA Description(bool hasHelp);
    UINT templateId() const { return templateId_; }
    const std::string& caption() const { return caption_; }

    // True once the page was first shown and until its window is destroyed.
    bool HasWindow() const { return hwnd_ != nullptr; }

    // Marks the page modified (the sheet enables Apply) or not.
    void SetModified(bool modified);

protected:
    // Property sheet notifications from this page's own sheet.
    virtual void OnSetActive() {}
    virtual void OnHelp() {}

    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // A page never ends itself: OK and Cancel belong to its sheet.
    bool OnCommand(int, int, HWND) override { return false; }

private:
    static INT_PTR CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    std::string caption_;
};

}  // namespace win
