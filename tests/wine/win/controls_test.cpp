// The control wrappers over real controls: a list view in report view, a track
// bar, a drag list and a sorted drop-down combo box, children of a window that
// records what their owner is told.
#include <gtest/gtest.h>

#include <vector>

#include "tests/wine/harness.h"
#include "win/combo_box.h"
#include "win/list_box.h"
#include "win/list_view.h"
#include "win/track_bar.h"

namespace {

struct Told {
    UINT message;
    WPARAM wParam;
};
std::vector<Told> g_told;

LRESULT CALLBACK Owner(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL || message == WM_COMMAND) g_told.push_back({message, wParam});
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        ::InitCommonControlsEx(&classes);
        static ATOM atom = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = Owner;
            windowClass.hInstance = ::GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "ControlsOwner";
            return ::RegisterClassA(&windowClass);
        }();
        (void)atom;
        owner_ = ::CreateWindowExA(0, "ControlsOwner", "owner", WS_POPUP | WS_VISIBLE, 40, 40, 400, 300, nullptr,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        g_told.clear();
    }
    void TearDown() override { ::DestroyWindow(owner_); }

    HWND Child(const char* className, DWORD style, int x, int y, int width, int height) const {
        return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, owner_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(++ids_)), ::GetModuleHandleA(nullptr),
                                 nullptr);
    }

    HWND owner_ = nullptr;
    mutable int ids_ = 100;
};

TEST_F(Controls, ListViewHoldsColumnsAndRowsUntilEmptied) {
    win::ListView list(Child(WC_LISTVIEWA, LVS_REPORT | WS_BORDER, 10, 10, 300, 150));
    ASSERT_NE(list.handle(), nullptr);
    EXPECT_EQ(list.InsertColumn(0, "Device", 80), 0);
    EXPECT_EQ(list.InsertColumn(1, "Configuration", 200), 1);
    EXPECT_EQ(list.ColumnWidth(0), 80);
    EXPECT_EQ(list.ColumnWidth(1), 200);
    EXPECT_EQ(list.InsertItem(0, "CPU"), 0);
    EXPECT_TRUE(list.SetItemText(0, 1, "Processor, 1000 MHz"));
    EXPECT_EQ(list.InsertItem(1, "Total Memory"), 1);
    EXPECT_TRUE(list.SetItemText(1, 1, "256 MB"));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ItemText(0, 0), "CPU");
    EXPECT_EQ(list.ItemText(0, 1), "Processor, 1000 MHz");
    EXPECT_EQ(list.ItemText(1, 1), "256 MB");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ColumnWidth(1), 200) << "emptying keeps the columns";
}

TEST_F(Controls, TrackBarSetInCodeTellsItsOwnerNothingTheUserMovingItDoes) {
    win::TrackBar bar(Child(TRACKBAR_CLASSA, TBS_AUTOTICKS | TBS_TOP, 10, 10, 200, 30));
    ASSERT_NE(bar.handle(), nullptr);
    bar.SetRange(0, 7);
    bar.SetTickFrequency(4);
    bar.SetPageSize(4);
    bar.SetLineSize(1);
    bar.SetPosition(5);
    EXPECT_EQ(bar.Minimum(), 0);
    EXPECT_EQ(bar.Maximum(), 7);
    EXPECT_EQ(bar.PageSize(), 4);
    EXPECT_EQ(bar.LineSize(), 1);
    EXPECT_EQ(bar.Position(), 5);
    bar.SetPosition(20);
    EXPECT_EQ(bar.Position(), 7) << "held inside the range";
    bar.SetPosition(3);
    EXPECT_TRUE(g_told.empty()) << "a scroll notification for a change made in code";

    ::SendMessageA(bar, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(bar.Position(), 4);
    ASSERT_FALSE(g_told.empty()) << "the user's move was not told";
    EXPECT_EQ(g_told.front().message, static_cast<UINT>(WM_HSCROLL));
    EXPECT_EQ(LOWORD(g_told.front().wParam), TB_LINEDOWN);
}

TEST_F(Controls, DragListFindsTheEntryUnderAPointAndKeepsTheListBasics) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // no combo box; list entries without a font height
    win::DragList list(Child("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER, 10, 10, 200, 120));
    ASSERT_NE(list.handle(), nullptr);
    ASSERT_TRUE(list.Make());
    EXPECT_NE(win::DragListMessage(), 0u);
    EXPECT_EQ(win::DragListMessage(), ::RegisterWindowMessage(DRAGLISTMSGSTRING));
    for (const char* text : {"Floppy Disk", "Hard Disk", "CD-ROM/DVD-ROM/CD-RW", "ZIP Drive"}) list.Add(text);
    EXPECT_EQ(list.Insert(0, ""), 0) << "an empty entry is an entry";
    EXPECT_EQ(list.Count(), 5);
    EXPECT_TRUE(list.Delete(0));
    EXPECT_EQ(list.ItemText(2), "CD-ROM/DVD-ROM/CD-RW");
    EXPECT_EQ(list.ItemText(9), "");
    list.Select(1);
    EXPECT_EQ(list.Selection(), 1);
    EXPECT_TRUE(g_told.empty()) << "a selection made in code was told";

    RECT entry;
    ::SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&entry));
    POINT middle = {(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2};
    ::ClientToScreen(list, &middle);
    EXPECT_EQ(list.ItemFromPoint(middle, false), 2);
    RECT area;
    ::GetClientRect(list, &area);
    POINT belowLast = {area.right / 2, area.bottom - 2};
    ::ClientToScreen(list, &belowLast);
    EXPECT_EQ(list.ItemFromPoint(belowLast, false), -1) << "below the last entry there is none";
    list.DrawInsertMark(owner_, 2);
    list.DrawInsertMark(owner_, -1);

    list.DeleteAll();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(Controls, SortedComboBoxKeepsEachEntrysDataAndSelectsQuietly) {
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // no combo box; list entries without a font height
    win::ComboBox combo(Child("COMBOBOX", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 10, 10, 200, 100));
    ASSERT_NE(combo.handle(), nullptr);
    const int secondary = combo.Add("Secondary HDD");
    ASSERT_TRUE(combo.SetItemData(secondary, 2));
    const int primary = combo.Add("Primary HDD");
    ASSERT_TRUE(combo.SetItemData(primary, 0));
    EXPECT_EQ(primary, 0) << "sorted into its place";
    EXPECT_EQ(combo.Count(), 2);
    EXPECT_EQ(combo.ItemText(0), "Primary HDD");
    EXPECT_EQ(combo.ItemText(1), "Secondary HDD");
    EXPECT_EQ(combo.ItemData(0), 0);
    EXPECT_EQ(combo.ItemData(1), 2) << "the data moved with its entry";
    EXPECT_EQ(combo.Selection(), CB_ERR);
    EXPECT_TRUE(combo.Select(1));
    EXPECT_EQ(combo.Selection(), 1);
    EXPECT_FALSE(combo.Select(5));
    for (const Told& told : g_told) EXPECT_NE(HIWORD(told.wParam), CBN_SELCHANGE) << "selection in code was told";
    combo.DeleteAll();
    EXPECT_EQ(combo.Count(), 0);
}

}  // namespace
