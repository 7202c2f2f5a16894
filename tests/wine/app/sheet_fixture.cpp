// The in-process sheet and the thread that plays its user.
#include "tests/wine/app/sheet_fixture.h"

#include <commctrl.h>

#include <thread>

#include "app/driver_selection.h"
#include "bios/bios_channel.h"
#include "pages/page_table.h"
#include "res/resource.h"
#include "win/property_sheet.h"

namespace wt {

void SheetFixture::SetUp() { OpenNotebook(""); }

void SheetFixture::TearDown() { tlw::CloseBiosChannel(); }

void SheetFixture::OpenNotebook(const std::string& state) {
    tlw::CloseBiosChannel();
    WriteText(dir_.File("notebook.ini"), state);
    ::DeleteFileA(dir_.File("requests.log").c_str());
    std::string error;
    // Restarts are simulated too: a real one would end every process of the prefix.
    ASSERT_TRUE(tlw::OpenBiosChannelWith(
        OpenSimulatedNotebook(dir_.File("notebook.ini"), dir_.File("requests.log"), error)))
        << error;
}

CAllControlsSheet::Pages SheetFixture::PagesOf(const PageMaker& make) {
    CAllControlsSheet::Pages pages;
    for (const tlw::PageRow& row : tlw::PageTable()) pages.push_back(make(row));
    return pages;
}

INT_PTR SheetFixture::RunSheet(CAllControlsSheet::Pages pages, const User& user) {
    sheet_ = std::make_unique<CAllControlsSheet>("Tallowin", nullptr, 0, std::move(pages));
    return Run(user);
}

INT_PTR SheetFixture::RunSheet(const User& user) {
    sheet_ = std::make_unique<CAllControlsSheet>("Tallowin");
    return Run(user);
}

INT_PTR SheetFixture::Run(const User& user) {
    // The Help button, as the program's start-up shows it.
    sheet_->AddHeaderFlags(PSH_HASHELP);
    std::thread player([&] {
        HWND sheet = WaitForWindow("#32770", "Tallowin", ::GetCurrentProcessId(), kSheetWait);
        if (!sheet) return ADD_FAILURE() << "no sheet";
        user(sheet);
        // Whatever the test did, never leave a modal loop running: close any
        // dialog still open, then cancel the sheet.
        for (int round = 0; round < 20 && ::IsWindow(sheet) && ::IsWindowVisible(sheet); ++round) {
            for (HWND window : TopLevelWindowsOf(::GetCurrentProcessId())) {
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

std::vector<std::string> SheetFixture::Log() const { return ReadLines(dir_.File("requests.log")); }

std::string SheetFixture::StateText() const { return ReadText(dir_.File("notebook.ini")); }

HWND WaitForDialog(const char* title) {
    return WaitForWindow("#32770", title, ::GetCurrentProcessId(), kSheetWait);
}

bool NoDialog(const char* title) { return WaitForWindow("#32770", title, ::GetCurrentProcessId(), 1000) == nullptr; }

void Click(HWND window, int id) {
    PressButton(window, id);
    ::Sleep(100);
}

void Answer(const char* title, int button) {
    HWND dialog = WaitForDialog(title);
    ASSERT_NE(dialog, nullptr) << "no dialog \"" << title << "\"";
    HWND owner = ::GetWindow(dialog, GW_OWNER);
    Click(dialog, button);
    WaitForWindowGone(dialog, kSheetWait);
    if (owner) Settle(owner);
}

void Settle(HWND window) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kSheetWait, &ignored);
}

HWND ShowPage(HWND sheet, int index) {
    ::SendMessageA(sheet, PSM_SETCURSEL, index, 0);
    return PropSheet_IndexToHwnd(sheet, index);
}

std::vector<int> PagesBootPageLast(bool bootPageCanBeMade) {
    const int bootPage = tlw::PageIndexOf(IDD_BOOT_PAGE);
    std::vector<int> order;
    for (int index = 0; index < static_cast<int>(tlw::PageCount()); ++index) {
        if (index != bootPage) order.push_back(index);
    }
    if (bootPageCanBeMade) order.push_back(bootPage);
    return order;
}

bool ApplyEnabled(HWND sheet) { return ::IsWindowEnabled(::GetDlgItem(sheet, win::kApplyButton)) != FALSE; }

bool Eventually(const std::function<bool()>& condition, DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > ms) return condition();
        ::Sleep(20);
    }
    return true;
}

}  // namespace wt
