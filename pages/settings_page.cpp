// Apply and Load Previous through the page's settings model.
#include "pages/settings_page.h"

bool CSettingsPage::ApplySettings() {
    const tlw::ApplyResult result = modified() ? model().Apply() : tlw::ApplyResult::Nothing;
    SetPageModified(false);
    return tlw::NeedsRestart(result);
}

void CSettingsPage::RestorePreviousSettings() {
    // Never shown: nothing was applied, and there are no controls to refresh.
    if (!HasWindow()) return;
    model().RestorePrevious();
    ReadSettings();
    SetPageModified(false);
}

void CSettingsPage::ReadSettings() {
    model().Load();
    ShowSettings();
}
