// The information page: the machine's configuration and its DMI identity, in
// a two-column list read afresh at every fill, and the one BIOS write it
// makes, an asset tag entered while none is stored.
#pragma once

#include <string>

#include "pages/info/identity_settings.h"
#include "pages/settings_page.h"
#include "win/list_view.h"

class CInfoViewerPage : public CSettingsPage {
public:
    explicit CInfoViewerPage(const tlw::PageRow& row) : CSettingsPage(row, m_settings) {}

    // Writes a pending asset tag, then fills the list again whether or not a
    // tag was pending (the refill shows the new tag and locks the button).
    bool ApplySettings() override;
    // Drops a pending asset tag and fills the list again; writes nothing.
    void RestorePreviousSettings() override;

protected:
    // Empties the list and fills it again, asking the BIOS, the operating
    // system and then the DMI proxy afresh.
    void ShowSettings() override { RefreshList(); }

    void InitControls() override;
    // The list, filled without reading the identity twice: the fill reads it
    // after the BIOS's rows.
    void FillControls() override { RefreshList(); }
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    // Row operations: each inserts one row at the end of the list.
    void AddItem(UINT labelId, UINT valueId);
    void AddItemText(UINT labelId, const std::string& value);
    void AddItemStrings(const std::string& label, const std::string& value);

    void RefreshList();
    void FillList();
    // The widest of the labels the rows use, in the list's own font, with the
    // margin the list leaves around them.
    int GetLabelColumnWidth() const;
    void OnChangeAssetTag();

    win::ListView m_listCtrl;
    int m_nRowCount = 0;
    bool columnsMade_ = false;
    tlw::IdentitySettings m_settings;
};
