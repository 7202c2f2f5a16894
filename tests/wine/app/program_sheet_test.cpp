// tlw.exe's settings sheet as a user meets it: its buttons, the right-click
// menu, Load Default with a restart, and the About box of a renamed copy.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/wine/harness.h"
#include "win/property_sheet.h"

namespace {

constexpr DWORD kWait = 60000;

class ProgramSheet : public ::testing::Test {
protected:
    wt::Launch Simulated() {
        return {"", dir_.File("notebook.ini"), dir_.File("requests.log"), dir_.path(), ""};
    }
    std::vector<std::string> Log() const { return wt::ReadLines(dir_.File("requests.log")); }

    wt::TempDir dir_;
};

HWND DialogOf(const wt::Process& process, const char* title) {
    return wt::WaitForWindow("#32770", title, process.id(), kWait);
}

void Answer(const wt::Process& process, const char* title, int button) {
    HWND dialog = DialogOf(process, title);
    ASSERT_NE(dialog, nullptr) << "no dialog \"" << title << "\"";
    wt::PressButton(dialog, button);
    wt::WaitForWindowGone(dialog, kWait);
}

TEST_F(ProgramSheet, ShowsOkCancelApplyAndHelpAndTheRightClickMenu) {
    wt::Process tlw(Simulated());
    HWND sheet = DialogOf(tlw, "Tallowin");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(wt::TextOf(::GetDlgItem(sheet, IDOK)), "OK");
    EXPECT_EQ(wt::TextOf(::GetDlgItem(sheet, IDCANCEL)), "Cancel");
    EXPECT_EQ(wt::TextOf(::GetDlgItem(sheet, win::kApplyButton)), "&Apply");
    EXPECT_EQ(wt::TextOf(::GetDlgItem(sheet, IDHELP)), "Help");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(sheet, IDHELP)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(sheet, win::kApplyButton)));

    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    ASSERT_NE(page, nullptr);
    ::PostMessageA(page, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    HWND menu = wt::WaitForWindow("#32768", nullptr, tlw.id(), kWait);
    ASSERT_NE(menu, nullptr) << "no context menu";
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(wt::WaitForWindowGone(menu, kWait));

    ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(tlw.WaitForExit(kWait));
    const auto log = Log();
    EXPECT_TRUE(wt::LinesOf(log, "CMOSChecksum").empty()) << "Cancel writes nothing";
}

TEST_F(ProgramSheet, LoadDefaultWithARestartEndsTheProgramAsWindowsWould) {
    wt::Process tlw(Simulated());
    HWND sheet = DialogOf(tlw, "Tallowin");
    ASSERT_NE(sheet, nullptr);
    ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_DEFAULT, 0);
    Answer(tlw, "Load Default BIOS Settings", IDOK);
    Answer(tlw, "BIOS Settings Change", IDOK);
    ASSERT_TRUE(tlw.WaitForExit(kWait));
    EXPECT_EQ(tlw.exitCode(), 0u);
    const auto log = wt::WithoutInformationFills(Log());
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[3].rfind("LoadSetupDefault ", 0), 0u) << log[3];
    EXPECT_EQ(log[4], "RESTART");
    EXPECT_EQ(log[5].rfind("SetHotkeyButton EAX=00009612 EBX=00000105 ", 0), 0u) << "switched on as Windows ends";
}

TEST_F(ProgramSheet, AboutBoxOfACopyThatFindsNoTlwExeShowsVersionAlone) {
    const std::string copy = dir_.File("notebook-settings.exe");
    ASSERT_TRUE(::CopyFileA(wt::TlwPath().c_str(), copy.c_str(), FALSE));
    wt::Launch launch = Simulated();
    launch.program = copy;
    wt::Process tlw(launch);
    HWND sheet = DialogOf(tlw, "Tallowin");
    ASSERT_NE(sheet, nullptr);
    ::PostMessageA(sheet, WM_COMMAND, IDM_ABOUT, 0);
    HWND about = DialogOf(tlw, "About Tallowin");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(wt::TextOf(::GetDlgItem(about, IDC_ABOUT_VERSION)), "Version");
    wt::PressButton(about, IDOK);
    wt::WaitForWindowGone(about, kWait);
    ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(tlw.WaitForExit(kWait));
}

}  // namespace
