// The POST and boot sequence pages in the sheet on a simulated notebook: what
// the user sees, what a click, a press and a real mouse drag change, and what
// Apply, OK and Load Previous write. And the boot list's way to the BIOS by
// its own address, in the 32-bit build too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/driver_selection.h"
#include "bios/bios_channel.h"
#include "bios/buffer_lease.h"
#include "pages/boot/boot_settings.h"
#include "pages/boot/post_page.h"
#include "pages/boot/startup_page.h"
#include "res/resource.h"
#include "tests/common/logged_request.h"
#include "tests/wine/app/sheet_fixture.h"
#include "tests/wine/pages/typing.h"
#include "win/combo_box.h"
#include "win/list_box.h"
#include "win/property_sheet.h"

namespace {

using namespace wt;

constexpr int kPostPage = 1;
constexpr int kBootPage = 2;
const std::string kTail = "FFFFFFFFFFFFFFFFFFFFFFFF";  // after a four-code list
const char* const kRestartPrompt = "BIOS Settings Change";

class BootPages : public SheetFixture {
protected:
    // The program's POST and boot pages at their places, plain pages around
    // them, so that the POST page's tests also run where a combo box cannot
    // be made (the boot page is then never shown).
    INT_PTR Run(const User& user) {
        CAllControlsSheet::Pages pages = {std::make_unique<CMyPropertyPage>(IDD_INFO_PAGE, IDS_PAGE_INFORMATION),
                                          std::make_unique<CPostPage>(), std::make_unique<CStartupPage>(),
                                          std::make_unique<CMyPropertyPage>(IDD_PASSWORD_PAGE, IDS_PAGE_PASSWORD),
                                          std::make_unique<CMyPropertyPage>(IDD_DISPLAY_PAGE, IDS_PAGE_DISPLAY)};
        return RunSheet(std::move(pages), user);
    }

    // The requests to `call` with `ebx`, in order.
    std::vector<tlw::test::LoggedRequest> Writes(const std::string& call, std::uint32_t ebx) const {
        std::vector<tlw::test::LoggedRequest> found;
        for (const tlw::test::LoggedRequest& r : tlw::test::ParseRequests(Log())) {
            if (r.call == call && r.in.ebx == ebx) found.push_back(r);
        }
        return found;
    }
    std::size_t Count(const std::string& call, std::uint32_t ebx) const { return Writes(call, ebx).size(); }
};

bool Visible(HWND page, int id) { return ::IsWindowVisible(::GetDlgItem(page, id)) != FALSE; }

void LoadPrevious(HWND sheet) {
    ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
    Answer("Load Previous BIOS Settings", IDOK);
}

// ---- The POST page.

TEST_F(BootPages, PostShowsTwoBoxesAndFastBootAppliesWithARestart) {
    OpenNotebook("boot_options = 0x06\nfan_always_on = off\n");
    bool shownRight = false, prompted = false;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kPostPage);
        EXPECT_EQ(TextOf(::GetDlgItem(page, IDC_POST_SIMPLE_BOOT)), "Enable Fast Boot");
        EXPECT_EQ(TextOf(::GetDlgItem(page, IDC_POST_FAN_ALWAYS_ON)), "Fan always on enabled");
        EXPECT_EQ(TextOf(::GetDlgItem(page, IDC_PAGE_TITLE)), "POST");
        shownRight = Visible(page, IDC_POST_SIMPLE_BOOT) && Visible(page, IDC_POST_FAN_ALWAYS_ON) &&
                     !Visible(page, IDC_POST_FAST_POST) && !Visible(page, IDC_POST_HOTKEY_BEEP);
        EXPECT_EQ(::IsDlgButtonChecked(page, IDC_POST_FAST_POST), BST_CHECKED) << "follows bit 1 of the options";
        EXPECT_FALSE(ApplyEnabled(sheet)) << "filling the boxes is no change";
        Click(page, IDC_POST_SIMPLE_BOOT);
        EXPECT_TRUE(Eventually([&] { return ApplyEnabled(sheet); }));
        Click(sheet, IDOK);
        HWND prompt = WaitForDialog(kRestartPrompt);
        prompted = prompt != nullptr;
        if (prompt) Click(prompt, IDCANCEL);
    });
    EXPECT_TRUE(shownRight) << "only \"Enable Fast Boot\" and the fan are visible";
    EXPECT_TRUE(prompted);
    EXPECT_EQ(Count("EnableFan", 0x0028), 1u) << "the fan is written with the page, here off";
    const auto writes = Writes("EnableSimpleBoot", 0x012A);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].in.ecx, 7u);
    EXPECT_NE(StateText().find("boot_options = 0x07"), std::string::npos);
}

TEST_F(BootPages, PostFanAloneAppliesWithoutARestartAndUnchangedAppliesNothing) {
    OpenNotebook("fan_always_on = off\n");
    bool prompted = true;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kPostPage);
        Click(sheet, win::kApplyButton);  // nothing marked: nothing to write
        Click(page, IDC_POST_FAN_ALWAYS_ON);
        Click(page, IDC_POST_HOTKEY_BEEP);  // hidden; marks the page only
        EXPECT_TRUE(Eventually([&] { return ApplyEnabled(sheet); }));
        Click(sheet, IDOK);
        prompted = !NoDialog(kRestartPrompt);
    });
    EXPECT_FALSE(prompted);
    EXPECT_EQ(Count("EnableFan", 0x0128), 1u);
    EXPECT_EQ(LinesOf(Log(), "EnableSimpleBoot").size(), 0u);
    EXPECT_EQ(LinesOf(Log(), "EnableFastPOST").size(), 0u);
    EXPECT_NE(StateText().find("fan_always_on = on"), std::string::npos);
}

TEST_F(BootPages, PostLoadPreviousWritesTheLastApplyOnceAndNotTheFanAppliedOff) {
    OpenNotebook("boot_options = 0x00\nfan_always_on = off\n");
    int checkedAfterRestore = -1;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kPostPage);
        Click(page, IDC_POST_SIMPLE_BOOT);
        Click(sheet, win::kApplyButton);
        EXPECT_TRUE(Eventually([&] { return !ApplyEnabled(sheet); }));
        LoadPrevious(sheet);
        LoadPrevious(sheet);
        checkedAfterRestore = static_cast<int>(::IsDlgButtonChecked(page, IDC_POST_SIMPLE_BOOT));
        Click(sheet, IDCANCEL);
    });
    EXPECT_EQ(Count("EnableSimpleBoot", 0x012A), 2u) << "applied, then written again once";
    EXPECT_EQ(LinesOf(Log(), "EnableFan").size(), 1u) << "the fan applied off is not written again";
    EXPECT_EQ(checkedAfterRestore, BST_CHECKED) << "the boxes are read again from the BIOS";
}

// The hidden fast POST box starts disabled whatever the BIOS says, and a
// reload enables it exactly while fast boot is off.
TEST_F(BootPages, PostFastPostBoxStartsDisabledAndAReloadFollowsFastBoot) {
    OpenNotebook("boot_options = 0x00\n");
    std::vector<bool> enabled;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kPostPage);
        HWND box = ::GetDlgItem(page, IDC_POST_FAST_POST);
        enabled.push_back(::IsWindowEnabled(box) != FALSE);
        for (const char* options : {"boot_options = 0x00", "boot_options = 0x01"}) {
            WriteText(dir_.File("notebook.ini"), std::string(options) + "\n");
            LoadPrevious(sheet);
            enabled.push_back(::IsWindowEnabled(box) != FALSE);
        }
    });
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, false})) << "at first, after fast boot read off, then on";
}

// ---- The boot list's request path, without any window: in the 32-bit build
// ESI must be the list's own address, as the real driver reads it.

// Sees each request on its way to the simulated notebook.
class Watcher : public tlw::BiosDriver {
public:
    explicit Watcher(std::unique_ptr<tlw::BiosDriver> inner) : inner_(std::move(inner)) {}
    bool Request(const tlw::FrameBytes& in, tlw::FrameBytes& out, std::size_t& returned, const char* call) override {
        const tlw::RegisterFrame frame = tlw::FromBytes(in);
        if (std::strcmp(call, "SetBootSeq") == 0 && (frame.ebx >> 8) == 1) {
            esi = frame.esi;
            const std::uint8_t* lent = tlw::LentMemory(frame.esi, tlw::kBootListSize);
            if (lent) std::copy_n(lent, tlw::kBootListSize, lentList.begin());
            if constexpr (sizeof(void*) == 4) {
                // The list read where its address points, as the BIOS driver does.
                const auto* memory = reinterpret_cast<const std::uint8_t*>(static_cast<std::uintptr_t>(frame.esi));
                std::copy_n(memory, tlw::kBootListSize, addressedList.begin());
            }
        }
        return inner_->Request(in, out, returned, call);
    }

    std::uint32_t esi = 0;
    tlw::BootList lentList = {};
    tlw::BootList addressedList = {};

private:
    std::unique_ptr<tlw::BiosDriver> inner_;
};

TEST_F(BootPages, TheBootListTravelsToTheBiosByItsOwnAddress) {
    tlw::CloseBiosChannel();
    WriteText(dir_.File("notebook.ini"), "ide_type_82 = 01 01\nboot_sequence = 00 01 02 08\n");
    std::string error;
    auto watcher = std::make_unique<Watcher>(
        OpenSimulatedNotebook(dir_.File("notebook.ini"), dir_.File("requests.log"), error));
    Watcher& seen = *watcher;
    ASSERT_TRUE(tlw::OpenBiosChannelWith(std::move(watcher))) << error;

    tlw::BootSettings boot;
    boot.Load();
    ASSERT_EQ(boot.order().Count(), 3) << "the CD-ROM is not listed";
    boot.ChangeOrder();
    ASSERT_EQ(boot.order().Drop(2, 0), 0);
    EXPECT_EQ(boot.Apply(), tlw::ApplyResult::AppliedNeedsRestart);

    const tlw::BootList expected = {8, 0, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_NE(seen.esi, 0u);
    EXPECT_EQ(seen.lentList, expected);
    if constexpr (sizeof(void*) == 4) {
        EXPECT_EQ(seen.addressedList, expected) << "ESI is not the list's address";
    }
    const auto lines = Writes("SetBootSeq", 0x0117);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(tlw::test::HexBytes(lines[0].buffer), "08000201" + kTail);
    EXPECT_NE(StateText().find("boot_sequence = 08 00 02 01"), std::string::npos);
}

// ---- The boot sequence page (its combo box needs the display).

// Read through the wide messages: Wine hands another process's list box
// texts over in UTF-16 whichever form was asked. The texts are ASCII.
std::vector<std::string> Entries(HWND list) {
    std::vector<std::string> texts;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring wide(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        wide.resize(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&wide[0]))));
        texts.emplace_back(wide.begin(), wide.end());
    }
    return texts;
}

POINT EntryCentre(HWND list, int index) {
    RECT entry = {};
    ::SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry));
    POINT at = {(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2};
    ::ClientToScreen(list, &at);
    return at;
}

POINT BelowTheLastEntry(HWND list) {
    RECT area = {};
    ::GetClientRect(list, &area);
    POINT at = {area.right / 2, area.bottom - 3};
    ::ClientToScreen(list, &at);
    return at;
}

// Puts the cursor at `at` and keeps it there until `window`'s thread has
// taken the moves before: Wine hands the pointer motion of each move to the
// thread whose window lies under the pointer, and a busy thread that replays
// it late carries the cursor back to where it was.
void PlaceCursor(HWND window, POINT at) {
    int steady = 0;
    for (int round = 0; round < 100 && steady < 2; ++round) {
        ::SetCursorPos(at.x, at.y);
        Settle(window);
        POINT now = {};
        ::GetCursorPos(&now);
        steady = now.x == at.x && now.y == at.y ? steady + 1 : 0;
    }
    EXPECT_EQ(steady, 2) << "the cursor does not stay at " << at.x << "," << at.y;
}

// A user's drag with the left button over `list`: pressed at `from`, moved
// through the middle, released at `to`. The drag list reads the cursor when
// it takes the press, a move and the release, not where the input happened:
// so the cursor stays put until the list has taken the press (it captures the
// mouse then) and at `to` until it has taken the release (it lets the mouse
// go). On a busy machine either may wait in the queue for seconds.
void Drag(HWND list, POINT from, POINT to) {
    // Under load Wine now and then loses a press on its way to the list (it
    // never takes the focus or the capture): like a user whose click did not
    // register, the test lets go and presses again, a few times at most.
    bool taken = false;
    for (int attempt = 0; attempt < 3 && !taken; ++attempt) {
        // A click on a sheet not in front activates it first, and the focus
        // change that follows can cancel the press's capture.
        ASSERT_TRUE(BringToFront(::GetAncestor(list, GA_ROOT)));
        PlaceCursor(list, from);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        taken = Eventually([&] { return CaptureOf(list) == list; }, kSheetWait / 3);
        if (!taken) {
            SendMouse(MOUSEEVENTF_LEFTUP);
            std::fprintf(stderr, "drag: the list did not take press %d at %ld,%ld\n", attempt + 1, from.x, from.y);
        }
    }
    ASSERT_TRUE(taken) << "the list never took the press";
    for (POINT at : {POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, to}) {
        PlaceCursor(list, at);
        SendMouse(MOUSEEVENTF_MOVE);
    }
    PlaceCursor(list, to);
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(Eventually([&] { return CaptureOf(list) != list; })) << "the list never took the release";
}

HWND BootList(HWND page) { return ::GetDlgItem(page, IDC_BOOT_ORDER_LIST); }

TEST_F(BootPages, DraggingTheLastEntryToTheTopWritesTheNewOrderAtOKWithARestart) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the page's combo box cannot be made
    std::vector<std::string> before, after;
    bool hardDiskHidden = false, prompted = false;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kBootPage);
        HWND list = BootList(page);
        before = Entries(list);
        hardDiskHidden = !Visible(page, IDC_HDD_BOOT_COMBO) && !Visible(page, IDC_HDD_BOOT_GROUP);
        Drag(list, EntryCentre(list, 3), EntryCentre(list, 0));
        Eventually([&] { return Entries(list).front() == "ZIP Drive"; });
        after = Entries(list);
        EXPECT_TRUE(ApplyEnabled(sheet));
        Click(sheet, IDOK);
        HWND prompt = WaitForDialog(kRestartPrompt);
        prompted = prompt != nullptr;
        if (prompt) Click(prompt, IDCANCEL);
    });
    EXPECT_EQ(before, (std::vector<std::string>{"Floppy Disk", "Hard Disk", "CD-ROM/DVD-ROM/CD-RW", "ZIP Drive"}));
    EXPECT_EQ(after, (std::vector<std::string>{"ZIP Drive", "Floppy Disk", "Hard Disk", "CD-ROM/DVD-ROM/CD-RW"}));
    EXPECT_TRUE(hardDiskHidden) << "drive 0x82 is a CD-ROM: no hard disk choice";
    EXPECT_TRUE(prompted);
    const auto writes = Writes("SetBootSeq", 0x0117);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(tlw::test::HexBytes(writes[0].buffer), "08000102" + kTail);
    EXPECT_NE(StateText().find("boot_sequence = 08 00 01 02"), std::string::npos);
}

TEST_F(BootPages, DropsOnTheirOwnPlaceOrBelowTheLastMoveNothingButThePressStillApplies) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the page's combo box cannot be made
    std::vector<std::string> afterOwnPlace, afterBelow;
    bool marked = false;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kBootPage);
        HWND list = BootList(page);
        POINT own = EntryCentre(list, 1);
        Drag(list, own, {own.x + 3, own.y + 1});
        marked = Eventually([&] { return ApplyEnabled(sheet); });
        afterOwnPlace = Entries(list);
        Drag(list, EntryCentre(list, 0), BelowTheLastEntry(list));
        Eventually([&] { return win::ListBox(list).Selection() == 0; });
        afterBelow = Entries(list);
        Click(sheet, win::kApplyButton);
        Eventually([&] { return !ApplyEnabled(sheet); });
    });
    const std::vector<std::string> unchanged = {"Floppy Disk", "Hard Disk", "CD-ROM/DVD-ROM/CD-RW", "ZIP Drive"};
    EXPECT_TRUE(marked) << "a press marks the page";
    EXPECT_EQ(afterOwnPlace, unchanged);
    EXPECT_EQ(afterBelow, unchanged);
    const auto writes = Writes("SetBootSeq", 0x0117);
    ASSERT_EQ(writes.size(), 1u) << "Apply writes the unchanged list";
    EXPECT_EQ(tlw::test::HexBytes(writes[0].buffer), "00010208" + kTail);
    EXPECT_EQ(Count("SetBootSeq", 0x0317), 0u) << "the list alone changed";
}

TEST_F(BootPages, WithAHardDiskAt82TheCdRomIsUnlistedKeptAndTheSecondaryDiskApplies) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the page's combo box cannot be made
    OpenNotebook("ide_type_82 = 01 01\nboot_sequence = 00 01 02 08\nhdd_boot = 0\n");
    std::vector<std::string> entries, choices;
    int selected = -2;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kBootPage);
        HWND list = BootList(page);
        entries = Entries(list);
        win::ComboBox combo(::GetDlgItem(page, IDC_HDD_BOOT_COMBO));
        for (int i = 0; i < combo.Count(); ++i) choices.push_back(combo.ItemText(i));
        selected = combo.Selection();
        Drag(list, EntryCentre(list, 2), EntryCentre(list, 0));
        EXPECT_TRUE(Eventually([&] { return Entries(list).front() == "ZIP Drive"; }));
        Click(sheet, win::kApplyButton);
        EXPECT_TRUE(Eventually([&] { return !ApplyEnabled(sheet); }));
        // The user picks the secondary disk: the box tells its page.
        combo.Select(1);
        ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_HDD_BOOT_COMBO, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo.handle()));
        EXPECT_TRUE(Eventually([&] { return ApplyEnabled(sheet); }));
        Click(sheet, win::kApplyButton);
        EXPECT_TRUE(Eventually([&] { return !ApplyEnabled(sheet); }));
    });
    EXPECT_EQ(entries, (std::vector<std::string>{"Floppy Disk", "Hard Disk", "ZIP Drive"}));
    EXPECT_EQ(choices, (std::vector<std::string>{"Primary HDD", "Secondary HDD"}));
    EXPECT_EQ(selected, 0);
    const auto lists = Writes("SetBootSeq", 0x0117);
    ASSERT_EQ(lists.size(), 1u) << "the second apply changed the disk alone";
    EXPECT_EQ(tlw::test::HexBytes(lists[0].buffer), "08000201" + kTail) << "the CD-ROM kept its place";
    const auto disks = Writes("SetBootSeq", 0x0317);
    ASSERT_EQ(disks.size(), 1u);
    EXPECT_EQ(disks[0].in.edx, 2u);
    EXPECT_NE(StateText().find("hdd_boot = 2"), std::string::npos);
}

TEST_F(BootPages, BadAnswersListEveryCodeAndSelectNoDisk) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the page's combo box cannot be made
    OpenNotebook("ide_type_82 = 01 01\nhdd_boot = 4\n"
                 "boot_sequence = 04 09 FE 00 01 03 05 06 07 08 10 11 12 13 14 15\n");
    std::vector<std::string> entries;
    int selected = -2;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kBootPage);
        entries = Entries(BootList(page));
        selected = win::ComboBox(::GetDlgItem(page, IDC_HDD_BOOT_COMBO)).Selection();
    });
    ASSERT_EQ(entries.size(), 16u) << "sixteen codes without 0xFF";
    EXPECT_EQ(entries[0], "");
    EXPECT_EQ(entries[1], "");
    EXPECT_EQ(entries[2], "");
    EXPECT_EQ(entries[3], "Floppy Disk");
    EXPECT_EQ(entries[5], "SCSI Hard Drive");
    EXPECT_EQ(entries[15], "");
    EXPECT_EQ(selected, CB_ERR) << "a byte of 4 selects no disk";
}

TEST_F(BootPages, BootLoadPreviousWritesTheAppliedListOnceAndReadsItBack) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the page's combo box cannot be made
    std::vector<std::string> afterRestore;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, kBootPage);
        HWND list = BootList(page);
        Drag(list, EntryCentre(list, 3), EntryCentre(list, 0));
        EXPECT_TRUE(Eventually([&] { return Entries(list).front() == "ZIP Drive"; }));
        Click(sheet, win::kApplyButton);
        EXPECT_TRUE(Eventually([&] { return !ApplyEnabled(sheet); }));
        LoadPrevious(sheet);
        LoadPrevious(sheet);
        afterRestore = Entries(list);
        Click(sheet, IDCANCEL);
    });
    EXPECT_EQ(Count("SetBootSeq", 0x0117), 2u);
    EXPECT_EQ(afterRestore,
              (std::vector<std::string>{"ZIP Drive", "Floppy Disk", "Hard Disk", "CD-ROM/DVD-ROM/CD-RW"}));
}

// The whole road in tlw.exe itself: the user drags the CD-ROM to the top,
// presses OK and restarts; the next start shows the new order.
TEST_F(BootPages, TlwKeepsTheDraggedOrderOverARestart) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the page's combo box cannot be made
    constexpr DWORD kWait = 60000;
    const Launch launch = {"", dir_.File("tlw.ini"), dir_.File("tlw.log"), dir_.path(), ""};
    auto bootList = [&](const Process& tlw) -> HWND {
        HWND sheet = WaitForWindow("#32770", "Tallowin", tlw.id(), kWait);
        if (!sheet) return nullptr;
        ::SendMessageA(sheet, PSM_SETCURSEL, kBootPage, 0);
        return BootList(PropSheet_IndexToHwnd(sheet, kBootPage));
    };
    {
        Process tlw(launch);
        HWND list = bootList(tlw);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(Entries(list).at(2), "CD-ROM/DVD-ROM/CD-RW");
        Drag(list, EntryCentre(list, 2), EntryCentre(list, 0));
        ASSERT_TRUE(Eventually([&] { return Entries(list).front() == "CD-ROM/DVD-ROM/CD-RW"; }));
        PressButton(::GetParent(::GetParent(list)), IDOK);
        HWND prompt = WaitForWindow("#32770", kRestartPrompt, tlw.id(), kWait);
        ASSERT_NE(prompt, nullptr);
        PressButton(prompt, IDOK);
        ASSERT_TRUE(tlw.WaitForExit(kWait));
    }
    const auto log = ReadLines(dir_.File("tlw.log"));
    EXPECT_NE(std::find(log.begin(), log.end(), "RESTART"), log.end());
    EXPECT_NE(ReadText(dir_.File("tlw.ini")).find("boot_sequence = 02 00 01 08"), std::string::npos);

    Process again(launch);
    HWND list = bootList(again);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Entries(list),
              (std::vector<std::string>{"CD-ROM/DVD-ROM/CD-RW", "Floppy Disk", "Hard Disk", "ZIP Drive"}));
    ::PostMessageA(::GetParent(::GetParent(list)), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(again.WaitForExit(kWait));
}

}  // namespace
