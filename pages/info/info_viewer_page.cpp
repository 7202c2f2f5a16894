// The information page: its list, the rows in their fixed order, and the
// asset tag button.
#include "pages/info/info_viewer_page.h"

#include "pages/info/asset_tag_dlg.h"
#include "pages/info/info_probes.h"
#include "res/resource.h"
#include "win/accessible.h"
#include "win/gdi_object.h"
#include "win/resources.h"
#include "win/startup_trace.h"

namespace {

// The program's string table, for the probes' wording.
class ResourceTexts : public tlw::TextSource {
public:
    std::string Text(unsigned id) const override { return win::LoadText(id); }
};

// The labels the first column is made wide enough for, the column's header
// first, the identity's last. "Serial Port %d" is measured as it stands, with
// its "%d".
constexpr UINT kMeasuredLabels[] = {
    IDS_COLUMN_DEVICE,     IDS_CPU,          IDS_TOTAL_MEMORY,     IDS_VIDEO_RAM,
    IDS_HARD_DISK,         IDS_DRIVE_CD_ROM, IDS_SERIAL_PORT_N,    IDS_PARALLEL_PORT,
    IDS_INTERNAL_CACHE,    IDS_EXTERNAL_CACHE, IDS_POINTING_DEVICE, IDS_TOUCHPAD,
    IDS_DMI_MANUFACTURER,  IDS_DMI_PRODUCT_NAME, IDS_DMI_SERIAL_NUMBER, IDS_DMI_UUID,
    IDS_DMI_ASSET_TAG,
};
// The room the list leaves around a label in its first column, 8 pixels at
// 96 DPI: its left margin and a pixel or two to spare.
constexpr int kLabelMargin = 8;

}  // namespace

void CInfoViewerPage::InitControls() {
    m_listCtrl.Attach(Item(IDC_INFO_LIST));
    // The template makes the list a Tab stop after the text that names it.
    win::NameFromLabel(m_listCtrl, Item(IDC_INFO_INTRO));
}

void CInfoViewerPage::RefreshList() {
    const win::ListRedrawPause pause(m_listCtrl.handle());
    m_listCtrl.DeleteAllItems();
    m_nRowCount = 0;
    FillList();
}

void CInfoViewerPage::FillList() {
    if (!columnsMade_) {
        const win::TracedPhase phase("list: columns");
        RECT list = {};
        ::GetWindowRect(m_listCtrl.handle(), &list);
        m_listCtrl.InsertColumn(0, win::LoadText(IDS_COLUMN_DEVICE), GetLabelColumnWidth());
        // The value column spans the list, not what the label column leaves.
        m_listCtrl.InsertColumn(1, win::LoadText(IDS_COLUMN_CONFIGURATION),
                                (list.right - list.left) - 2 * ::GetSystemMetrics(SM_CXBORDER));
        columnsMade_ = true;
    }

    // The sheet's Windows version decides whose view of the ports shows; it
    // is asked at every fill.
    const CPageHost* sheet = host();
    const bool windows2000 = sheet && sheet->IsWindows2000OrLater();
    const tlw::InfoRows machineRows = win::Traced("list: BIOS rows", [windows2000] {
        return tlw::MachineRows(ResourceTexts(), tlw::MachineFactsInUse(), windows2000);
    });
    // The identity last: the DMI table is read after the BIOS's rows.
    win::Traced("list: DMI read", [this] { m_settings.Load(); });
    const win::TracedPhase phase("list: insertions");
    for (const tlw::InfoRow& row : machineRows) AddItemStrings(row.label, row.value);
    for (const tlw::dmi::IdentityRow& row : m_settings.rows()) {
        if (row.valueId) {
            AddItem(row.labelId, row.valueId);
        } else {
            AddItemText(row.labelId, row.text);
        }
    }
    EnableItem(IDC_CHANGE_ASSET_TAG, m_settings.CanChangeTag());
}

void CInfoViewerPage::AddItem(UINT labelId, UINT valueId) { AddItemText(labelId, win::LoadText(valueId)); }

void CInfoViewerPage::AddItemText(UINT labelId, const std::string& value) {
    AddItemStrings(labelId ? win::LoadText(labelId) : std::string(), value);
}

void CInfoViewerPage::AddItemStrings(const std::string& label, const std::string& value) {
    const int index = m_listCtrl.InsertItem(m_nRowCount, label);
    if (index >= 0) m_listCtrl.SetItemText(index, 1, value);
    ++m_nRowCount;
}

int CInfoViewerPage::GetLabelColumnWidth() const {
    int widest = 0;
    HWND list = m_listCtrl.handle();
    HDC dc = ::GetDC(list);
    if (!dc) return widest;
    {
        // Measured in the list's own font, which draws the labels.
        win::SelectedObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(list, WM_GETFONT, 0, 0)));
        for (UINT id : kMeasuredLabels) {
            const std::string label = win::LoadText(id);
            SIZE size = {};
            if (::GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()), &size) &&
                size.cx > widest) {
                widest = size.cx;
            }
        }
        widest += ::MulDiv(kLabelMargin, ::GetDeviceCaps(dc, LOGPIXELSX), 96);
    }
    ::ReleaseDC(list, dc);
    return widest;
}

bool CInfoViewerPage::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == m_listCtrl.handle() && header.code == NM_SETFOCUS) {
        // When the list takes the focus and no row holds it yet, the first
        // row takes it, so that the arrow keys and screen readers start there.
        if (m_listCtrl.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) < 0 && m_listCtrl.Count() > 0) {
            LVITEMA item = {};
            item.stateMask = LVIS_FOCUSED;
            item.state = LVIS_FOCUSED;
            m_listCtrl.Send(LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
        }
        return false;
    }
    return CSettingsPage::OnNotify(header, result);
}

bool CInfoViewerPage::OnCommand(int id, int code, HWND control) {
    if (id != IDC_CHANGE_ASSET_TAG || code != BN_CLICKED) return CSettingsPage::OnCommand(id, code, control);
    OnChangeAssetTag();
    return true;
}

void CInfoViewerPage::OnChangeAssetTag() {
    CAssetTagDlg dialog(m_settings.entry());
    if (dialog.DoModal(hwnd_) != IDOK) return;
    m_settings.TagEntered();
    SetPageModified(true);
}

bool CInfoViewerPage::ApplySettings() {
    const bool restart = CSettingsPage::ApplySettings();
    if (HasWindow()) RefreshList();
    return restart;
}

void CInfoViewerPage::RestorePreviousSettings() {
    if (!HasWindow()) return;
    m_settings.RestorePrevious();
    RefreshList();
    SetPageModified(false);
}
