// The program's main window: the settings sheet with the pages of the page table. It
// writes the pages' changes through their ApplySettings, has the BIOS redo its
// checksum after each set of writes, and restarts Windows when a change needs it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/page_base.h"
#include "pages/page_host.h"
#include "win/property_sheet.h"

class CAllControlsSheet : public win::PropertySheet, public CPageHost {
public:
    // One page per row of the page table, in its order.
    using Pages = std::vector<std::unique_ptr<CMyPropertyPage>>;

    // The sheet with the program's pages.
    CAllControlsSheet(const std::string& caption, HWND parent = nullptr, UINT firstPage = 0);
    CAllControlsSheet(UINT captionId, HWND parent = nullptr, UINT firstPage = 0);
    // The sheet over pages of the caller's choosing, which it then owns.
    CAllControlsSheet(const std::string& caption, HWND parent, UINT firstPage, Pages pages);

    // 1 when Windows reports a major version above 4, else 0.
    BYTE IsWindows2000OrLater() const override { return windows2000OrLater_; }
    bool restartNeeded() const { return restartNeeded_; }

protected:
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static Pages ProgramPages();

    // Every page's ApplySettings, then the checksum; true when a page needs a restart.
    bool ApplyAllPages();
    void OnOK();
    void OnApply();
    void LoadDefault();
    void LoadPrevious();
    void ShowContextMenu(POINT at);
    bool AskRestart();
    // Moves the sheet to the middle of the work area, with SetWindowPos `flags` besides.
    void CenterOnWorkArea(UINT flags) const;
    LRESULT ForwardToPagePictures(UINT message, WPARAM wParam, LPARAM lParam);

    Pages pages_;
    bool restartNeeded_ = false;
    BYTE windows2000OrLater_ = 0;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
};
