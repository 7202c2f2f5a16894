// The program's property sheet driven as keyboard, accessibility and
// automation tools drive it: OK and Apply pressed by PSM_PRESSBUTTON take the
// same path as a click, with comctl32's subclassing and with the classic one
// that Windows 2000 gets.
#include <gtest/gtest.h>

#include "bios/shell_calls.h"
#include "pages/pending_setting.h"
#include "pages/settings_page.h"
#include "res/resource.h"
#include "tests/wine/app/sheet_fixture.h"
#include "win/property_sheet.h"

namespace {

using namespace wt;

constexpr UINT kMakeChange = WM_APP + 2;

class ButtonActionModel : public tlw::SettingsModel {
public:
    void Load() override { action.Drop(); }
    tlw::ApplyResult Apply() override { return action.Apply(); }
    void RestorePrevious() override { action.Restore(); }

    tlw::PendingByte action{[](std::uint8_t value) { tlw::SetPowerButtonAction(1, value); }, tlw::Effect::AtOnce};
};

// A page whose one setting kMakeChange chooses, marking the page modified.
class ButtonActionPage : public CSettingsPage {
public:
    ButtonActionPage(UINT templateId, UINT captionId) : CSettingsPage(templateId, captionId, model_) {}

protected:
    void ShowSettings() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != kMakeChange) return CSettingsPage::OnMessage(message, wParam, lParam, result);
        model_.action.Choose(3);
        SetPageModified(true);
        return true;
    }

private:
    ButtonActionModel model_;
};

using PressedButtons = SheetFixture;

void Press(HWND sheet, int button) {
    ::PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
    ::Sleep(150);
}

TEST_F(PressedButtons, ApplyAndOKRunTheSheetsOwnApplyAndChecksum) {
    CAllControlsSheet::Pages pages = PagesOf([](const tlw::PageRow& row) {
        return std::make_unique<ButtonActionPage>(row.templateId, row.captionId);
    });
    bool enabledAfterChange = false, enabledAfterApply = true;
    std::size_t afterApply = 0, afterDisabledApply = 0;
    const INT_PTR result = RunSheet(std::move(pages), [&](HWND sheet) {
        ::SendMessageA(ShowPage(sheet, 0), kMakeChange, 0, 0);
        enabledAfterChange = ApplyEnabled(sheet);
        Press(sheet, PSBTN_APPLYNOW);
        // Posted: wait until the sheet's thread has written and checksummed.
        Eventually([&] { return !ApplyEnabled(sheet) && Log().size() >= 2; });
        enabledAfterApply = ApplyEnabled(sheet);
        afterApply = Log().size();
        // Apply is disabled now: a press does what a click could, nothing.
        Press(sheet, PSBTN_APPLYNOW);
        afterDisabledApply = Log().size();
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(result, IDOK) << "OK ended the sheet without the sheet's own OK";
    EXPECT_TRUE(enabledAfterChange);
    EXPECT_FALSE(enabledAfterApply);
    EXPECT_EQ(afterApply, 2u) << "the page's write and the sheet's checksum";
    EXPECT_EQ(afterDisabledApply, 2u);
    const auto log = Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].rfind("SetPowerButtonAction ", 0), 0u) << log[0];
    EXPECT_NE(log[0].find("ECX=00000103 "), std::string::npos) << log[0];
    EXPECT_EQ(log[1].rfind("CMOSChecksum ", 0), 0u) << log[1];
    EXPECT_EQ(log[2].rfind("CMOSChecksum ", 0), 0u) << log[2];
}

}  // namespace
