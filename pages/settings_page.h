// A page whose BIOS settings live in a settings model (pages/settings_model.h).
// Apply, Load Previous and the modified mark come from here and the model; the
// page itself only moves values between its controls and the model: it fills
// the controls in ShowSettings, and its control handlers hand the user's
// choices to the model and call SetPageModified(true).
#pragma once

#include "pages/page_base.h"
#include "pages/settings_model.h"

class CSettingsPage : public CMyPropertyPage {
public:
    // The page of `row` over `model`, a member of the derived page, which is
    // made after this base: the base only keeps the reference.
    CSettingsPage(const tlw::PageRow& row, tlw::SettingsModel& model) : CMyPropertyPage(row), model_(model) {}
    CSettingsPage(UINT templateId, UINT captionId, tlw::SettingsModel& model)
        : CMyPropertyPage(templateId, captionId), model_(model) {}

    // Applies the model when the page is marked modified (a page never shown
    // never is, and writes nothing); true when what it wrote needs a restart.
    // Ends unmarked.
    bool ApplySettings() override;
    // The model writes again what it last applied, then the page reads the
    // BIOS again and shows it, unmarked. Nothing when the page was never shown.
    void RestorePreviousSettings() override;
    void SetPageModified(bool modified) override { MarkModified(modified); }

protected:
    tlw::SettingsModel& model() { return model_; }
    // Puts the model's values into the controls.
    virtual void ShowSettings() = 0;

    // Reads the BIOS into the model and shows it, once the controls are ready.
    void FillControls() override { ReadSettings(); }
    void ReadSettings();

private:
    tlw::SettingsModel& model_;
};
