// The settings sheet in this process, over pages of the test's own, on a
// simulated notebook: Apply, OK, Cancel, Load Default, Load Previous, the
// context menu, the small dialogs and the end of a Windows session; and the
// page base's side of them: apply and restore through a page's settings model,
// the modified mark, the page host.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "bios/shell_calls.h"
#include "pages/pending_setting.h"
#include "pages/settings_page.h"
#include "res/resource.h"
#include "tests/wine/app/sheet_fixture.h"
#include "win/property_sheet.h"
#include "win/resources.h"

namespace {

using namespace wt;

constexpr UINT kMakeChange = WM_APP + 1;

// One button action, chosen by kMakeChange and written on Apply; it counts
// how the page drives it.
class ProbeModel : public tlw::SettingsModel {
public:
    ProbeModel(std::uint8_t button, tlw::Effect effect)
        : action([button](std::uint8_t value) { tlw::SetPowerButtonAction(button, value); }, effect) {}

    void Load() override {
        ++loads;
        action.Drop();
    }
    tlw::ApplyResult Apply() override {
        ++applies;
        return action.Apply();
    }
    void RestorePrevious() override { action.Restore(); }

    tlw::PendingByte action;
    std::atomic<int> loads{0};
    std::atomic<int> applies{0};
};

// A page over a probe model; it counts the sheet's calls.
class ProbePage : public CSettingsPage {
public:
    ProbePage(UINT templateId, UINT captionId, std::uint8_t button, tlw::Effect effect)
        : CSettingsPage(templateId, captionId, probe), probe(button, effect) {}

    bool ApplySettings() override {
        ++applied;
        return CSettingsPage::ApplySettings();
    }
    void RestorePreviousSettings() override {
        ++restored;
        CSettingsPage::RestorePreviousSettings();
    }

    ProbeModel probe;
    std::atomic<int> applied{0};
    std::atomic<int> restored{0};
    std::atomic<int> shown{0};
    CPageHost* hostAtInit = nullptr;

protected:
    void ShowSettings() override { ++shown; }
    void InitControls() override { hostAtInit = host(); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != kMakeChange) return CSettingsPage::OnMessage(message, wParam, lParam, result);
        probe.action.Choose(2);
        SetPageModified(true);
        return true;
    }
};

// A page that keeps the base's do-nothing operations.
class PlainPage : public CMyPropertyPage {
public:
    using CMyPropertyPage::CMyPropertyPage;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != kMakeChange) return CMyPropertyPage::OnMessage(message, wParam, lParam, result);
        SetPageModified(true);
        return true;
    }
};

class Sheet : public SheetFixture {
protected:
    // The first page's change needs a restart, the others' do not.
    INT_PTR Run(const User& user) {
        probes_.clear();
        CAllControlsSheet::Pages pages = PagesOf([this](const tlw::PageRow& row) {
            // The first page's button is 0, the POST page's 1, the others' 2.
            const bool first = probes_.empty();
            auto page = std::make_unique<ProbePage>(row.templateId, row.captionId,
                                                    static_cast<std::uint8_t>(std::min<std::size_t>(probes_.size(), 2)),
                                                    first ? tlw::Effect::AfterRestart : tlw::Effect::AtOnce);
            probes_.push_back(page.get());
            return page;
        });
        return RunSheet(std::move(pages), user);
    }

    std::vector<ProbePage*> probes_;
};

void ChangePage(HWND sheet, int index) { ::SendMessageA(ShowPage(sheet, index), kMakeChange, 0, 0); }

TEST_F(Sheet, ApplyFollowsTheModifiedPagesAndARestartAppliedEarlierIsStillOfferedAtOK) {
    bool enabledBefore = true, enabledAfterChange = false, enabledAfterApply = true, prompted = false;
    const INT_PTR result = Run([&](HWND sheet) {
        enabledBefore = ApplyEnabled(sheet);
        ChangePage(sheet, 0);
        enabledAfterChange = ApplyEnabled(sheet);
        Click(sheet, win::kApplyButton);
        enabledAfterApply = !Eventually([&] { return !ApplyEnabled(sheet); });
        Click(sheet, IDOK);
        HWND prompt = WaitForDialog("BIOS Settings Change");
        prompted = prompt != nullptr;
        if (prompt) Click(prompt, IDCANCEL);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(enabledBefore);
    EXPECT_TRUE(enabledAfterChange);
    EXPECT_FALSE(enabledAfterApply);
    EXPECT_TRUE(prompted) << "no restart prompt at OK after a restart-needing Apply";
    EXPECT_TRUE(sheet_->restartNeeded());
    const auto log = Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].rfind("SetPowerButtonAction EAX=00009612 EBX=00000127 ECX=00000002 ", 0), 0u) << log[0];
    EXPECT_EQ(log[1].rfind("CMOSChecksum EAX=00009610 EBX=00000112 ", 0), 0u) << log[1];
    EXPECT_EQ(log[2].rfind("CMOSChecksum EAX=00009610 EBX=00000112 ", 0), 0u) << log[2];
    for (ProbePage* probe : probes_) EXPECT_EQ(probe->applied, 2);
    EXPECT_EQ(probes_[0]->probe.applies, 1) << "the model is asked only while its page is marked modified";
    for (std::size_t i = 1; i < probes_.size(); ++i) EXPECT_EQ(probes_[i]->probe.applies, 0);
}

TEST_F(Sheet, ApplyThenCancelKeepsWhatWasAppliedWithoutAPrompt) {
    const INT_PTR result = Run([&](HWND sheet) {
        ChangePage(sheet, 0);
        Click(sheet, win::kApplyButton);
        ChangePage(sheet, 1);
        Click(sheet, IDCANCEL);
        EXPECT_TRUE(NoDialog("BIOS Settings Change"));
    });
    EXPECT_EQ(result, IDCANCEL);
    const auto log = Log();
    ASSERT_EQ(log.size(), 2u) << "the cancelled page wrote nothing";
    EXPECT_NE(log[0].find("ECX=00000002 "), std::string::npos);
    EXPECT_NE(StateText().find("lid_button_action = 2"), std::string::npos);
}

TEST_F(Sheet, OKWithoutChangesAppliesEveryPageAndChecksumsOnce) {
    const INT_PTR result = Run([&](HWND sheet) { Click(sheet, IDOK); });
    EXPECT_EQ(result, IDOK);
    for (ProbePage* probe : probes_) {
        EXPECT_EQ(probe->applied, 1) << "also pages never shown";
        EXPECT_EQ(probe->probe.applies, 0);
    }
    EXPECT_EQ(probes_[0]->probe.loads, 1) << "read once when first shown";
    for (std::size_t i = 1; i < probes_.size(); ++i) EXPECT_EQ(probes_[i]->probe.loads, 0) << "never shown, never read";
    const auto log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("CMOSChecksum ", 0), 0u);
    EXPECT_FALSE(sheet_->restartNeeded());
}

TEST_F(Sheet, RestartPromptClosedByItsCaptionButtonCountsAsNo) {
    const INT_PTR result = Run([&](HWND sheet) {
        ChangePage(sheet, 0);
        Click(sheet, IDOK);
        HWND prompt = WaitForDialog("BIOS Settings Change");
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(wt::TextOf(::GetDlgItem(prompt, IDC_RESTART_TEXT)),
                  "Do you want to restart your computer so the setting will take effect immediately? Otherwise, "
                  "the setting will effect the next you boot the computer.");
        EXPECT_EQ(wt::TextOf(::GetDlgItem(prompt, IDOK)), "Yes");
        EXPECT_EQ(wt::TextOf(::GetDlgItem(prompt, IDCANCEL)), "No");
        ::PostMessageA(prompt, WM_SYSCOMMAND, SC_CLOSE, 0);
        WaitForWindowGone(prompt, kSheetWait);
    });
    EXPECT_EQ(result, IDOK);
    for (const auto& line : Log()) EXPECT_NE(line, "RESTART");
}

TEST_F(Sheet, LoadDefaultDeclinedRestartClosesTheSheetWithoutWritingThePages) {
    std::string caption, question;
    const INT_PTR result = Run([&](HWND sheet) {
        ChangePage(sheet, 1);
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_DEFAULT, 0);
        HWND confirm = WaitForDialog("Load Default BIOS Settings");
        ASSERT_NE(confirm, nullptr);
        question = wt::TextOf(::GetDlgItem(confirm, IDC_LOAD_SETTINGS_TEXT));
        Click(confirm, IDOK);
        Answer("BIOS Settings Change", IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(question,
              "The system must reboot after loading default BIOS settings.\nPlease exit all other programs before "
              "applying it.\n Are you sure to load default settings?");
    const auto log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("LoadSetupDefault EAX=00009610 EBX=00000014 ", 0), 0u);
    for (ProbePage* probe : probes_) EXPECT_EQ(probe->applied, 0);
}

TEST_F(Sheet, LoadDefaultRefusedByTheBiosSaysSoAndTheSheetStays) {
    OpenNotebook("refuse = LoadSetupDefault status\n");
    bool stillOpen = false;
    const INT_PTR result = Run([&](HWND sheet) {
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_DEFAULT, 0);
        Answer("Load Default BIOS Settings", IDOK);
        HWND box = WaitForDialog(win::AppTitle().c_str());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(wt::StaticTextsOf(box), "Function Not Implemented Yet.");
        Click(box, IDOK);
        WaitForWindowGone(box, kSheetWait);
        ::Sleep(200);
        stillOpen = ::IsWindowVisible(sheet) != FALSE;
        EXPECT_TRUE(NoDialog("BIOS Settings Change"));
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(Sheet, LoadPreviousRestoresEveryPageThenChecksumsWithoutAPrompt) {
    std::string question;
    bool stillOpen = false;
    bool enabledAfterRestore = true;
    Run([&](HWND sheet) {
        ChangePage(sheet, 0);
        Click(sheet, win::kApplyButton);
        ASSERT_TRUE(Eventually([&] { return !ApplyEnabled(sheet); })) << "Apply was not taken";
        ChangePage(sheet, 0);  // pending when the restore comes: dropped
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
        HWND confirm = WaitForDialog("Load Previous BIOS Settings");
        ASSERT_NE(confirm, nullptr);
        question = wt::TextOf(::GetDlgItem(confirm, IDC_LOAD_SETTINGS_TEXT));
        Click(confirm, IDOK);
        WaitForWindowGone(confirm, kSheetWait);
        ::Sleep(200);
        stillOpen = ::IsWindowVisible(sheet) != FALSE;
        enabledAfterRestore = !Eventually([&] { return !ApplyEnabled(sheet); });
        EXPECT_TRUE(NoDialog("BIOS Settings Change"));
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(enabledAfterRestore) << "a restore ends with the page unmarked";
    EXPECT_EQ(probes_[0]->probe.loads, 2) << "read again after the restore";
    EXPECT_EQ(probes_[0]->shown, 2);
    EXPECT_FALSE(probes_[0]->probe.action.HasPending());
    EXPECT_FALSE(probes_[0]->probe.action.HasApplied()) << "forgotten after the restore";
    for (std::size_t i = 1; i < probes_.size(); ++i) EXPECT_EQ(probes_[i]->probe.loads, 0) << "never shown: touches nothing";
    EXPECT_EQ(question,
              "Loading Previous Settings restore the settings that are last applied in the Tallowin.\n\nAre you "
              "sure to load previous settings?");
    for (ProbePage* probe : probes_) EXPECT_EQ(probe->restored, 1);
    const auto log = Log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[2].rfind("SetPowerButtonAction ", 0), 0u) << "only the page that applied writes again";
    EXPECT_EQ(log[3].rfind("CMOSChecksum ", 0), 0u);
}

TEST_F(Sheet, LoadConfirmationDeclinedDoesNothing) {
    Run([&](HWND sheet) {
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
        Answer("Load Previous BIOS Settings", IDCANCEL);
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_DEFAULT, 0);
        Answer("Load Default BIOS Settings", IDCANCEL);
    });
    EXPECT_TRUE(Log().empty());
    for (ProbePage* probe : probes_) EXPECT_EQ(probe->restored, 0);
}

TEST_F(Sheet, WindowsEndingSwitchesTheHotkeyButtonOn) {
    LRESULT mayEnd = FALSE;
    Run([&](HWND sheet) { mayEnd = ::SendMessageA(sheet, WM_QUERYENDSESSION, 0, 0); });
    EXPECT_TRUE(mayEnd);
    const auto log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("SetHotkeyButton EAX=00009612 EBX=00000105 ", 0), 0u);
}

TEST_F(Sheet, ContextMenuOffersTheThreeCommandsWithTheirTexts) {
    std::vector<std::string> items;
    Run([&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        // A right-click on the page that no control takes reaches the sheet.
        ::PostMessageA(page, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        HWND menu = wt::WaitForWindow("#32768", nullptr, ::GetCurrentProcessId(), kSheetWait);
        ASSERT_NE(menu, nullptr) << "no context menu";
        auto popup = reinterpret_cast<HMENU>(::SendMessageA(menu, MN_GETHMENU, 0, 0));
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
            char text[128] = {};
            ::GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
            items.push_back(text);
        }
        ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        WaitForWindowGone(menu, kSheetWait);
    });
    EXPECT_EQ(items, (std::vector<std::string>{"Load Default BIOS Settings", "", "Load Previous BIOS Settings", "",
                                               "About..."}));
}

TEST_F(Sheet, AboutBoxShowsTheProductVersion) {
    std::string version, caption, name;
    Run([&](HWND sheet) {
        ::PostMessageA(sheet, WM_COMMAND, IDM_ABOUT, 0);
        HWND about = WaitForDialog("About Tallowin");
        ASSERT_NE(about, nullptr);
        version = wt::TextOf(::GetDlgItem(about, IDC_ABOUT_VERSION));
        name = wt::TextOf(::GetDlgItem(about, IDC_ABOUT_NAME));
        Click(about, IDOK);
        WaitForWindowGone(about, kSheetWait);
    });
    // The test program sits beside tlw.exe, which the search finds first.
    EXPECT_EQ(version, "Version 1.03");
    EXPECT_EQ(name, "Tallowin");
}

TEST_F(Sheet, SheetKnowsItsWindowsVersionAndShowsTheFivePagesInOrder) {
    std::vector<std::string> tabs;
    Run([&](HWND sheet) {
        CPageHost* host = CPageHost::Of(PropSheet_GetCurrentPageHwnd(sheet));
        EXPECT_EQ(host, static_cast<CPageHost*>(sheet_.get()));
        EXPECT_EQ(host ? host->IsWindows2000OrLater() : 0, 1);
        EXPECT_EQ(CPageHost::Of(sheet), nullptr) << "the sheet is no page";
        HWND tab = PropSheet_GetTabControl(sheet);
        for (int i = 0; i < TabCtrl_GetItemCount(tab); ++i) {
            char text[64] = {};
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ::SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            tabs.push_back(text);
        }
        EXPECT_TRUE(::GetWindowLongPtrA(sheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(sheet, IDHELP)));
    });
    EXPECT_EQ(tabs, (std::vector<std::string>{"Information Viewer", "POST", "Boot Sequence", "Password",
                                              "Display Device"}));
    EXPECT_EQ(sheet_->IsWindows2000OrLater(), 1);
    EXPECT_EQ(probes_[0]->hostAtInit, static_cast<CPageHost*>(sheet_.get())) << "a page finds its sheet at init";
    EXPECT_EQ(probes_[1]->host(), nullptr) << "no window, no host";
}

TEST_F(Sheet, APageThatKeepsTheBaseOperationsNeverEnablesApplyNorAsksForARestart) {
    CAllControlsSheet::Pages pages = PagesOf([](const tlw::PageRow& row) {
        return std::make_unique<PlainPage>(row.templateId, row.captionId);
    });
    bool enabled = true;
    const INT_PTR result = RunSheet(std::move(pages), [&](HWND sheet) {
        ChangePage(sheet, 0);
        enabled = ApplyEnabled(sheet);
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
        Answer("Load Previous BIOS Settings", IDOK);
        Click(sheet, IDOK);
        EXPECT_TRUE(NoDialog("BIOS Settings Change"));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(enabled);
    const auto log = Log();
    ASSERT_EQ(log.size(), 2u) << "the two checksums, nothing of the pages";
    EXPECT_EQ(log[0].rfind("CMOSChecksum ", 0), 0u);
    EXPECT_EQ(log[1].rfind("CMOSChecksum ", 0), 0u);
}

// The fixture over the program's own pages, as the page tests use it.
class ProgramPages : public SheetFixture {};

TEST_F(ProgramPages, EveryPageStartsFromItsRowFindsTheSheetAndOKWithoutChangesWritesOnlyTheChecksum) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the boot page's combo box, and with it the page, cannot be made
    std::vector<CPageHost*> hosts;
    std::vector<std::string> wrongTexts;
    const INT_PTR result = RunSheet([&](HWND sheet) {
        for (int i = 0; i < static_cast<int>(tlw::PageCount()); ++i) {
            HWND page = ShowPage(sheet, i);
            hosts.push_back(CPageHost::Of(page));
            // The title, where the template has one, is the row's caption;
            // each text of the row is its string (a level's label goes on
            // with the level it shows).
            const tlw::PageRow& row = tlw::PageTable()[i];
            std::vector<std::pair<int, UINT>> texts;
            if (::GetDlgItem(page, IDC_PAGE_TITLE)) texts.push_back({IDC_PAGE_TITLE, row.captionId});
            for (const tlw::PageText& text : row.texts) texts.push_back({text.control, text.text});
            for (const auto& [control, text] : texts) {
                const std::string shown = TextOf(::GetDlgItem(page, control)), wanted = win::LoadText(text);
                if (!::GetDlgItem(page, control) || shown.rfind(wanted, 0) != 0) {
                    wrongTexts.push_back(std::to_string(row.templateId) + "/" + std::to_string(control) + ": \"" +
                                         shown + "\"");
                }
            }
            if (!::GetDlgItem(page, row.pictureControl)) wrongTexts.push_back("no picture on " + std::to_string(i));
        }
        Click(sheet, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(hosts, std::vector<CPageHost*>(tlw::PageCount(), sheet_.get()));
    EXPECT_EQ(wrongTexts, std::vector<std::string>{});
    // The pages read what they show when first shown; the one write is the checksum.
    std::vector<std::string> writes;
    for (const std::string& line : WithoutInformationFills(Log())) {
        if (line.rfind("Get", 0) != 0 && line.rfind("Ask", 0) != 0) writes.push_back(line);
    }
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].rfind("CMOSChecksum ", 0), 0u);
}

TEST_F(Sheet, SheetAnswersTheDragIconQueryWithItsIcon) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    LRESULT icon = 0;
    Run([&](HWND sheet) { icon = ::SendMessageA(sheet, WM_QUERYDRAGICON, 0, 0); });
    EXPECT_NE(icon, 0);
}

}  // namespace
