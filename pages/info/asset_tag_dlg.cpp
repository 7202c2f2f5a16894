// The asset tag dialog's texts, its change marks and its check on OK.
#include "pages/info/asset_tag_dlg.h"

#include "res/resource.h"
#include "win/resources.h"
#include "win/tab_order.h"

CAssetTagDlg::CAssetTagDlg(tlw::AssetTagEntry& entry) : win::Dialog(IDD_ASSET_TAG), entry_(entry) {}

bool CAssetTagDlg::OnInit() {
    filling_ = true;
    for (int id : {IDC_NEW_ASSET_TAG, IDC_CONFIRM_ASSET_TAG}) {
        ::SendMessageA(Item(id), EM_LIMITTEXT, tlw::AssetTagEntry::kMostCharacters, 0);
    }
    SetItemText(IDC_CONFIRM_ASSET_TAG, entry_.confirmation);
    SetItemText(IDC_NEW_ASSET_TAG, entry_.newTag);
    filling_ = false;
    SetText(win::LoadText(IDS_CHANGE_ASSET_TAG));
    SetItemText(IDC_NEW_ASSET_TAG_LABEL, win::LoadText(IDS_NEW_ASSET_TAG));
    SetItemText(IDC_CONFIRM_ASSET_TAG_LABEL, win::LoadText(IDS_CONFIRM_ASSET_TAG));
    // The confirmation opens once the new tag is typed in this showing.
    EnableItem(IDC_CONFIRM_ASSET_TAG, false);
    // Each field after its label, then the buttons: the focus starts in the
    // new tag, and screen readers name each field by its label.
    win::SetTabOrder(hwnd_, {IDC_NEW_ASSET_TAG_LABEL, IDC_NEW_ASSET_TAG, IDC_CONFIRM_ASSET_TAG_LABEL,
                             IDC_CONFIRM_ASSET_TAG, IDOK, IDCANCEL});
    return true;
}

bool CAssetTagDlg::OnCommand(int id, int code, HWND control) {
    if (code != EN_CHANGE) return win::Dialog::OnCommand(id, code, control);
    if (filling_) return true;
    if (id == IDC_NEW_ASSET_TAG) {
        EnableItem(IDC_CONFIRM_ASSET_TAG, true);
        entry_.newTagChanged = true;
    } else if (id == IDC_CONFIRM_ASSET_TAG) {
        entry_.confirmationChanged = true;
    }
    return true;
}

void CAssetTagDlg::OnOK() {
    const std::string newTag = win::Window(Item(IDC_NEW_ASSET_TAG)).Text();
    const std::string confirmation = win::Window(Item(IDC_CONFIRM_ASSET_TAG)).Text();
    switch (tlw::JudgeEntry(entry_, newTag, confirmation)) {
        case tlw::EntryVerdict::Cancel:
            End(IDCANCEL);
            break;
        case tlw::EntryVerdict::Mismatch:
            win::ShowMessage(hwnd_, win::LoadText(IDS_ASSET_TAG_MISMATCH));
            break;
        case tlw::EntryVerdict::Accept:
            entry_.newTag = newTag;
            entry_.confirmation = confirmation;
            End(IDOK);
            break;
    }
}
