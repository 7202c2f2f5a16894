// The POST page: fast boot (the BIOS's simple boot flag) and the fan always
// on. Fast POST ("Enable Quiet Boot") follows the BIOS in a box never shown,
// as does the hotkey beep box.
#pragma once

#include "controls/palette_bitmap_button.h"
#include "pages/boot/post_settings.h"
#include "pages/settings_page.h"

class CPostPage : public CSettingsPage {
public:
    CPostPage();

    // The BIOS's boxes again, with fast POST enabled while fast boot is off.
    void RestorePreviousSettings() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    tlw::SettingsModel& model() override { return m_settings; }
    void ShowSettings() override;

private:
    bool Checked(int id) const;

    CPaletteBitmapButton m_picture;
    tlw::PostSettings m_settings;
};
