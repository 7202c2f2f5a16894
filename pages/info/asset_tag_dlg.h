// The asset tag dialog: the new tag typed twice. It writes nothing itself;
// when it ends with OK its texts wait in the page's model for Apply.
#pragma once

#include "pages/info/asset_tag_entry.h"
#include "win/dialog.h"

class CAssetTagDlg : public win::Dialog {
public:
    // The texts and change marks live in `entry` (the page's model), so they
    // survive from one showing to the next; the dialog stores the texts only
    // when it ends with OK.
    explicit CAssetTagDlg(tlw::AssetTagEntry& entry);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    tlw::AssetTagEntry& entry_;
    bool filling_ = false;  // the texts put in by OnInit are no change of the user's
};
