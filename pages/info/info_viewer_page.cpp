// The information page: its list, the rows in their fixed order, and the
// asset tag button.
#include "pages/info/info_viewer_page.h"

#include "pages/info/asset_tag_dlg.h"
#include "pages/info/info_probes.h"
#include "res/resource.h"
#include "win/resources.h"

namespace {

// The program's string table, for the probes' wording.
class ResourceTexts : public tlw::TextSource {
public:
    std::string Text(unsigned id) const override { return win::LoadText(id); }
};

// The labels the first column is made wide enough for, the column's header
// first. "Serial Port %d" is measured as it stands, with its "%d".
constexpr UINT kMeasuredLabels[] = {
    IDS_COLUMN_DEVICE,  IDS_CPU,          IDS_TOTAL_MEMORY,   IDS_VIDEO_RAM,
    IDS_HARD_DISK,      IDS_DRIVE_CD_ROM, IDS_SERIAL_PORT_N,  IDS_PARALLEL_PORT,
    IDS_INTERNAL_CACHE, IDS_EXTERNAL_CACHE, IDS_POINTING_DEVICE, IDS_TOUCHPAD,
};

}  // namespace

CInfoViewerPage::CInfoViewerPage() : CSettingsPage(IDD_INFO_PAGE, IDS_PAGE_INFORMATION) {}

bool CInfoViewerPage::OnInit() {
    CMyPropertyPage::OnInit();
    m_listCtrl.Attach(Item(IDC_INFO_LIST));
    m_picture.Bind(hwnd_, IDC_INFO_PICTURE);
    m_picture.LoadBitmaps(IDB_INFO_PICTURE, 0);
    SetControlText(IDC_INFO_WELCOME, IDS_INFO_WELCOME);
    SetControlText(IDC_INFO_INTRO, IDS_INFO_INTRO);
    SetControlText(IDC_CHANGE_ASSET_TAG, IDS_CHANGE_ASSET_TAG);
    RefreshList();
    return true;
}

void CInfoViewerPage::RefreshList() {
    m_listCtrl.DeleteAllItems();
    m_nRowCount = 0;
    FillList();
}

void CInfoViewerPage::FillList() {
    if (!columnsMade_) {
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
    for (const tlw::InfoRow& row : tlw::MachineRows(ResourceTexts(), tlw::MachineFactsInUse(), windows2000)) {
        AddItemStrings(row.label, row.value);
    }
    // The identity last: the DMI table is read after the BIOS's rows.
    identity_.Load();
    for (const tlw::dmi::IdentityRow& row : identity_.rows()) {
        if (row.valueId) {
            AddItem(row.labelId, row.valueId);
        } else {
            AddItemText(row.labelId, row.text);
        }
    }
    ::EnableWindow(Item(IDC_CHANGE_ASSET_TAG), identity_.CanChangeTag());
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
    HDC dc = ::GetDC(hwnd_);
    if (!dc) return widest;
    for (UINT id : kMeasuredLabels) {
        const std::string label = win::LoadText(id);
        SIZE size = {};
        if (::GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()), &size) && size.cx > widest) {
            widest = size.cx;
        }
    }
    ::ReleaseDC(hwnd_, dc);
    return widest;
}

bool CInfoViewerPage::OnCommand(int id, int code, HWND) {
    if (id != IDC_CHANGE_ASSET_TAG || code != BN_CLICKED) return false;
    OnChangeAssetTag();
    return true;
}

void CInfoViewerPage::OnChangeAssetTag() {
    CAssetTagDlg dialog(identity_.entry());
    if (dialog.DoModal(hwnd_) != IDOK) return;
    identity_.TagEntered();
    SetPageModified(true);
}

bool CInfoViewerPage::ApplySettings() {
    const bool restart = CSettingsPage::ApplySettings();
    if (HasWindow()) RefreshList();
    return restart;
}

void CInfoViewerPage::RestorePreviousSettings() {
    if (!HasWindow()) return;
    identity_.RestorePrevious();
    RefreshList();
    SetPageModified(false);
}
