// The settings sheet in this process, over pages of the test's own, on a
// simulated notebook: Apply, OK, Cancel, Load Default, Load Previous, the
// context menu, the small dialogs and the end of a Windows session. A second
// thread plays the user: it finds the windows and presses their buttons.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "app/all_controls_sheet.h"
#include "bios/bios_channel.h"
#include "bios/shell_calls.h"
#include "res/resource.h"
#include "sim/simulated_driver.h"
#include "tests/wine/harness.h"
#include "win/resources.h"

namespace {

constexpr DWORD kWait = 20000;
constexpr UINT kMakeChange = WM_APP + 1;

// A page that, when changed, writes one button action on Apply; it counts
// the sheet's calls.
class ProbePage : public CMyPropertyPage {
public:
    ProbePage(UINT templateId, UINT captionId, std::uint8_t button, bool needsRestart)
        : CMyPropertyPage(templateId, captionId), button_(button), needsRestart_(needsRestart) {}

    bool ApplySettings() override {
        ++applied;
        const bool wrote = pending_;
        if (pending_) {
            tlw::SetPowerButtonAction(button_, 2);
            lastApplied_ = true;
            pending_ = false;
        }
        SetPageModified(false);
        return wrote && needsRestart_;
    }
    void RestorePreviousSettings() override {
        ++restored;
        if (lastApplied_) tlw::SetPowerButtonAction(button_, 2);
        pending_ = false;
        SetPageModified(false);
    }
    void SetPageModified(bool modified) override { SetModified(modified); }

    std::atomic<int> applied{0};
    std::atomic<int> restored{0};

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != kMakeChange) return CMyPropertyPage::OnMessage(message, wParam, lParam, result);
        pending_ = true;
        SetPageModified(true);
        return true;
    }

private:
    std::uint8_t button_;
    bool needsRestart_;
    bool pending_ = false;
    bool lastApplied_ = false;
};

class Sheet : public ::testing::Test {
protected:
    void SetUp() override { OpenNotebook(""); }
    void TearDown() override { tlw::CloseBiosChannel(); }

    void OpenNotebook(const std::string& state) {
        tlw::CloseBiosChannel();
        wt::WriteText(dir_.File("notebook.ini"), state);
        ::DeleteFileA(dir_.File("requests.log").c_str());
        std::string error;
        ASSERT_TRUE(tlw::OpenBiosChannelWith(
            tlw::sim::SimulatedDriver::Open(dir_.File("notebook.ini"), dir_.File("requests.log"), error)))
            << error;
    }

    // Runs the sheet modally here while `user` acts on it from another
    // thread; returns the sheet's result.
    INT_PTR Run(const std::function<void(HWND sheet)>& user) {
        CAllControlsSheet::Pages pages = {
            std::make_unique<ProbePage>(IDD_INFO_PAGE, IDS_PAGE_INFORMATION, 0, true),  // needs a restart
            std::make_unique<ProbePage>(IDD_POST_PAGE, IDS_PAGE_POST, 1, false),
            std::make_unique<ProbePage>(IDD_BOOT_PAGE, IDS_PAGE_BOOT_SEQUENCE, 2, false),
            std::make_unique<ProbePage>(IDD_PASSWORD_PAGE, IDS_PAGE_PASSWORD, 2, false),
            std::make_unique<ProbePage>(IDD_DISPLAY_PAGE, IDS_PAGE_DISPLAY, 2, false)};
        for (int i = 0; i < 5; ++i) probes_[i] = static_cast<ProbePage*>(pages[i].get());
        sheet_ = std::make_unique<CAllControlsSheet>("Tallowin", nullptr, 0, std::move(pages));
        sheet_->AddHeaderFlags(PSH_HASHELP);
        std::thread player([&] {
            HWND sheet = wt::WaitForWindow("#32770", "Tallowin", ::GetCurrentProcessId(), kWait);
            if (!sheet) return ADD_FAILURE() << "no sheet";
            user(sheet);
            // Whatever the test did, never leave a modal loop running: close
            // any dialog still open, then cancel the sheet.
            for (int round = 0; round < 20 && ::IsWindow(sheet) && ::IsWindowVisible(sheet); ++round) {
                for (HWND window : wt::TopLevelWindowsOf(::GetCurrentProcessId())) {
                    if (window != sheet) ::PostMessageA(window, WM_CLOSE, 0, 0);
                }
                ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
                ::Sleep(100);
            }
        });
        const INT_PTR result = sheet_->DoModal();
        player.join();
        return result;
    }

    std::vector<std::string> Log() const { return wt::ReadLines(dir_.File("requests.log")); }

    wt::TempDir dir_;
    ProbePage* probes_[5] = {};
    std::unique_ptr<CAllControlsSheet> sheet_;
};

// The user's side.
HWND Dialog(const char* title) { return wt::WaitForWindow("#32770", title, ::GetCurrentProcessId(), kWait); }

// True when no dialog titled `title` comes up within a second.
bool NoDialog(const char* title) {
    return wt::WaitForWindow("#32770", title, ::GetCurrentProcessId(), 1000) == nullptr;
}

void Click(HWND window, int id) {
    wt::PressButton(window, id);
    ::Sleep(100);
}

void ChangePage(HWND sheet, int index) {
    HWND page = PropSheet_IndexToHwnd(sheet, index);
    if (!page) {
        PropSheet_SetCurSel(sheet, nullptr, index);
        page = PropSheet_IndexToHwnd(sheet, index);
    }
    ::SendMessageA(page, kMakeChange, 0, 0);
}

bool ApplyEnabled(HWND sheet) { return ::IsWindowEnabled(::GetDlgItem(sheet, win::kApplyButton)) != FALSE; }

void Answer(const char* title, int button) {
    HWND dialog = Dialog(title);
    ASSERT_NE(dialog, nullptr) << "no dialog \"" << title << "\"";
    Click(dialog, button);
    wt::WaitForWindowGone(dialog, kWait);
}

TEST_F(Sheet, ApplyFollowsTheModifiedPagesAndARestartAppliedEarlierIsStillOfferedAtOK) {
    bool enabledBefore = true, enabledAfterChange = false, enabledAfterApply = true, prompted = false;
    const INT_PTR result = Run([&](HWND sheet) {
        enabledBefore = ApplyEnabled(sheet);
        ChangePage(sheet, 0);
        enabledAfterChange = ApplyEnabled(sheet);
        Click(sheet, win::kApplyButton);
        enabledAfterApply = ApplyEnabled(sheet);
        Click(sheet, IDOK);
        HWND prompt = Dialog("BIOS Settings Change");
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
    EXPECT_NE(wt::ReadText(dir_.File("notebook.ini")).find("lid_button_action = 2"), std::string::npos);
}

TEST_F(Sheet, OKWithoutChangesAppliesEveryPageAndChecksumsOnce) {
    const INT_PTR result = Run([&](HWND sheet) { Click(sheet, IDOK); });
    EXPECT_EQ(result, IDOK);
    for (ProbePage* probe : probes_) EXPECT_EQ(probe->applied, 1) << "also pages never shown";
    const auto log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("CMOSChecksum ", 0), 0u);
    EXPECT_FALSE(sheet_->restartNeeded());
}

TEST_F(Sheet, RestartPromptClosedByItsCaptionButtonCountsAsNo) {
    const INT_PTR result = Run([&](HWND sheet) {
        ChangePage(sheet, 0);
        Click(sheet, IDOK);
        HWND prompt = Dialog("BIOS Settings Change");
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(wt::TextOf(::GetDlgItem(prompt, IDC_RESTART_TEXT)),
                  "Do you want to restart your computer so the setting will take effect immediately? Otherwise, "
                  "the setting will effect the next you boot the computer.");
        EXPECT_EQ(wt::TextOf(::GetDlgItem(prompt, IDOK)), "Yes");
        EXPECT_EQ(wt::TextOf(::GetDlgItem(prompt, IDCANCEL)), "No");
        ::PostMessageA(prompt, WM_SYSCOMMAND, SC_CLOSE, 0);
        wt::WaitForWindowGone(prompt, kWait);
    });
    EXPECT_EQ(result, IDOK);
    for (const auto& line : Log()) EXPECT_NE(line, "RESTART");
}

TEST_F(Sheet, LoadDefaultDeclinedRestartClosesTheSheetWithoutWritingThePages) {
    std::string caption, question;
    const INT_PTR result = Run([&](HWND sheet) {
        ChangePage(sheet, 1);
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_DEFAULT, 0);
        HWND confirm = Dialog("Load Default BIOS Settings");
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
        HWND box = Dialog(win::AppTitle().c_str());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(wt::StaticTextsOf(box), "Function Not Implemented Yet.");
        Click(box, IDOK);
        wt::WaitForWindowGone(box, kWait);
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
    Run([&](HWND sheet) {
        ChangePage(sheet, 0);
        Click(sheet, win::kApplyButton);
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
        HWND confirm = Dialog("Load Previous BIOS Settings");
        ASSERT_NE(confirm, nullptr);
        question = wt::TextOf(::GetDlgItem(confirm, IDC_LOAD_SETTINGS_TEXT));
        Click(confirm, IDOK);
        wt::WaitForWindowGone(confirm, kWait);
        ::Sleep(200);
        stillOpen = ::IsWindowVisible(sheet) != FALSE;
        EXPECT_TRUE(NoDialog("BIOS Settings Change"));
    });
    EXPECT_TRUE(stillOpen);
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
        HWND menu = wt::WaitForWindow("#32768", nullptr, ::GetCurrentProcessId(), kWait);
        ASSERT_NE(menu, nullptr) << "no context menu";
        auto popup = reinterpret_cast<HMENU>(::SendMessageA(menu, MN_GETHMENU, 0, 0));
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
            char text[128] = {};
            ::GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
            items.push_back(text);
        }
        ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        wt::WaitForWindowGone(menu, kWait);
    });
    EXPECT_EQ(items, (std::vector<std::string>{"Load Default BIOS Settings", "", "Load Previous BIOS Settings", "",
                                               "About..."}));
}

TEST_F(Sheet, AboutBoxShowsTheProductVersion) {
    std::string version, caption, name;
    Run([&](HWND sheet) {
        ::PostMessageA(sheet, WM_COMMAND, IDM_ABOUT, 0);
        HWND about = Dialog("About Tallowin");
        ASSERT_NE(about, nullptr);
        version = wt::TextOf(::GetDlgItem(about, IDC_ABOUT_VERSION));
        name = wt::TextOf(::GetDlgItem(about, IDC_ABOUT_NAME));
        Click(about, IDOK);
        wt::WaitForWindowGone(about, kWait);
    });
    // The test program sits beside tlw.exe, which the search finds first.
    EXPECT_EQ(version, "Version 1.03");
    EXPECT_EQ(name, "Tallowin");
}

TEST_F(Sheet, SheetKnowsItsWindowsVersionAndShowsTheFivePagesInOrder) {
    std::vector<std::string> tabs;
    Run([&](HWND sheet) {
        EXPECT_EQ(CAllControlsSheet::FromWindow(sheet), sheet_.get());
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
}

TEST_F(Sheet, SheetAnswersTheDragIconQueryWithItsIcon) {
    WT_SKIP_IF_WOW64_CANNOT_PAINT();
    LRESULT icon = 0;
    Run([&](HWND sheet) { icon = ::SendMessageA(sheet, WM_QUERYDRAGICON, 0, 0); });
    EXPECT_NE(icon, 0);
}

}  // namespace
