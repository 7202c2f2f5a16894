// The boot sequence page: its list and combo box moved to and from the boot settings.
#include "pages/boot/startup_page.h"

#include "res/resource.h"
#include "win/accessible.h"
#include "win/resources.h"

CStartupPage::CStartupPage() : CSettingsPage(IDD_BOOT_PAGE, IDS_PAGE_BOOT_SEQUENCE) {}

bool CStartupPage::OnInit() {
    CSettingsPage::OnInit();
    m_picture.Bind(hwnd_, IDC_BOOT_PICTURE);
    m_picture.LoadBitmaps(IDB_BOOT_PICTURE, 0);
    SetControlText(IDC_BOOT_ORDER_GROUP, IDS_BOOT_ORDER_GROUP);
    SetControlText(IDC_HDD_BOOT_GROUP, IDS_HDD_BOOT_GROUP);
    m_list.Bind(hwnd_, IDC_BOOT_ORDER_LIST, m_settings.order());
    m_hardDisk.Attach(Item(IDC_HDD_BOOT_COMBO));
    // No text labels the box but the group box around it.
    win::NameFromLabel(m_hardDisk, Item(IDC_HDD_BOOT_GROUP));
    ReadSettings();
    return true;
}

void CStartupPage::ShowSettings() {
    m_list.ShowEntries();
    ShowHardDiskChoice();
}

void CStartupPage::ShowHardDiskChoice() {
    m_hardDisk.DeleteAll();
    const bool offered = m_settings.OffersHardDisk();
    ShowItem(IDC_HDD_BOOT_GROUP, offered);
    ::ShowWindow(m_hardDisk, offered ? SW_SHOW : SW_HIDE);
    if (!offered) return;
    // The box sorts its entries: each carries its choice.
    for (const auto& [choice, textId] : {std::pair{0, IDS_PRIMARY_HDD}, std::pair{1, IDS_SECONDARY_HDD}}) {
        m_hardDisk.SetItemData(m_hardDisk.Add(win::LoadText(textId)), choice);
    }
    const int choice = m_settings.HardDiskChoice();
    for (int index = 0; index < m_hardDisk.Count(); ++index) {
        if (m_hardDisk.ItemData(index) == choice) m_hardDisk.Select(index);
    }
}

void CStartupPage::OrderChanged() {
    m_settings.ChangeOrder();
    SetPageModified(true);
}

bool CStartupPage::OnCommand(int id, int code, HWND control) {
    if (id == IDC_BOOT_ORDER_LIST && code == LBN_SELCHANGE) {
        // Every drag begins with one; a press alone counts as a change too.
        OrderChanged();
        return true;
    }
    tlw::BootMove move;
    if (CBootOrderListBox::MoveOf(id, move)) {
        // From the list's context menu, or Alt+Up and Alt+Down in the list:
        // a move marks the page as a drop does.
        if (m_list.MoveSelection(move)) OrderChanged();
        return true;
    }
    if (id == IDC_HDD_BOOT_COMBO && code == CBN_SELCHANGE) {
        const int index = m_hardDisk.Selection();
        if (index >= 0) m_settings.ChooseHardDisk(static_cast<int>(m_hardDisk.ItemData(index)));
        SetPageModified(true);
        return true;
    }
    return CSettingsPage::OnCommand(id, code, control);
}

bool CStartupPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == win::DragListMessage()) {
        const auto* info = reinterpret_cast<const DRAGLISTINFO*>(lParam);
        if (!info || info->hWnd != m_list.handle()) return false;
        if (m_list.OnDragNotification(*info, result) == CBootOrderListBox::DragStep::Moved) OrderChanged();
        return true;
    }
    return CSettingsPage::OnMessage(message, wParam, lParam, result);
}
