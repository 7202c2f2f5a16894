// The information page in the program's sheet on a simulated notebook: its
// list and the order of its rows under Windows NT 4.0 and Windows 2000 (the
// Wine prefix's own version setting, in a child run of this program), its
// label column, a BIOS that refuses everything, and the asset tag entered,
// applied, and discarded by Load Previous.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/wine/app/sheet_fixture.h"
#include "win/resources.h"

namespace {

using namespace wt;

constexpr int kInfoPage = 0;
constexpr const char* kAssetTagTitle = "Change Asset Tag Number";

struct Row {
    std::string label;
    std::string value;
    bool operator==(const Row& other) const { return label == other.label && value == other.value; }
};
using Rows = std::vector<Row>;

void PrintTo(const Row& row, std::ostream* out) { *out << "(\"" << row.label << "\", \"" << row.value << "\")"; }

std::string ItemText(HWND list, int index, int column) {
    char text[512] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

HWND ListOf(HWND page) { return ::GetDlgItem(page, IDC_INFO_LIST); }

Rows RowsOf(HWND page) {
    HWND list = ListOf(page);
    Rows rows;
    const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) rows.push_back({ItemText(list, i, 0), ItemText(list, i, 1)});
    return rows;
}

int ColumnCount(HWND page) {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(ListOf(page), LVM_GETHEADER, 0, 0));
    return static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

bool ButtonEnabled(HWND page) { return ::IsWindowEnabled(::GetDlgItem(page, IDC_CHANGE_ASSET_TAG)) != FALSE; }

// The rows from `first` on whose label is one of the identity labels.
Rows IdentityRows(const Rows& rows) {
    const std::vector<std::string> labels = {win::LoadText(IDS_DMI_MANUFACTURER), win::LoadText(IDS_DMI_PRODUCT_NAME),
                                             win::LoadText(IDS_DMI_SERIAL_NUMBER), win::LoadText(IDS_DMI_UUID),
                                             win::LoadText(IDS_DMI_ASSET_TAG)};
    Rows found;
    for (const Row& row : rows) {
        for (const std::string& label : labels) {
            if (row.label == label) found.push_back(row);
        }
    }
    return found;
}

class InfoPage : public SheetFixture {
protected:
    std::size_t Count(const std::string& call) const { return LinesOf(Log(), call).size(); }
};

// The asset tag typed into the dialog, as the dialog reads it: the texts set,
// then OK. Under Wine's WoW64 mode the edits send no change notice for a text
// set without keys and cannot be typed at, so the flows that enter a tag run
// in the 64-bit build only.
#define SKIP_IF_TAG_CANNOT_BE_ENTERED()                                                                  \
    do {                                                                                                \
        if (!wt::WhyWow64HasNoDisplay().empty()) {                                                      \
            GTEST_SKIP() << "Wine 8's WoW64 mode: the asset tag edits cannot be typed at (a typed "        \
                            "character crashes drawing it) and send no change notice for a text set "    \
                            "without keys";                                                             \
        }                                                                                               \
    } while (false)

void EnterTag(HWND page, const std::string& tag) {
    ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CHANGE_ASSET_TAG, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page, IDC_CHANGE_ASSET_TAG)));
    HWND dialog = WaitForDialog(kAssetTagTitle);
    ASSERT_NE(dialog, nullptr) << "no asset tag dialog";
    ::SetDlgItemTextA(dialog, IDC_NEW_ASSET_TAG, tag.c_str());
    ::SetDlgItemTextA(dialog, IDC_CONFIRM_ASSET_TAG, tag.c_str());
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitForWindowGone(dialog, kSheetWait));
}

TEST_F(InfoPage, TheIdentityRowsCloseTheListAndTheButtonIsOpenWhileNoTagIsStored) {
    Rows rows;
    bool enabled = false;
    int columns = 0;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kInfoPage);
        rows = RowsOf(page);
        enabled = ButtonEnabled(page);
        columns = ColumnCount(page);
    });
    EXPECT_EQ(columns, 2);
    ASSERT_GE(rows.size(), 5u);
    const Rows identity(rows.end() - 5, rows.end());
    EXPECT_EQ(IdentityRows(rows), identity) << "the identity rows are the list's last five";
    EXPECT_EQ(identity[0], (Row{win::LoadText(IDS_DMI_MANUFACTURER), "Simulated Notebooks"}));
    EXPECT_EQ(identity[1], (Row{win::LoadText(IDS_DMI_PRODUCT_NAME), "SN-100"}));
    EXPECT_EQ(identity[4], (Row{win::LoadText(IDS_DMI_ASSET_TAG), win::LoadText(IDS_NOT_AVAILABLE)}));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(Count("DmiProxy"), 1u) << "one read for the one fill";
}

TEST_F(InfoPage, AStoredTagShowsAndLocksTheButton) {
    OpenNotebook("asset_tag = IT-0042\n");
    Rows rows;
    bool enabled = true;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kInfoPage);
        rows = RowsOf(page);
        enabled = ButtonEnabled(page);
    });
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back(), (Row{win::LoadText(IDS_DMI_ASSET_TAG), "IT-0042"}));
    EXPECT_FALSE(enabled);
}

TEST_F(InfoPage, AFailedDmiReadShowsNoIdentityAndLeavesTheButtonOpen) {
    OpenNotebook("refuse = DmiProxy channel\n");
    Rows rows;
    bool enabled = false;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kInfoPage);
        rows = RowsOf(page);
        enabled = ButtonEnabled(page);
    });
    EXPECT_FALSE(rows.empty()) << "the machine's rows stay";
    EXPECT_TRUE(IdentityRows(rows).empty());
    EXPECT_TRUE(enabled);
}

TEST_F(InfoPage, ApplyWritesBlanksThenTheTagAndTheRefilledListShowsItLocked) {
    SKIP_IF_TAG_CANNOT_BE_ENTERED();
    Rows before, after;
    bool applyAfterEntry = false, enabledAfter = true;
    std::size_t writesBeforeApply = 99;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kInfoPage);
        before = RowsOf(page);
        EnterTag(page, "IT-7");
        applyAfterEntry = Eventually([&] { return ApplyEnabled(sheet); });
        writesBeforeApply = Count("SetAssetTag");
        Click(sheet, IDC_SHEET_APPLY);
        Eventually([&] { return !ButtonEnabled(page); });
        after = RowsOf(page);
        enabledAfter = ButtonEnabled(page);
    });
    EXPECT_TRUE(applyAfterEntry);
    EXPECT_EQ(writesBeforeApply, 0u) << "the tag waits for Apply";
    const auto writes = LinesOf(Log(), "SetAssetTag");
    ASSERT_EQ(writes.size(), 2u);
    std::string blanks;
    for (int i = 0; i < 31; ++i) blanks += "20";
    EXPECT_NE(writes[0].find("BUF=" + blanks + "00 ->"), std::string::npos) << writes[0];
    EXPECT_NE(writes[1].find("BUF=49542D3700 ->"), std::string::npos) << writes[1];
    ASSERT_EQ(after.size(), before.size()) << "one set of rows after the refill";
    EXPECT_EQ(after.back(), (Row{win::LoadText(IDS_DMI_ASSET_TAG), "IT-7"}));
    EXPECT_FALSE(enabledAfter);
}

TEST_F(InfoPage, CancelAfterEnteringATagWritesNothing) {
    SKIP_IF_TAG_CANNOT_BE_ENTERED();
    RunSheet([&](HWND sheet) {
        EnterTag(ShowPage(sheet, kInfoPage), "IT-8");
        Click(sheet, IDCANCEL);
    });
    EXPECT_EQ(Count("SetAssetTag"), 0u);
}

TEST_F(InfoPage, LoadPreviousDiscardsAnEnteredTagAndALaterApplyWritesNone) {
    SKIP_IF_TAG_CANNOT_BE_ENTERED();
    std::size_t readsAfterRestore = 0;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kInfoPage);
        EnterTag(page, "IT-9");
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
        Answer("Load Previous BIOS Settings", IDOK);
        Eventually([&] { return Count("DmiProxy") >= 2; });
        readsAfterRestore = Count("DmiProxy");
        Click(sheet, IDC_SHEET_APPLY);
        Click(sheet, IDOK);
    });
    EXPECT_GE(readsAfterRestore, 2u) << "Load Previous refills the list";
    EXPECT_EQ(Count("SetAssetTag"), 0u);
}

}  // namespace
