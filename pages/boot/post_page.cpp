// The POST page: its boxes moved to and from the POST settings.
#include "pages/boot/post_page.h"

#include "res/resource.h"

CPostPage::CPostPage() : CSettingsPage(IDD_POST_PAGE, IDS_PAGE_POST) {}

bool CPostPage::OnInit() {
    CSettingsPage::OnInit();
    // Fast POST follows the BIOS, but the user never sees it.
    ShowItem(IDC_POST_FAST_POST, false);
    EnableItem(IDC_POST_FAST_POST, false);
    m_picture.Bind(hwnd_, IDC_POST_PICTURE);
    m_picture.LoadBitmaps(IDB_POST_PICTURE, IDB_POST_MASK);
    SetControlText(IDC_POST_SIMPLE_BOOT, IDS_ENABLE_FAST_BOOT);
    SetControlText(IDC_POST_FAN_ALWAYS_ON, IDS_FAN_ALWAYS_ON);
    SetControlText(IDC_POST_FAST_POST, IDS_ENABLE_QUIET_BOOT);
    ReadSettings();
    return true;
}

void CPostPage::ShowSettings() {
    CheckButton(IDC_POST_SIMPLE_BOOT, m_settings.simpleBoot());
    CheckButton(IDC_POST_FAST_POST, m_settings.fastPost());
    CheckButton(IDC_POST_FAN_ALWAYS_ON, m_settings.fanAlwaysOn());
    // Fast POST is not the user's to change while fast boot is on. The box
    // starts disabled; only a reload or a click gives it back.
    if (m_settings.simpleBoot()) EnableItem(IDC_POST_FAST_POST, false);
}

void CPostPage::RestorePreviousSettings() {
    CSettingsPage::RestorePreviousSettings();
    if (HasWindow()) EnableItem(IDC_POST_FAST_POST, !m_settings.simpleBoot());
}

bool CPostPage::Checked(int id) const { return IsButtonChecked(id); }

bool CPostPage::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) return CSettingsPage::OnCommand(id, code, control);
    switch (id) {
        case IDC_POST_SIMPLE_BOOT:
            m_settings.ChooseSimpleBoot(Checked(id));
            EnableItem(IDC_POST_FAST_POST, !Checked(id));
            break;
        case IDC_POST_FAST_POST:
            m_settings.ChooseFastPost(Checked(id));
            break;
        case IDC_POST_FAN_ALWAYS_ON:
            m_settings.ChooseFan(Checked(id));
            break;
        case IDC_POST_HOTKEY_BEEP:  // never shown; a click would only mark the page
            break;
        default:
            return CSettingsPage::OnCommand(id, code, control);
    }
    SetPageModified(true);
    return true;
}
