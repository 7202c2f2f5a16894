// A property sheet run modally by the program itself: the sheet is created
// modeless and a modal loop of ours runs until End is called or the user
// cancels, so that OK and Apply can be taken over from the common controls.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "win/property_page.h"
#include "win/window.h"

namespace win {

// The sheet's Apply button.
constexpr int kApplyButton = 0x3021;

// Makes the page area of property sheet `sheet` at least `page` pixels large,
// moving its buttons and growing the sheet around it, and keeps the sheet's
// centre where it was. The common controls size that area from the pages'
// dialog units in the sheet's own font; pages whose template font is wider
// or taller than it (MS Sans Serif pages in a sheet of the shell's font,
// under large fonts) would be cut off on the right and at the bottom. A page
// asks for its own size when it is created, so the sheet and its pages then
// measure with the same font. Nothing changes when the area is large enough.
void MakeRoomForPage(HWND sheet, SIZE page);
// Gives page `page` the whole page area of its sheet, where the common
// controls placed it in an area they measured before it grew.
void FillPageArea(HWND page);

class PropertySheet : public Window {
public:
    PropertySheet(std::string caption, HWND parent, UINT firstPage);
    virtual ~PropertySheet();
    PropertySheet(const PropertySheet&) = delete;
    PropertySheet& operator=(const PropertySheet&) = delete;

    void AddPage(PropertyPage* page) { pages_.push_back(page); }
    void AddHeaderFlags(DWORD flags) { headerFlags_ |= flags; }
    void SetIcon(HICON icon) { icon_ = icon; }

    // Runs the sheet modally; returns the result passed to End, IDCANCEL when
    // the user cancelled, -1 when the sheet could not be created.
    INT_PTR DoModal();
    // Ends the modal run with `result` and closes the sheet.
    void End(INT_PTR result);

protected:
    // The sheet window exists and holds its first page.
    virtual void OnInit() {}
    // True when the command was handled; the common controls then never see it.
    virtual bool OnCommand(int id, int code) { return (void)id, (void)code, false; }
    // Any other message; true when handled, with `result` as the answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The common controls' own handling of a message, for handlers that run it first.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    const std::vector<PropertyPage*>& pages() const { return pages_; }

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR self);
    bool ModalRunOver();

    std::string caption_;
    HWND parent_;
    UINT firstPage_;
    DWORD headerFlags_ = 0;
    HICON icon_ = nullptr;
    std::vector<PropertyPage*> pages_;
    bool ended_ = false;
    INT_PTR result_ = IDCANCEL;
};

}  // namespace win
