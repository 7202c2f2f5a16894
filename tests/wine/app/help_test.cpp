// Help in the program's own sheet: the Help button opens each page's topic in
// HTML Help with the compiled tlw.chm; the "?" button on a control shows its
// popup text; a tlw.HLP beside the program sends the request to WinHelp; with
// neither, a message says where the help would be.
//
// Debian ships no Wine Gecko, so the HTML Help window shows no page: the
// tests look at the window (its class and title) and at the context it was
// given, and Wine's HTML Help opens a window only for a context that the
// file's map leads to a topic.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/wine/app/sheet_fixture.h"
#include "win/help.h"
#include "win/help_map.h"
#include "win/resources.h"

namespace {

using namespace wt;

// The pages' templates in the order the sheet shows them.
constexpr UINT kPageTemplates[] = {IDD_INFO_PAGE, IDD_POST_PAGE, IDD_BOOT_PAGE, IDD_PASSWORD_PAGE, IDD_DISPLAY_PAGE};
// A control of each page that is there once the page was made whole.
constexpr int kPageControls[] = {IDC_INFO_LIST, IDC_POST_SIMPLE_BOOT, IDC_BOOT_ORDER_LIST, IDC_CHANGE_SETUP_PASSWORD,
                                 IDC_BRIGHTNESS_TRACKBAR};
constexpr char kHtmlHelpClass[] = "HH Parent";
constexpr char kHtmlHelpTitle[] = "Tallowin Help";

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

// The folder of this test program, where the build put tlw.chm beside tlw.exe.
std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

class Help : public SheetFixture {
protected:
    void SetUp() override {
        SheetFixture::SetUp();
        ASSERT_TRUE(::CopyFileA((ProgramFolder() + "\\tlw.chm").c_str(), files_.File("tlw.chm").c_str(), FALSE))
            << "tlw.chm is not beside " << ProgramFolder();
        help::SetFileBase(files_.File("tlw"));
    }
    void TearDown() override {
        help::SetFileBase("");
        SheetFixture::TearDown();
    }

    // Page `index` brought to the front; null, noted in unshown_, where the
    // 32-bit side of WoW64 cannot make it (the boot sequence page's combo box).
    HWND PageOrNote(HWND sheet, int index) {
        HWND page = ShowPage(sheet, index);
        const bool shown = page && ::IsWindow(page) && PropSheet_GetCurrentPageHwnd(sheet) == page &&
                           ::GetDlgItem(page, kPageControls[index]) != nullptr;
        if (shown) return page;
        if (!WhyWow64HasNoDisplay().empty()) {
            if (unshown_.find(" " + std::to_string(index)) == std::string::npos) unshown_ += " " + std::to_string(index);
        }
        else ADD_FAILURE() << "page " << index << " was not shown";
        return nullptr;
    }
    void SkipIfPagesWereUnshown() {
        if (!unshown_.empty())
            GTEST_SKIP() << "the other pages passed; page(s)" << unshown_ << " could not be made: " << WhyWow64HasNoDisplay();
    }

    // Presses the sheet's Help button on page `index` and waits for the request.
    static bool AskHelpOnPage(HWND sheet, int index) {
        ShowPage(sheet, index);
        const unsigned long context = help::DialogContext(kPageTemplates[index]);
        Click(sheet, IDHELP);
        return Eventually([&] { return help::LastRequest().context == context; }, kSheetWait);
    }

    // What the system sends a page after the "?" button and a click on `control`.
    static void QuestionMarkOn(HWND page, HWND control) {
        RECT bounds;
        ::GetWindowRect(control, &bounds);
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = ::GetDlgCtrlID(control);
        info.hItemHandle = control;
        info.MousePos = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
        ::SendMessageA(page, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    }

    TempDir files_;
    std::string unshown_;
};

TEST_F(Help, TheHelpButtonOpensEachPagesTopicInHtmlHelp) {
    RunSheet([&](HWND sheet) {
        // The boot sequence page last: where WoW64 cannot make it, the sheet
        // shows no other page after it.
        for (int index : {0, 1, 3, 4, 2}) {
            SCOPED_TRACE("page " + std::to_string(index));
            if (!PageOrNote(sheet, index)) continue;
            ASSERT_TRUE(AskHelpOnPage(sheet, index));
            const help::Request request = help::LastRequest();
            EXPECT_EQ(request.file, files_.File("tlw.chm"));
            if (request.way == help::Way::Message && !WhyWow64HasNoDisplay().empty()) {
                // HTML Help's window draws its toolbar from bitmaps, which the
                // 32-bit side of WoW64 cannot make: the request fails there and
                // the message takes its place. Close it and go on.
                Answer(win::AppTitle().c_str(), IDOK);
                continue;
            }
            ASSERT_EQ(request.way, help::Way::HtmlHelpWindow);
            ASSERT_TRUE(::IsWindow(request.window));
            EXPECT_EQ(ClassOf(request.window), kHtmlHelpClass);
            EXPECT_EQ(TextOf(request.window), kHtmlHelpTitle);
            ::PostMessageA(request.window, WM_CLOSE, 0, 0);
            EXPECT_TRUE(WaitForWindowGone(request.window, kSheetWait));
        }
    });
    SkipIfPagesWereUnshown();
}

TEST_F(Help, AContextWithoutATopicOpensNoWindow) {
    // What the map is for: HTML Help refuses a context that leads nowhere, so
    // the pages' requests open their windows only through the map. Asked on a
    // thread of its own, as the message that follows waits for its OK.
    const unsigned notATemplate = 0x7FFF;
    std::thread asker([&] { help::ShowTopic(nullptr, notATemplate); });
    HWND message = WaitForDialog(win::AppTitle().c_str());
    const help::Request request = help::LastRequest();
    if (message) {
        // It says where the help is instead of failing without a word.
        EXPECT_NE(StaticTextsOf(message).find("tlw.chm"), std::string::npos);
        Click(message, IDOK);
    }
    asker.join();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(request.context, help::DialogContext(notATemplate));
    EXPECT_EQ(request.way, help::Way::Message);
    EXPECT_EQ(request.window, nullptr);
    EXPECT_EQ(WaitForWindow(kHtmlHelpClass, kHtmlHelpTitle, ::GetCurrentProcessId(), 500), nullptr);
}

TEST_F(Help, TheQuestionMarkOnAControlShowsItsPopupText) {
    struct Case {
        int page;
        int control;
    };
    const Case cases[] = {
        {1, IDC_POST_SIMPLE_BOOT},      {1, IDC_POST_FAN_ALWAYS_ON},  {3, IDC_CHANGE_SETUP_PASSWORD},
        {4, IDC_BOOT_DISPLAY_AUTO},     {4, IDC_BRIGHTNESS_TRACKBAR}, {0, IDC_CHANGE_ASSET_TAG},
        {2, IDC_BOOT_ORDER_LIST},
    };
    RunSheet([&](HWND sheet) {
        for (const Case& c : cases) {
            SCOPED_TRACE("control " + std::to_string(c.control));
            HWND page = PageOrNote(sheet, c.page);
            if (!page) continue;
            HWND control = ::GetDlgItem(page, c.control);
            ASSERT_NE(control, nullptr);
            QuestionMarkOn(page, control);
            const help::Request request = help::LastRequest();
            const unsigned textId = help::PopupTextId(kPageTemplates[c.page], c.control);
            ASSERT_NE(textId, 0u);
            EXPECT_EQ(request.textId, textId);
            ASSERT_TRUE(::IsWindow(request.window));
            if (request.way == help::Way::Popup) {
                // Wine's HTML Help shows no text popups: the program's own does.
                EXPECT_EQ(ClassOf(request.window), help::kPopupClass);
                EXPECT_EQ(TextOf(request.window), win::LoadText(textId, 1024));
                EXPECT_TRUE(::IsWindowVisible(request.window));
                // Any click closes it.
                ::PostMessageA(request.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
                EXPECT_TRUE(WaitForWindowGone(request.window, kSheetWait));
            } else {
                EXPECT_EQ(request.way, help::Way::HtmlHelpWindow);
                ::PostMessageA(request.window, WM_CLOSE, 0, 0);
            }
        }
    });
    SkipIfPagesWereUnshown();
}

TEST_F(Help, TheQuestionMarkOnTheSheetsOwnButtonsAndTabsShowsTheirTexts) {
    RunSheet([&](HWND sheet) {
        for (int id : {IDOK, IDCANCEL, IDC_SHEET_APPLY, IDC_SHEET_HELP, IDC_SHEET_TABS}) {
            SCOPED_TRACE("control " + std::to_string(id));
            HWND control = ::GetDlgItem(sheet, id);
            ASSERT_NE(control, nullptr);
            QuestionMarkOn(sheet, control);
            const help::Request request = help::LastRequest();
            EXPECT_NE(request.textId, 0u);
            EXPECT_EQ(request.textId, help::SheetPopupTextId(id));
            ASSERT_TRUE(::IsWindow(request.window));
            if (request.way == help::Way::Popup) {
                EXPECT_EQ(TextOf(request.window), win::LoadText(request.textId, 1024));
                ::PostMessageA(request.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
                EXPECT_TRUE(WaitForWindowGone(request.window, kSheetWait));
            } else {
                EXPECT_EQ(request.way, help::Way::HtmlHelpWindow);
                ::PostMessageA(request.window, WM_CLOSE, 0, 0);
            }
        }
    });
}

TEST_F(Help, TheQuestionMarkOnTextWithoutPopupShowsThePagesTopic) {
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, tlw::PageIndexOf(IDD_POST_PAGE));
        QuestionMarkOn(page, ::GetDlgItem(page, IDC_PAGE_TITLE));
        const help::Request request = help::LastRequest();
        EXPECT_EQ(request.textId, 0u);
        EXPECT_EQ(request.context, help::DialogContext(IDD_POST_PAGE));
        if (request.way == help::Way::Message) Answer(win::AppTitle().c_str(), IDOK);
    });
}

// Wine's WinHelp is winhlp32.exe: it opens its window, and for this file,
// which is no help file, a message that holds up the request until closed.
// Closes them all; true when its window was seen at all.
bool CloseWinHelp(HWND sheet) {
    bool seen = false;
    Eventually(
        [&] {
            HWND winHelp = ::FindWindowA("MS_WINHELP", nullptr);
            if (winHelp) {
                seen = true;
                DWORD process = 0;
                ::GetWindowThreadProcessId(winHelp, &process);
                for (HWND window : TopLevelWindowsOf(process)) ::PostMessageA(window, WM_CLOSE, 0, 0);
            }
            DWORD_PTR answer = 0;
            return seen && ::SendMessageTimeoutA(sheet, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &answer) != 0;
        },
        kSheetWait);
    if (HWND winHelp = ::FindWindowA("MS_WINHELP", nullptr)) ::PostMessageA(winHelp, WM_CLOSE, 0, 0);
    return seen;
}

TEST_F(Help, AWinHelpFileBesideTheProgramIsAskedInstead) {
    WriteText(files_.File("tlw.HLP"), "");
    RunSheet([&](HWND sheet) {
        ASSERT_TRUE(AskHelpOnPage(sheet, 3));
        const help::Request request = help::LastRequest();
        EXPECT_EQ(request.way, help::Way::WinHelp);
        EXPECT_EQ(request.file, files_.File("tlw.HLP"));
        EXPECT_EQ(request.context, help::DialogContext(IDD_PASSWORD_PAGE));
        EXPECT_TRUE(CloseWinHelp(sheet)) << "winhlp32 never opened its window";
        // HTML Help was not asked: no window of its own comes up.
        EXPECT_EQ(WaitForWindow(kHtmlHelpClass, kHtmlHelpTitle, ::GetCurrentProcessId(), 1000), nullptr);
    });
}

TEST_F(Help, WithNeitherFileAMessageSaysWhereTheHelpWouldBe) {
    ::DeleteFileA(files_.File("tlw.chm").c_str());
    RunSheet([&](HWND sheet) {
        ASSERT_TRUE(AskHelpOnPage(sheet, 1));
        EXPECT_EQ(help::LastRequest().way, help::Way::Message);
        HWND message = WaitForDialog(win::AppTitle().c_str());
        ASSERT_NE(message, nullptr);
        const std::string text = StaticTextsOf(message);
        EXPECT_NE(text.find(files_.File("tlw.chm")), std::string::npos) << text;
        EXPECT_EQ(text.find("Cannot find"), std::string::npos) << text;
        // Its OK, as the dialog manager passes it on (a posted BM_CLICK is lost
        // on the 32-bit side of WoW64).
        ::PostMessageA(message, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(WaitForWindowGone(message, kSheetWait));
    });
}

}  // namespace
