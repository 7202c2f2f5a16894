// The display device page: boot display, display in use, brightness and contrast.
#include "pages/display/display_page.h"

#include <cstdio>

#include "res/resource.h"
#include "win/resources.h"

const CDisplayPage::LevelControls CDisplayPage::kLevels[2] = {
    {tlw::PanelLevel::Brightness, IDC_BRIGHTNESS_LABEL, IDC_BRIGHTNESS_TRACKBAR, IDS_BRIGHTNESS_LEVEL},
    {tlw::PanelLevel::Contrast, IDC_CONTRAST_LABEL, IDC_CONTRAST_TRACKBAR, IDS_CONTRAST_LEVEL},
};

namespace {

// The radio button of each display device code.
int DisplayDeviceButton(std::uint8_t device) {
    switch (device) {
        case tlw::kLcdPanelOnly:
            return IDC_DISPLAY_LCD_ONLY;
        case tlw::kExternalMonitorOnly:
            return IDC_DISPLAY_EXTERNAL_ONLY;
        case tlw::kBothDisplays:
            return IDC_DISPLAY_BOTH;
        default:
            return 0;
    }
}

constexpr int kTickEvery = 4;
constexpr int kPageStep = 4;
constexpr int kArrowStep = 1;

}  // namespace

CDisplayPage::CDisplayPage() : CSettingsPage(IDD_DISPLAY_PAGE, IDS_PAGE_DISPLAY) {}

bool CDisplayPage::OnInit() {
    CSettingsPage::OnInit();
    m_picture.Bind(hwnd_, IDC_DISPLAY_PICTURE);
    m_picture.LoadBitmaps(IDB_DISPLAY_PICTURE, IDB_DISPLAY_MASK);
    static const struct {
        int control;
        UINT text;
    } kTexts[] = {
        {IDC_BOOT_DISPLAY_GROUP, IDS_BOOT_DISPLAY_GROUP}, {IDC_BOOT_DISPLAY_AUTO, IDS_DISPLAY_AUTO},
        {IDC_BOOT_DISPLAY_BOTH, IDS_DISPLAY_BOTH},        {IDC_DISPLAY_DEVICE_GROUP, IDS_SWITCH_DISPLAY_GROUP},
        {IDC_DISPLAY_LCD_ONLY, IDS_LCD_PANEL_ONLY},       {IDC_DISPLAY_EXTERNAL_ONLY, IDS_EXTERNAL_MONITOR},
        {IDC_DISPLAY_BOTH, IDS_DISPLAY_BOTH},             {IDC_BRIGHTNESS_LABEL, IDS_BRIGHTNESS},
        {IDC_CONTRAST_LABEL, IDS_CONTRAST},
    };
    for (const auto& t : kTexts) SetControlText(t.control, t.text);

    // What the panel offers is settled first: a level without a usable range,
    // or contrast on a panel without its control, stays hidden for good.
    panelLevels_.ReadRanges();
    panelLevels_.ReadPanelType();
    for (const LevelControls& c : kLevels) {
        const win::TrackBar trackBar(Item(c.trackBarId));
        if (!panelLevels_.Offered(c.level)) {
            ShowItem(c.labelId, false);
            ShowItem(c.trackBarId, false);
            continue;
        }
        const tlw::LevelRange& range = panelLevels_.range(c.level);
        trackBar.SetRange(range.minimum, range.maximum);
        trackBar.SetTickFrequency(kTickEvery);
        trackBar.SetPageSize(kPageStep);
        trackBar.SetLineSize(kArrowStep);
    }

    ReadSettings();
    if (const auto device = displaySwitch_.Read()) ShowDisplayDevice(*device);
    return true;
}

// The boot display button of the code the last read gave; 0 when the read
// failed or gave a code without a button: the buttons then stay as they are.
int CDisplayPage::BootDisplayButtonRead() const {
    const auto code = bootDisplay_.lastRead();
    if (!code) return 0;
    return *code == tlw::kBootAutoDetect ? IDC_BOOT_DISPLAY_AUTO
           : *code == tlw::kBootBothDisplays ? IDC_BOOT_DISPLAY_BOTH
                                             : 0;
}

void CDisplayPage::ShowSettings() {
    const int button = BootDisplayButtonRead();
    if (!button) return;
    CheckButton(IDC_BOOT_DISPLAY_AUTO, button == IDC_BOOT_DISPLAY_AUTO);
    CheckButton(IDC_BOOT_DISPLAY_BOTH, button == IDC_BOOT_DISPLAY_BOTH);
}

void CDisplayPage::RestorePreviousSettings() {
    CSettingsPage::RestorePreviousSettings();
    if (!HasWindow()) return;
    if (const int button = BootDisplayButtonRead()) Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(button)), TRUE);
}

bool CDisplayPage::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_BOOT_DISPLAY_AUTO:
        case IDC_BOOT_DISPLAY_BOTH:
            bootDisplay_.Choose(id == IDC_BOOT_DISPLAY_AUTO ? tlw::kBootAutoDetect : tlw::kBootBothDisplays);
            SetPageModified(true);
            return true;
        case IDC_DISPLAY_LCD_ONLY:
        case IDC_DISPLAY_EXTERNAL_ONLY:
        case IDC_DISPLAY_BOTH:
            OnDisplayDeviceClicked(id);
            return true;
        default:
            return false;
    }
}

void CDisplayPage::ShowDisplayDevice(std::uint8_t device) {
    const int button = DisplayDeviceButton(device);
    if (!button) return;  // a code the page does not know changes nothing
    ::CheckRadioButton(hwnd_, IDC_DISPLAY_LCD_ONLY, IDC_DISPLAY_BOTH, button);
    if (device == tlw::kExternalMonitorOnly) {
        EnableLevels(false);
    } else {
        ShowPanelLevels();
    }
}

void CDisplayPage::OnDisplayDeviceClicked(int id) {
    // The external monitor's buttons act only when the click checked them.
    if (id != IDC_DISPLAY_LCD_ONLY && !IsButtonChecked(id)) return;
    const std::uint8_t device = id == IDC_DISPLAY_LCD_ONLY       ? tlw::kLcdPanelOnly
                                : id == IDC_DISPLAY_EXTERNAL_ONLY ? tlw::kExternalMonitorOnly
                                                                  : tlw::kBothDisplays;
    using Outcome = tlw::DisplaySwitch::Outcome;
    const Outcome outcome = displaySwitch_.Choose(device);
    if (outcome == Outcome::Switched) {
        if (device == tlw::kExternalMonitorOnly) {
            EnableLevels(false);
        } else {
            ShowPanelLevels();
        }
        return;
    }
    // Checked before it takes the focus, so that the focus clicks nothing.
    ::CheckRadioButton(hwnd_, IDC_DISPLAY_LCD_ONLY, IDC_DISPLAY_BOTH, IDC_DISPLAY_LCD_ONLY);
    Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_DISPLAY_LCD_ONLY)), TRUE);
    if (outcome == Outcome::NoMonitorPanelRestored) ShowPanelLevels();
    win::ShowMessage(hwnd_, win::LoadText(IDS_NO_MONITOR));
}

void CDisplayPage::ShowPanelLevels() {
    EnableLevels(true);
    for (const LevelControls& c : kLevels) {
        const auto level = panelLevels_.Read(c.level);
        if (!level) continue;
        ShowLevel(c, *level);
        win::TrackBar(Item(c.trackBarId)).SetPosition(*level);
    }
}

void CDisplayPage::EnableLevels(bool enable) const {
    for (const LevelControls& c : kLevels) {
        EnableItem(c.labelId, enable);
        EnableItem(c.trackBarId, enable);
    }
}

void CDisplayPage::ShowLevel(const LevelControls& controls, int level) const {
    char text[256];
    std::snprintf(text, sizeof text, win::LoadText(controls.levelId).c_str(), level);
    SetItemText(controls.labelId, text);
}

bool CDisplayPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_HSCROLL || !lParam) return CSettingsPage::OnMessage(message, wParam, lParam, result);
    OnTrackBarMoved(reinterpret_cast<HWND>(lParam));
    result = 0;
    return true;
}

void CDisplayPage::OnTrackBarMoved(HWND trackBar) {
    // Every movement goes to the BIOS at once; the page stays unmodified, and
    // Cancel does not take the level back.
    for (const LevelControls& c : kLevels) {
        if (trackBar != Item(c.trackBarId)) continue;
        if (const auto sent = panelLevels_.Send(c.level, win::TrackBar(trackBar).Position())) ShowLevel(c, *sent);
        return;
    }
}
