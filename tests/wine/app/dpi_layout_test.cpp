// Every page and dialog at 120, 144 and 192 DPI (125 %, 150 % and 200 %): each
// visible control lies inside its page's or dialog's client area, and each
// static text fits its control, measured with DrawText in the control's own
// font. The screen's DPI is what Windows' display settings write (LogPixels in
// the user's desktop key and in the current hardware profile's fonts key), and
// a process reads it when it starts: so the test sets it, runs itself again in
// a process of its own that opens every window and measures it there, and
// reads back what that process found.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/password_prompt_dlg.h"
#include "res/resource.h"
#include "tests/wine/app/sheet_fixture.h"
#include "win/help.h"
#include "win/resources.h"

namespace {

using namespace wt;

// Where the measuring process writes what it found; set only for it.
constexpr char kReportVariable[] = "TALLOWIN_DPI_REPORT";
constexpr char kThisTest[] = "Dpi.EveryPageAndDialogLiesInsideItsWindowAndItsTextsFit";

// The windows the measuring process must have measured, at every DPI.
const char* const kWindows[] = {
    "sheet",
    "page Information Viewer",
    "page POST",
    "page Boot Sequence",
    "page Password",
    "page Display Device",
    "Change Asset Tag Number",
    "Change Power-On Password",
    "Change Setup Password",
    "About Tallowin",
    "Load Previous BIOS Settings",
    "Load Default BIOS Settings",
    "BIOS Settings Change",
    "password prompt",
    "help popup",
};

// LogPixels in both keys for as long as the object lives, then as before.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi) {
        for (Key& key : keys_) {
            HKEY handle = nullptr;
            if (::RegCreateKeyExA(key.root, key.path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) !=
                ERROR_SUCCESS) {
                ADD_FAILURE() << "cannot open " << key.path;
                continue;
            }
            DWORD size = sizeof key.before;
            key.had = ::RegQueryValueExA(handle, "LogPixels", nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(&key.before), &size) == ERROR_SUCCESS;
            ::RegSetValueExA(handle, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
            ::RegCloseKey(handle);
        }
    }
    ~ScreenDpi() {
        for (const Key& key : keys_) {
            HKEY handle = nullptr;
            if (::RegOpenKeyExA(key.root, key.path, 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS) continue;
            if (key.had) {
                ::RegSetValueExA(handle, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&key.before),
                                 sizeof key.before);
            } else {
                ::RegDeleteValueA(handle, "LogPixels");
            }
            ::RegCloseKey(handle);
        }
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;

private:
    struct Key {
        HKEY root;
        const char* path;
        bool had = false;
        DWORD before = 0;
    };
    Key keys_[2] = {{HKEY_CURRENT_USER, "Control Panel\\Desktop"},
                    {HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"}};
};

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

// What a static control draws as text (not a picture, a frame or a line).
bool IsTextStatic(HWND control) {
    if (lstrcmpiA(ClassOf(control).c_str(), "Static") != 0) return false;
    switch (::GetWindowLongPtrA(control, GWL_STYLE) & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_LEFTNOWORDWRAP:
        case SS_SIMPLE:
            return !TextOf(control).empty();
        default:
            return false;
    }
}

// The size `text` needs in `control`'s own font, wrapped as the control wraps
// it, at most `width` wide.
SIZE NeededSize(HWND control, const std::string& text, int width, UINT flags) {
    HDC dc = ::GetDC(control);
    HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT need = {0, 0, width, 0};
    ::DrawTextA(dc, text.c_str(), -1, &need, flags | DT_CALCRECT);
    ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return {need.right - need.left, need.bottom - need.top};
}

// The measuring process's findings, one line each: "DPI n", "CHECKED <window>
// <controls>", "FAULT <window>: <what>".
class Findings {
public:
    explicit Findings(const std::string& path) : out_(path) {}

    void Dpi() {
        HDC screen = ::GetDC(nullptr);
        out_ << "DPI " << ::GetDeviceCaps(screen, LOGPIXELSY) << "\n";
        ::ReleaseDC(nullptr, screen);
    }

    // Every visible child of `window` inside its client area, and every static
    // text fitting its control.
    void Window(HWND window, const std::string& name) {
        RECT client = {};
        ::GetClientRect(window, &client);
        int checked = 0;
        for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (!::IsWindowVisible(child)) continue;
            ++checked;
            RECT at = {};
            ::GetWindowRect(child, &at);
            ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&at), 2);
            std::ostringstream what;
            what << ClassOf(child) << " " << ::GetDlgCtrlID(child) << " \"" << TextOf(child) << "\"";
            if (at.left < 0 || at.top < 0 || at.right > client.right || at.bottom > client.bottom) {
                Fault(name, what.str() + " at " + Rect(at) + " outside the client area " + Rect(client));
            }
            if (!IsTextStatic(child)) continue;
            RECT own = {};
            ::GetClientRect(child, &own);
            const LONG_PTR style = ::GetWindowLongPtrA(child, GWL_STYLE);
            const LONG_PTR type = style & SS_TYPEMASK;
            const UINT flags = (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE ? DT_SINGLELINE : DT_WORDBREAK) |
                               ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0) | DT_EXPANDTABS;
            const SIZE need = NeededSize(child, TextOf(child), own.right, flags);
            if (need.cx > own.right || need.cy > own.bottom) {
                std::ostringstream size;
                size << " needs " << need.cx << " x " << need.cy << " in " << own.right << " x " << own.bottom;
                Fault(name, what.str() + size.str());
            }
        }
        out_ << "CHECKED " << name << "\t" << checked << "\n";
    }

    // The program's own help popup: its text, wrapped in its width less the
    // margins, fits inside them.
    void Popup(HWND popup, int margin) {
        RECT client = {};
        ::GetClientRect(popup, &client);
        const int width = client.right - 2 * margin, height = client.bottom - 2 * margin;
        HDC dc = ::GetDC(popup);
        HGDIOBJ previous = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        RECT need = {0, 0, width, 0};
        ::DrawTextA(dc, TextOf(popup).c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ::SelectObject(dc, previous);
        ::ReleaseDC(popup, dc);
        if (need.right > width || need.bottom > height) {
            std::ostringstream what;
            what << "its text needs " << need.right << " x " << need.bottom << " inside margins of " << margin
                 << " in " << client.right << " x " << client.bottom;
            Fault("help popup", what.str());
        }
        out_ << "CHECKED help popup\t1\n";
    }

    void Fault(const std::string& name, const std::string& what) { out_ << "FAULT " << name << ": " << what << "\n"; }

private:
    static std::string Rect(const RECT& r) {
        std::ostringstream text;
        text << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
        return text.str();
    }

    std::ofstream out_;
};

class Dpi : public SheetFixture {
protected:
    // The measuring process: opens every window of the program in its own
    // sheet and writes what it finds to `reportPath`.
    void Measure(const std::string& reportPath) {
        Findings findings(reportPath);
        findings.Dpi();

        // The start-up password prompt first, on its own.
        std::thread prompter([&] {
            HWND prompt = WaitForDialog("Tallowin");
            if (!prompt) return findings.Fault("password prompt", "never shown");
            findings.Window(prompt, "password prompt");
            Click(prompt, IDCANCEL);
        });
        CPasswordPromptDlg prompt;
        prompt.DoModal();
        prompter.join();

        RunSheet([&](HWND sheet) {
            for (int index = 0; index < static_cast<int>(tlw::PageCount()); ++index) {
                HWND page = ShowPage(sheet, index);
                const std::string name = "page " + win::LoadText(tlw::PageTable()[index].captionId);
                if (!page) {
                    findings.Fault(name, "never shown");
                    continue;
                }
                findings.Window(page, name);
            }
            findings.Window(sheet, "sheet");

            // A control's help popup: the "?" button, then the information list.
            HWND info = ShowPage(sheet, tlw::PageIndexOf(IDD_INFO_PAGE));
            HWND list = ::GetDlgItem(info, IDC_INFO_LIST);
            RECT bounds = {};
            ::GetWindowRect(list, &bounds);
            HELPINFO help = {};
            help.cbSize = sizeof help;
            help.iContextType = HELPINFO_WINDOW;
            help.iCtrlId = IDC_INFO_LIST;
            help.hItemHandle = list;
            help.MousePos = {bounds.left + 10, bounds.top + 10};
            ::SendMessageA(info, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
            const help::Request popup = help::LastRequest();
            if (popup.way == help::Way::Popup && ::IsWindow(popup.window)) {
                HDC screen = ::GetDC(nullptr);
                const int margin = ::MulDiv(6, ::GetDeviceCaps(screen, LOGPIXELSX), 96);
                ::ReleaseDC(nullptr, screen);
                findings.Popup(popup.window, margin);
                ::PostMessageA(popup.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
                WaitForWindowGone(popup.window, kSheetWait);
            } else {
                findings.Fault("help popup", "not the program's own popup");
            }

            const auto dialog = [&](const char* title, const std::function<void()>& open, int answer) {
                open();
                HWND shown = WaitForDialog(title);
                if (!shown) return findings.Fault(title, "never shown");
                findings.Window(shown, title);
                Click(shown, answer);
                WaitForWindowGone(shown, kSheetWait);
            };
            dialog("Change Asset Tag Number", [&] {
                ::PostMessageA(info, WM_COMMAND, MAKEWPARAM(IDC_CHANGE_ASSET_TAG, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(info, IDC_CHANGE_ASSET_TAG)));
            }, IDCANCEL);
            HWND passwords = ShowPage(sheet, tlw::PageIndexOf(IDD_PASSWORD_PAGE));
            for (const auto& button : {std::pair{IDC_CHANGE_POWER_ON_PASSWORD, "Change Power-On Password"},
                                       std::pair{IDC_CHANGE_SETUP_PASSWORD, "Change Setup Password"}}) {
                dialog(button.second, [&] { PressButton(passwords, button.first); }, IDCANCEL);
            }
            dialog("About Tallowin", [&] { ::PostMessageA(sheet, WM_COMMAND, IDM_ABOUT, 0); }, IDOK);
            dialog("Load Previous BIOS Settings", [&] { ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0); },
                   IDCANCEL);
            // Yes to the defaults brings the restart prompt; No to it ends the sheet.
            dialog("Load Default BIOS Settings", [&] { ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_DEFAULT, 0); },
                   IDOK);
            dialog("BIOS Settings Change", [] {}, IDCANCEL);
        });
    }
};

// What the measuring process at `dpi` found: the lines of its report.
std::vector<std::string> MeasureAt(DWORD dpi, const TempDir& dir) {
    const ScreenDpi screen(dpi);
    const std::string report = dir.File("layout-" + std::to_string(dpi) + ".txt");
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    ::SetEnvironmentVariableA(kReportVariable, report.c_str());
    Launch launch;
    launch.program = self;
    launch.arguments = std::string("--gtest_filter=") + kThisTest;
    launch.workingDirectory = dir.path();
    launch.outputPath = dir.File("layout-" + std::to_string(dpi) + ".out");
    Process measuring(launch);
    ::SetEnvironmentVariableA(kReportVariable, nullptr);
    EXPECT_TRUE(measuring.WaitForExit(150000)) << "the measuring process at " << dpi << " DPI did not end";
    EXPECT_EQ(measuring.exitCode(), 0u) << ReadText(launch.outputPath);
    return ReadLines(report);
}

TEST_F(Dpi, EveryPageAndDialogLiesInsideItsWindowAndItsTextsFit) {
    char report[MAX_PATH] = {};
    if (::GetEnvironmentVariableA(kReportVariable, report, MAX_PATH)) {
        // The measuring process, started by the test below at one DPI.
        Measure(report);
        return;
    }
    WT_SKIP_IF_WOW64_HAS_NO_DISPLAY();  // the sheet's boot page (a combo box) cannot be made, nothing is painted
    for (DWORD dpi : {120u, 144u, 192u}) {
        SCOPED_TRACE(std::to_string(dpi) + " DPI");
        std::map<std::string, int> checked;
        std::string dpiSeen;
        for (const std::string& line : MeasureAt(dpi, dir_)) {
            if (line.rfind("DPI ", 0) == 0) dpiSeen = line.substr(4);
            if (line.rfind("FAULT ", 0) == 0) ADD_FAILURE() << line.substr(6);
            if (line.rfind("CHECKED ", 0) == 0) {
                const auto tab = line.find('\t');
                checked[line.substr(8, tab - 8)] = std::atoi(line.c_str() + tab + 1);
            }
        }
        EXPECT_EQ(dpiSeen, std::to_string(dpi)) << "the measuring process did not see the DPI set";
        for (const char* window : kWindows) EXPECT_GT(checked[window], 0) << window << " was not measured";
    }
}

}  // namespace
