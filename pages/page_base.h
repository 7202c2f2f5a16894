// The base of every settings page: the three operations the sheet drives a
// page through, the page's large title font, texts from the string table.
#pragma once

#include <windows.h>

#include "pages/page_host.h"
#include "win/gdi_object.h"
#include "win/property_page.h"

class CMyPropertyPage : public win::PropertyPage {
public:
    // `captionId` is the string that becomes the tab's text and the title.
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

    bool OnInit() override;
    void OnHelp() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    HFONT titleFont() const { return titleFont_.get(); }

private:
    bool modified_ = false;
    win::Font titleFont_;
    LOGFONTA titleFontDescription_ = {};
};
