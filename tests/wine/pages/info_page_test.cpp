// The information page in the program's sheet on a simulated notebook: its
// list and the order of its rows under Windows NT 4.0 and Windows 2000 (the
// Wine prefix's own version setting, in a child run of this program), its
// label column, a BIOS that refuses everything, and the asset tag entered,
// applied, and discarded by Load Previous.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "bios/machine_facts.h"
#include "res/resource.h"
#include "tests/native/dmi/dmi_test_tables.h"
#include "tests/wine/app/sheet_fixture.h"
#include "tests/wine/harness.h"
#include "win/resources.h"

namespace {

using namespace wt;

const int kInfoPage = tlw::PageIndexOf(IDD_INFO_PAGE);
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

    // The list and the asset tag button as the page first shows them.
    struct Shown {
        Rows rows;
        bool buttonEnabled = false;
    };
    Shown ShowList() {
        Shown shown;
        RunSheet([&](HWND sheet) {
            HWND page = ShowPage(sheet, kInfoPage);
            shown.rows = RowsOf(page);
            shown.buttonEnabled = ButtonEnabled(page);
        });
        return shown;
    }
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

TEST_F(InfoPage, ARealNotebooksTableShowsThatMachinesIdentity) {
    TLW_SKIP_WITHOUT_REAL_TABLES();
    const auto tables = tlw::dmi::test::RealTables();
    ASSERT_FALSE(tables.empty());
    for (const auto& t : tables) {
        if (t.name.rfind("notebook-", 0) != 0) continue;
        SCOPED_TRACE(t.name);
        std::string path = "Z:" + std::string(TALLOWIN_SMBIOS_TABLES) + "/" + t.name;
        for (char& c : path) c = c == '/' ? '\\' : c;
        OpenNotebook("dmi_table = " + path + "\n");
        const Rows rows = ShowList().rows;
        const Rows identity = IdentityRows(rows);
        ASSERT_EQ(identity.size(), 5u);
        EXPECT_EQ(identity[0], (Row{win::LoadText(IDS_DMI_MANUFACTURER), t.manufacturer}));
        EXPECT_EQ(identity[1], (Row{win::LoadText(IDS_DMI_PRODUCT_NAME), t.product}));
        EXPECT_EQ(identity[2], (Row{win::LoadText(IDS_DMI_SERIAL_NUMBER), t.serial}));
        EXPECT_EQ(identity[3], (Row{win::LoadText(IDS_DMI_UUID), t.uuidDigits}));
    }
}

TEST_F(InfoPage, AStoredTagShowsAndLocksTheButton) {
    OpenNotebook("asset_tag = IT-0042\n");
    const Shown shown = ShowList();
    ASSERT_FALSE(shown.rows.empty());
    EXPECT_EQ(shown.rows.back(), (Row{win::LoadText(IDS_DMI_ASSET_TAG), "IT-0042"}));
    EXPECT_FALSE(shown.buttonEnabled);
}

TEST_F(InfoPage, AFailedDmiReadShowsNoIdentityAndLeavesTheButtonOpen) {
    OpenNotebook("refuse = DmiProxy channel\n");
    const Shown shown = ShowList();
    EXPECT_FALSE(shown.rows.empty()) << "the machine's rows stay";
    EXPECT_TRUE(IdentityRows(shown.rows).empty());
    EXPECT_TRUE(shown.buttonEnabled);
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

// ---- The machine's rows, under the two views of the ports.

// A notebook whose every machine fact is given.
constexpr const char* kMachine =
    "cpu = 0 10 9 12 700\n"
    "system_ram_mb = 256\n"
    "video_ram_kb = 16384\n"
    "ide_type_80 = 01 01\n"
    "serial_port = 0 0x3f8 4 1\n"
    "parallel_port = 0 0x378 7 3 3\n"
    "internal_cache = 0 2\n"
    "external_cache = 2 7\n"
    "touch_pad = 0\n"
    "hard_disk_geometry = 38760 16 63 512\n"
    "port_devices = ACPI\\PNP0501\\1:22 ACPI\\PNP0401\\0:0\n";

// Its rows before the identity rows, the ports as `ports` gives them.
Rows MachineRowsWith(const Rows& ports) {
    Rows rows = {{"CPU", "Intel"},
                 {"", "Pentium III"},
                 {"", "700 MHz"},
                 {"Total Memory", "256 MB"},
                 {"Video RAM", "16.0 MB"},
                 {"Hard Disk", "20004 MB"}};
    rows.insert(rows.end(), ports.begin(), ports.end());
    rows.insert(rows.end(), {{"Internal Cache", "Cache ON (32 KB)"},
                             {"External Cache", "Cache OFF (2 MB)"},
                             {"TouchPad", "Disabled"}});
    return rows;
}

// The BIOS's view, below Windows 2000.
const Rows kBiosPorts = {{"Serial Port 1", "3f8h (IRQ 4) "},
                         {"", "Operation Mode: IrDA"},
                         {"Parallel Port", "378h (IRQ 7) "},
                         {"", "Operation Mode: ECP (DMA 3 )"}};
// The device manager's: the serial port disabled by the user (problem 22).
const Rows kDeviceManagerPorts = {{"Serial Port", "Disabled"}, {"Parallel Port", "Enabled"}};

DWORD MajorVersion() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    return version.dwMajorVersion;
}

class InfoPageRows : public InfoPage {
protected:
    static Rows WithoutIdentity(Rows rows) {
        if (rows.size() >= 5 && IdentityRows(Rows(rows.end() - 5, rows.end())).size() == 5) rows.resize(rows.size() - 5);
        return rows;
    }
};

// Run only as a child of the version tests below, under the Windows version
// Wine was told for this program.
TEST_F(InfoPageRows, DISABLED_UnderNt40TheBiosDescribesThePorts) {
    ASSERT_EQ(MajorVersion(), 4u) << "Wine's version setting for this program did not take";
    OpenNotebook(kMachine);
    const Rows rows = ShowList().rows;
    EXPECT_EQ(WithoutIdentity(rows), MachineRowsWith(kBiosPorts));
    EXPECT_EQ(rows.size(), MachineRowsWith(kBiosPorts).size() + 5);
}

TEST_F(InfoPageRows, DISABLED_UnderNt40ABiosRefusingEverythingLeavesUnknownsAndNoDriveOrTouchPad) {
    ASSERT_EQ(MajorVersion(), 4u) << "Wine's version setting for this program did not take";
    std::string refusals;
    for (const char* call : {"GetCpuInfo", "GetSystemRam", "GetVideoRam", "GetIdeType", "GetSerialPort",
                             "GetParellelPort", "GetInternalCacheStatus", "GetExtCacheStatus", "GetTouchPad"}) {
        refusals += std::string("refuse = ") + call + " status\n";
    }
    OpenNotebook(std::string(kMachine) + refusals);
    const Rows expected = {{"CPU", "Unknown Brand"},   {"", "Unknown Type"},          {"", "Unknown Speed"},
                           {"Total Memory", "Unknown"}, {"Video RAM", "0.0 MB"},        {"Serial Port 1", "Unknown"},
                           {"Parallel Port", "Unknown"}, {"Internal Cache", "Unknown"}, {"External Cache", "Unknown"}};
    EXPECT_EQ(WithoutIdentity(ShowList().rows), expected);
}

TEST_F(InfoPageRows, DISABLED_UnderWindows2000TheDeviceManagerDescribesThePorts) {
    ASSERT_GE(MajorVersion(), 5u) << "Wine's version setting for this program did not take";
    OpenNotebook(kMachine);
    EXPECT_EQ(WithoutIdentity(ShowList().rows), MachineRowsWith(kDeviceManagerPorts));
    // No port device listed: no port rows at all.
    std::string none = kMachine;
    none.replace(none.find("port_devices = "), std::string::npos, "port_devices =\n");
    OpenNotebook(none);
    EXPECT_EQ(WithoutIdentity(ShowList().rows), MachineRowsWith({}));
}

// Wine's own version setting for this test program
// (HKCU\Software\Wine\AppDefaults\<program>.exe, value Version), set for
// the life of the object: a new process of the program reports that version.
class WineVersionSetting {
public:
    explicit WineVersionSetting(const char* version) {
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string name = path;
        name = name.substr(name.find_last_of("\\/") + 1);
        key_ = "Software\\Wine\\AppDefaults\\" + name;
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr) == ERROR_SUCCESS) {
            set_ = ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                                    static_cast<DWORD>(std::strlen(version) + 1)) == ERROR_SUCCESS;
            ::RegCloseKey(key);
        }
    }
    ~WineVersionSetting() { ::RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str()); }
    bool set() const { return set_; }

private:
    std::string key_;
    bool set_ = false;
};

// Runs the tests `filter` names in a new process of this program while Wine
// reports Windows `version` to it; true when they ran and passed.
void RunUnderVersion(const char* version, const char* filter, int expectedTests) {
    WineVersionSetting setting(version);
    ASSERT_TRUE(setting.set());
    TempDir dir;
    const std::string report = dir.File("report.xml");
    char self[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    Launch launch;
    launch.program = self;
    launch.arguments = std::string("--gtest_also_run_disabled_tests --gtest_filter=") + filter +
                       " --gtest_output=xml:" + report;
    Process child(launch);
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(child.WaitForExit(120000)) << "the child run under " << version << " did not end";
    EXPECT_EQ(child.exitCode(), 0u) << "the child run under " << version << " failed: its output is above";
    const std::string xml = ReadText(report);
    EXPECT_NE(xml.find("tests=\"" + std::to_string(expectedTests) + "\""), std::string::npos) << xml;
    EXPECT_NE(xml.find("failures=\"0\""), std::string::npos) << xml;
}

TEST(InfoPageVersions, UnderWindowsNt40) {
    RunUnderVersion("nt40", "InfoPageRows.DISABLED_UnderNt40*", 2);
}

TEST(InfoPageVersions, UnderWindows2000) {
    RunUnderVersion("win2k", "InfoPageRows.DISABLED_UnderWindows2000*", 1);
}

// ---- The label column.

TEST_F(InfoPage, TheLabelColumnIsAsWideAsTheWidestMeasuredLabelAndTheValueColumnSpansTheList) {
    // Text is measured in a display device context, which WoW64 cannot make.
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();
    int labelWidth = 0, valueWidth = 0, widest = 0, listWidth = 0;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kInfoPage);
        HWND list = ListOf(page);
        labelWidth = static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
        valueWidth = static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0));
        RECT rect = {};
        ::GetWindowRect(list, &rect);
        listWidth = rect.right - rect.left;
        HDC dc = ::GetDC(page);
        for (const char* label : {"Device", "CPU", "Total Memory", "Video RAM", "Hard Disk", "CD-ROM",
                                  "Serial Port %d", "Parallel Port", "Internal Cache", "External Cache",
                                  "Pointing Device", "TouchPad"}) {
            SIZE size = {};
            ::GetTextExtentPoint32A(dc, label, static_cast<int>(std::strlen(label)), &size);
            widest = std::max<int>(widest, size.cx);
        }
        ::ReleaseDC(page, dc);
    });
    EXPECT_GT(widest, 0);
    EXPECT_EQ(labelWidth, widest);
    EXPECT_EQ(valueWidth, listWidth - 2 * ::GetSystemMetrics(SM_CXBORDER));
}

// ---- The operating system's own facts, as the program asks them off the
// simulated notebook.

TEST(OperatingSystemFacts, AnswerFromTheRealServices) {
    const auto facts = tlw::OperatingSystemFacts();
    std::uint64_t bytes = 0;
    ASSERT_TRUE(facts->PhysicalMemory(bytes));
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    ::GlobalMemoryStatus(&status);
    EXPECT_EQ(bytes, status.dwTotalPhys);

    // A drive number the path cannot name is refused before any device is opened.
    tlw::DiskGeometry geometry;
    EXPECT_FALSE(facts->HardDiskGeometry(10, geometry));

    // The device installer is asked for real: no port device holds this text,
    // and the problem number says no problem.
    std::uint32_t problem = 99;
    EXPECT_FALSE(facts->FindPortDevice("TLW-NO-SUCH-DEVICE", problem));
    EXPECT_EQ(problem, 0u);
    problem = 99;
    EXPECT_FALSE(facts->FindPortDevice("", problem)) << "an empty text matches nothing";
    EXPECT_EQ(problem, 0u);
}

}  // namespace
