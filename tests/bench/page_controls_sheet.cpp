// The second yardstick of start-up time: the empty sheet's one page made from
// the information page's template instead, its texts set and its list given
// two columns and twenty rows with the redraw paused, as tlw.exe fills it; no
// picture drawn, no icon, no help button, no BIOS. What it costs above the
// empty sheet is what the first page's controls cost the common controls and
// the window system, whatever program makes them.
#include <string>

#include "pages/page_table.h"
#include "res/resource.h"
#include "tests/bench/one_page_sheet.h"

namespace {

// Labels of the list's rows, from the string table: the machine's, then the
// identity's, twenty in all, as on a notebook with two serial ports.
constexpr UINT kRowLabels[] = {
    IDS_CPU,           IDS_TOTAL_MEMORY,     IDS_VIDEO_RAM,       IDS_HARD_DISK,       IDS_DRIVE_CD_ROM,
    IDS_SERIAL_PORT_N, IDS_SERIAL_PORT_N,    IDS_PARALLEL_PORT,   IDS_INTERNAL_CACHE,  IDS_EXTERNAL_CACHE,
    IDS_POINTING_DEVICE, IDS_TOUCHPAD,       IDS_DMI_MANUFACTURER, IDS_DMI_PRODUCT_NAME, IDS_DMI_SERIAL_NUMBER,
    IDS_DMI_UUID,      IDS_DMI_ASSET_TAG,    IDS_HARD_DISK,       IDS_DRIVE_CD_ROM,    IDS_PARALLEL_PORT,
};

std::string Text(UINT id) {
    char text[256] = "";
    ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

void AddColumn(HWND list, int index, UINT title, int width) {
    std::string text = Text(title);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = &text[0];
    column.cx = width;
    ::SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

void AddRow(HWND list, int index, std::string label, std::string value) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = &label[0];
    const int at = static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    item.iSubItem = 1;
    item.pszText = &value[0];
    ::SendMessageA(list, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&item));
}

INT_PTR CALLBACK Page(HWND page, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    // The texts the program gives the page's controls.
    if (const tlw::PageRow* row = tlw::PageRowOf(IDD_INFO_PAGE)) {
        for (const tlw::PageText& text : row->texts) ::SetDlgItemTextA(page, text.control, Text(text.text).c_str());
    }
    HWND list = ::GetDlgItem(page, IDC_INFO_LIST);
    RECT bounds = {};
    ::GetWindowRect(list, &bounds);
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    AddColumn(list, 0, IDS_COLUMN_DEVICE, 110);
    AddColumn(list, 1, IDS_COLUMN_CONFIGURATION, (bounds.right - bounds.left) - 2 * ::GetSystemMetrics(SM_CXBORDER));
    int row = 0;
    int serialPort = 0;
    for (UINT label : kRowLabels) {
        std::string text = Text(label);
        const std::size_t number = text.find("%d");
        if (number != std::string::npos) text.replace(number, 2, std::to_string(++serialPort));
        AddRow(list, row, text, "Sample value " + std::to_string(row + 1));
        ++row;
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
    return TRUE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    PROPSHEETPAGEA description = {};
    description.pszTemplate = MAKEINTRESOURCEA(IDD_INFO_PAGE);
    description.pfnDlgProc = Page;
    RunOnePageSheet(instance, description, "Controls");
    return 0;
}
