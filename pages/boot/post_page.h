// The POST page: fast boot (the BIOS's simple boot flag) and the fan always
// on. Fast POST ("Enable Quiet Boot") follows the BIOS in a box never shown,
// as does the hotkey beep box.
#pragma once

#include "pages/boot/post_settings.h"
#include "pages/settings_page.h"

class CPostPage : public CSettingsPage {
public:
    explicit CPostPage(const tlw::PageRow& row) : CSettingsPage(row, m_settings) {}

    // The BIOS's boxes again, with fast POST enabled while fast boot is off.
    void RestorePreviousSettings() override;

protected:
    void InitControls() override;
    bool OnCommand(int id, int code, HWND control) override;
    void ShowSettings() override;

private:
    bool Checked(int id) const;

    tlw::PostSettings m_settings;
};
