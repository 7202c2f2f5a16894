// The base of every settings page: the three operations the sheet drives a
// page through, the page's large title font, texts from the string table,
// and the start-up every page shares, from its row of the page table.
#pragma once

#include <windows.h>

#include "controls/palette_bitmap_button.h"
#include "pages/page_host.h"
#include "pages/page_table.h"
#include "win/gdi_object.h"
#include "win/property_page.h"

class CMyPropertyPage : public win::PropertyPage {
public:
    // The page of `row`, which lives as long as the program.
    explicit CMyPropertyPage(const tlw::PageRow& row);
    // A page of no row: `captionId` is the string that becomes the tab's
    // text and the title; it has no picture and no texts of the table.
    CMyPropertyPage(UINT templateId, UINT captionId);

    // Writes the page's pending changes; true when one takes effect only after
    // a restart. Called for every page on Apply and OK, shown or not.
    virtual bool ApplySettings() { return false; }
    // Writes again what the page last applied in this run, then re-reads the BIOS.
    virtual void RestorePreviousSettings() {}
    // Marks the page as holding unapplied changes (enables Apply) or not. The
    // base does nothing: a page that keeps this default never enables Apply.
    // Pages that write settings override it with MarkModified.
    virtual void SetPageModified(bool modified) { (void)modified; }

    // Sets control `controlId` to string `stringId`.
    void SetControlText(int controlId, UINT stringId) const;
    static void SetControlText(HWND dialog, int controlId, UINT stringId);

    // The sheet holding the page; null until the page has a window.
    CPageHost* host() const { return CPageHost::Of(hwnd_); }

protected:
    // What SetPageModified does on a page that writes settings: passes the
    // mark to the sheet (Apply is enabled while any page is marked; nothing
    // reaches the sheet before the page has a window) and keeps it for the
    // page's ApplySettings, which writes only a marked page's changes.
    void MarkModified(bool modified);
    bool modified() const { return modified_; }

    // Every page starts the same way: the title, the picture and the texts
    // of its row, then its own controls, then what they show.
    bool OnInit() final;
    // The controls that want more than their text: the page's own set-up.
    virtual void InitControls() {}
    // Fills the controls the first time the page is shown (a settings page
    // reads the BIOS here).
    virtual void FillControls() {}
    void OnHelp() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    HFONT titleFont() const { return titleFont_.get(); }

private:
    void MakeTitleFont();

    const tlw::PageRow* row_ = nullptr;
    CPaletteBitmapButton picture_;
    bool modified_ = false;
    win::Font titleFont_;
    LOGFONTA titleFontDescription_ = {};
};
