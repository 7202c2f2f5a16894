// The program without a mouse, with real keys through Wine's keyboard layer:
// the boot order moved by Alt+Up, Alt+Down and the list's context menu, Tab
// from the sheet's tabs through every control of each page, and the asset tag
// dialog's focus and Tab order. Each key's effect is waited for in what the
// program shows, never by time alone.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "pages/info/asset_tag_dlg.h"
#include "pages/info/asset_tag_entry.h"
#include "res/resource.h"
#include "tests/wine/app/sheet_fixture.h"
#include "tests/wine/pages/typing.h"
#include "win/list_box.h"

namespace {

using namespace wt;

const int kBootPage = tlw::PageIndexOf(IDD_BOOT_PAGE);
const std::string kTail = "FFFFFFFFFFFFFFFFFFFFFFFF";  // after a four-code list
const std::vector<std::string> kDefaultOrder = {"Floppy Disk", "Hard Disk", "CD-ROM/DVD-ROM/CD-RW", "ZIP Drive"};

std::vector<std::string> Entries(HWND list) {
    std::vector<std::string> texts;
    const win::ListBox box(list);
    for (int i = 0; i < box.Count(); ++i) texts.push_back(box.ItemText(i));
    return texts;
}

// Alt held around `vk`, as a hand presses the chord.
void PressWithAlt(WORD vk) {
    ::keybd_event(VK_MENU, ScanCodeOf(VK_MENU), 0, 0);
    PressKey(vk);
    ::keybd_event(VK_MENU, ScanCodeOf(VK_MENU), KEYEVENTF_KEYUP, 0);
}

// The menu item shown highlighted, or -1.
int Highlighted(HMENU menu) {
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        if (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
    }
    return -1;
}

// The child of `page` that holds `focus` (a combo box for its edit), or null.
HWND PageChildOf(HWND page, HWND focus) {
    while (focus && ::GetParent(focus) != page) focus = ::GetParent(focus);
    return focus;
}

class Keyboard : public SheetFixture {
protected:
    // The boot page in front with the focus in its list, the entry at
    // `selected` chosen with the arrow keys as a user chooses it.
    HWND FocusBootList(HWND sheet, int selected) {
        HWND page = ShowPage(sheet, kBootPage);
        HWND list = ::GetDlgItem(page, IDC_BOOT_ORDER_LIST);
        EXPECT_TRUE(BringToFront(sheet));
        EXPECT_TRUE(FocusControl(page, IDC_BOOT_ORDER_LIST));
        PressKey(VK_HOME);
        EXPECT_TRUE(Eventually([&] { return win::ListBox(list).Selection() == 0; }));
        for (int i = 0; i < selected; ++i) PressKey(VK_DOWN);
        EXPECT_TRUE(Eventually([&] { return win::ListBox(list).Selection() == selected; }));
        return list;
    }

    std::vector<std::string> Writes(const std::string& ebx) const {
        std::vector<std::string> found;
        for (const std::string& line : LinesOf(Log(), "SetBootSeq")) {
            if (line.find(" EBX=" + ebx + " ") != std::string::npos) found.push_back(line);
        }
        return found;
    }
};

TEST_F(Keyboard, AltUpMovesTheLastBootEntryUpAndAltDownThereChangesNothing) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the boot page's combo box cannot be made
    std::vector<std::string> afterKeys;
    int selectedAfter = -1;
    bool prompted = false;
    RunSheet([&](HWND sheet) {
        HWND list = FocusBootList(sheet, 3);
        // Alt+Down on the last entry, then Alt+Up: keys are taken in order, so
        // once Alt+Up has shown, Alt+Down was taken before it.
        PressWithAlt(VK_DOWN);
        PressWithAlt(VK_UP);
        Eventually([&] { return Entries(list) != kDefaultOrder; });
        afterKeys = Entries(list);
        selectedAfter = win::ListBox(list).Selection();
        EXPECT_TRUE(ApplyEnabled(sheet)) << "a move marks the page";
        Click(sheet, IDOK);
        HWND prompt = WaitForDialog("BIOS Settings Change");
        prompted = prompt != nullptr;
        if (prompt) Click(prompt, IDCANCEL);
    });
    EXPECT_EQ(afterKeys, (std::vector<std::string>{"Floppy Disk", "Hard Disk", "ZIP Drive", "CD-ROM/DVD-ROM/CD-RW"}))
        << "Alt+Down on the last entry moved something, or Alt+Up did not move it one place";
    EXPECT_EQ(selectedAfter, 2) << "the moved entry stays selected";
    EXPECT_TRUE(prompted);
    const auto writes = Writes("00000117");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("BUF=00010802" + kTail), std::string::npos) << writes[0];
    EXPECT_NE(StateText().find("boot_sequence = 00 01 08 02"), std::string::npos);
}

// The context menu from Shift+F10: its four moves, greyed where they cannot
// act, and "Move to Top" chosen with the arrow keys and Enter.
TEST_F(Keyboard, ShiftF10OpensTheListsMenuWhoseMoveToTopWorksFromTheKeys) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the boot page's combo box cannot be made
    const char* const kItems[] = {"Move Up", "Move Down", "Move to Top", "Move to Bottom"};
    struct Seen {
        int selected;
        std::vector<std::string> texts;
        std::vector<bool> greyed;
    };
    std::vector<Seen> menus;
    std::vector<std::string> afterMenu;
    RunSheet([&](HWND sheet) {
        for (int selected : {0, 1, 3}) {
            HWND list = FocusBootList(sheet, selected);
            PressKey(VK_F10, true);
            HWND menu = WaitForWindow("#32768", nullptr, ::GetCurrentProcessId(), kSheetWait);
            ASSERT_NE(menu, nullptr) << "Shift+F10 opened no menu";
            const auto handle = reinterpret_cast<HMENU>(::SendMessageA(menu, MN_GETHMENU, 0, 0));
            ASSERT_NE(handle, nullptr);
            Seen seen{selected, {}, {}};
            for (int i = 0; i < ::GetMenuItemCount(handle); ++i) {
                char text[64] = {};
                ::GetMenuStringA(handle, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
                seen.texts.push_back(text);
                seen.greyed.push_back((::GetMenuState(handle, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0);
            }
            menus.push_back(seen);
            if (selected != 3) {
                PressKey(VK_ESCAPE);
                ASSERT_TRUE(WaitForWindowGone(menu, kSheetWait));
                continue;
            }
            // Down until "Move to Top" is the highlighted item, then Enter.
            for (int presses = 0; presses < 8 && Highlighted(handle) != 2; ++presses) {
                const int before = Highlighted(handle);
                PressKey(VK_DOWN);
                Eventually([&] { return Highlighted(handle) != before; }, 3000);
            }
            ASSERT_EQ(Highlighted(handle), 2) << "the arrow keys never reached \"Move to Top\"";
            PressKey(VK_RETURN);
            ASSERT_TRUE(WaitForWindowGone(menu, kSheetWait));
            Eventually([&] { return Entries(list).front() != "Floppy Disk"; });
            afterMenu = Entries(list);
            EXPECT_EQ(win::ListBox(list).Selection(), 0);
        }
        Click(sheet, win::kApplyButton);
        Eventually([&] { return !ApplyEnabled(sheet); });
    });
    ASSERT_EQ(menus.size(), 3u);
    const std::vector<bool> greyedFor[] = {{true, false, true, false},    // the first entry
                                           {false, false, false, false},  // one in the middle
                                           {false, true, false, true}};   // the last entry
    for (std::size_t m = 0; m < menus.size(); ++m) {
        SCOPED_TRACE("entry " + std::to_string(menus[m].selected));
        EXPECT_EQ(menus[m].texts, (std::vector<std::string>(std::begin(kItems), std::end(kItems))));
        EXPECT_EQ(menus[m].greyed, greyedFor[m]);
    }
    EXPECT_EQ(afterMenu, (std::vector<std::string>{"ZIP Drive", "Floppy Disk", "Hard Disk", "CD-ROM/DVD-ROM/CD-RW"}));
    const auto writes = Writes("00000117");
    ASSERT_EQ(writes.size(), 1u) << "Apply writes the moved list";
    EXPECT_NE(writes[0].find("BUF=08000102" + kTail), std::string::npos) << writes[0];
}

// The controls of `page` that Tab must reach: every visible, enabled tab
// stop, a group of radio buttons once (Tab lands on its checked button).
std::vector<std::set<HWND>> TabStopsOf(HWND page) {
    std::vector<std::set<HWND>> stops;
    bool inRadioGroup = false;
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = ::GetWindowLongPtrA(child, GWL_STYLE);
        char name[32] = {};
        ::GetClassNameA(child, name, sizeof name);
        const bool radio = lstrcmpiA(name, "Button") == 0 && ((style & BS_TYPEMASK) == BS_AUTORADIOBUTTON ||
                                                              (style & BS_TYPEMASK) == BS_RADIOBUTTON);
        if (!radio || (style & WS_GROUP)) inRadioGroup = false;
        if (!::IsWindowVisible(child) || !::IsWindowEnabled(child) || !(style & WS_TABSTOP)) continue;
        if (radio && inRadioGroup) {
            stops.back().insert(child);
            continue;
        }
        stops.push_back({child});
        inRadioGroup = radio;
    }
    return stops;
}

TEST_F(Keyboard, TabFromTheTabsReachesEveryControlOfEachPage) {
    // A second hard disk, so that the boot page offers its hard disk box too.
    OpenNotebook("ide_type_82 = 01 01\nhdd_boot = 0\n");
    const bool bootPageCanBeMade = WhyWow64HasNoDisplay().empty();
    std::vector<std::string> missed;
    std::vector<int> reached;
    RunSheet([&](HWND sheet) {
        ASSERT_TRUE(BringToFront(sheet));
        HWND tabs = ::GetDlgItem(sheet, IDC_SHEET_TABS);
        for (int index : PagesBootPageLast(bootPageCanBeMade)) {
            HWND page = ShowPage(sheet, index);
            ASSERT_TRUE(FocusControl(sheet, IDC_SHEET_TABS));
            std::set<HWND> focused;
            HWND now = tabs;
            for (int presses = 0; presses < 20; ++presses) {
                PressKey(VK_TAB);
                const HWND before = now;
                Eventually([&] { return FocusOf(sheet) != before; }, 3000);
                now = FocusOf(sheet);
                if (now == tabs) break;
                focused.insert(PageChildOf(page, now));
            }
            EXPECT_EQ(now, tabs) << "Tab never came back to the tabs from page " << index;
            const auto stops = TabStopsOf(page);
            reached.push_back(static_cast<int>(stops.size()));
            for (const std::set<HWND>& stop : stops) {
                bool hit = false;
                for (HWND control : stop) hit = hit || focused.count(control) != 0;
                if (!hit) missed.push_back("page " + std::to_string(index) + " control " +
                                           std::to_string(::GetDlgCtrlID(*stop.begin())) + " \"" +
                                           TextOf(*stop.begin()) + "\"");
            }
            // The information list is one of them now.
            if (index == 0) {
                EXPECT_EQ(focused.count(::GetDlgItem(page, IDC_INFO_LIST)), 1u) << "the information list";
            }
        }
    });
    EXPECT_TRUE(missed.empty()) << "Tab never reached: " << ::testing::PrintToString(missed);
    // Information (button, list), POST (two boxes), Password (two buttons),
    // Display (two radio groups, two track bars), Boot (list, hard disk box).
    const std::vector<int> expected = bootPageCanBeMade ? std::vector<int>{2, 2, 2, 4, 2} : std::vector<int>{2, 2, 2, 4};
    EXPECT_EQ(reached, expected);
    if (!bootPageCanBeMade) GTEST_SKIP() << "the other pages passed; the boot page could not be made: "
                                         << WhyWow64HasNoDisplay();
}

TEST_F(Keyboard, TheAssetTagDialogOpensInItsFirstFieldAndTabsThroughTheFieldsThenTheButtons) {
    tlw::AssetTagEntry entry;
    int firstId = 0;
    std::vector<int> tabbed, tabbedWithConfirmation;
    bool typed = false;
    std::thread user([&] {
        HWND dialog = WaitForDialog("Change Asset Tag Number");
        if (!dialog) return ADD_FAILURE() << "no dialog";
        BringToFront(dialog);
        // The dialog manager gives the focus to a control once the dialog has shown.
        Eventually([&] { return FocusOf(dialog) && ::GetParent(FocusOf(dialog)) == dialog; });
        const HWND first = FocusOf(dialog);
        firstId = ::GetDlgCtrlID(first);
        const auto tabRound = [&](std::vector<int>& ids) {
            HWND now = FocusOf(dialog);
            for (int presses = 0; presses < 6; ++presses) {
                PressKey(VK_TAB);
                const HWND before = now;
                Eventually([&] { return FocusOf(dialog) != before; }, 3000);
                now = FocusOf(dialog);
                ids.push_back(::GetDlgCtrlID(now));
                if (now == first) break;
            }
        };
        tabRound(tabbed);
        // A typed character opens the confirmation field, which Tab then reaches.
        if (WhyEditsCannotBeTypedAt().empty()) {
            TypeText("A");
            typed = Eventually([&] { return ::IsWindowEnabled(::GetDlgItem(dialog, IDC_CONFIRM_ASSET_TAG)) != 0; });
            tabRound(tabbedWithConfirmation);
        }
        Click(dialog, IDCANCEL);
    });
    CAssetTagDlg dialog(entry);
    dialog.DoModal();
    user.join();
    EXPECT_EQ(firstId, IDC_NEW_ASSET_TAG) << "the focus does not start in the new tag's field";
    EXPECT_EQ(tabbed, (std::vector<int>{IDOK, IDCANCEL, IDC_NEW_ASSET_TAG})) << "the confirmation is still closed";
    if (!WhyEditsCannotBeTypedAt().empty()) GTEST_SKIP() << WhyEditsCannotBeTypedAt();
    EXPECT_TRUE(typed);
    EXPECT_EQ(tabbedWithConfirmation, (std::vector<int>{IDC_CONFIRM_ASSET_TAG, IDOK, IDCANCEL, IDC_NEW_ASSET_TAG}));
}

}  // namespace
