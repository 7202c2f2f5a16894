// The display device page: the boot display (written on Apply, read by the
// BIOS at the next boot), the display in use and the panel's brightness and
// contrast (sent to the BIOS the moment the user acts).
#pragma once

#include "pages/display/display_settings.h"
#include "pages/settings_page.h"
#include "win/track_bar.h"

class CDisplayPage : public CSettingsPage {
public:
    explicit CDisplayPage(const tlw::PageRow& row) : CSettingsPage(row, m_settings) {}

    // The boot display as Apply last wrote it, then as the BIOS holds it,
    // with the focus on its button; a failed read leaves the buttons and the
    // focus as they were.
    void RestorePreviousSettings() override;

protected:
    // The boot display buttons.
    void ShowSettings() override;

    // The level controls the panel offers.
    void InitControls() override;
    // The boot display, then the display in use and the levels.
    void FillControls() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct LevelControls {
        tlw::PanelLevel level;
        int labelId;
        int trackBarId;
        UINT levelId;  // the label's format with the level
    };
    static const LevelControls kLevels[2];

    int BootDisplayButtonRead() const;
    void ShowDisplayDevice(std::uint8_t device);
    void OnDisplayDeviceClicked(int id);
    // Enables the level controls and shows the levels the BIOS holds.
    void ShowPanelLevels();
    void EnableLevels(bool enable) const;
    void ShowLevel(const LevelControls& controls, int level) const;
    void OnTrackBarMoved(HWND trackBar);

    tlw::DisplaySwitch displaySwitch_;
    tlw::PanelLevels panelLevels_;
    tlw::BootDisplaySettings m_settings;
};
