// Walks Tallowin's windows for the README's screenshots and saves each one as
// the screen shows it, a 24-bit BMP per window: the sheet's five pages, its
// context menu, the About box, both load confirmations and the restart prompt
// (tour), or the one message box a start-up refusal shows (message). Runs
// under Wine beside tlw.exe, started by scripts/screenshots; a documentation
// tool, not part of the program or its tests.
//
//   screenshot_tour tour    <tlw.exe> <folder>
//   screenshot_tour message <tlw.exe> <folder> <name>
//
// tlw.exe is driven by messages, as a user's clicks would reach it: the pages
// through PSM_SETCURSEL, the context menu through WM_CONTEXTMENU, its commands
// through WM_COMMAND with the menu's ids, the dialogs' buttons through their
// ids. Each window is read from the screen once its thread has painted it.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

constexpr DWORD kWindowTimeoutMs = 20000;
// Wine hands a window's painting to the X server shortly after the window
// procedure has drawn it.
constexpr DWORD kPaintSettleMs = 500;

struct Failure {
    std::string what;
};

[[noreturn]] void Fail(const std::string& what) { throw Failure{what}; }

struct TopWindowQuery {
    DWORD processId;
    const char* className;
    HWND owner;    // the window's owner must be this one (nullptr: any owner)
    HWND exclude;  // a window that does not count
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM data) {
    auto* query = reinterpret_cast<TopWindowQuery*>(data);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    if (processId != query->processId || hwnd == query->exclude || !::IsWindowVisible(hwnd)) return TRUE;
    char className[64] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, query->className) != 0) return TRUE;
    if (query->owner && ::GetWindow(hwnd, GW_OWNER) != query->owner) return TRUE;
    query->found = hwnd;
    return FALSE;
}

// A visible top-level window of the process, waited for.
HWND WaitForTopWindow(DWORD processId, const char* className, HWND owner, HWND exclude, const char* what) {
    const DWORD start = ::GetTickCount();
    do {
        TopWindowQuery query = {processId, className, owner, exclude, nullptr};
        ::EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found) return query.found;
        ::Sleep(50);
    } while (::GetTickCount() - start < kWindowTimeoutMs);
    Fail(std::string("no ") + what + " appeared");
}

void WaitUntilGone(HWND hwnd, const char* what) {
    const DWORD start = ::GetTickCount();
    while (::IsWindow(hwnd) && ::IsWindowVisible(hwnd)) {
        if (::GetTickCount() - start >= kWindowTimeoutMs) Fail(std::string("the ") + what + " stayed open");
        ::Sleep(50);
    }
}

// Returns once the window's thread has handled what was sent before and has
// painted what was invalid, and the painting has reached the screen.
void WaitForPainting(HWND hwnd) {
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, kWindowTimeoutMs, &ignored)) {
        Fail("the window stopped answering messages");
    }
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::Sleep(kPaintSettleMs);
}

// Whether the caption is drawn in the active caption's colours, read from the
// screen at three fifths of its width, right of a short title's text.
bool CaptionLooksActive(HWND hwnd) {
    RECT frame = {};
    ::GetWindowRect(hwnd, &frame);
    const int x = frame.left + (frame.right - frame.left) * 3 / 5;
    const int y = frame.top + ::GetSystemMetrics(SM_CYDLGFRAME) + 3;
    HDC screen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return pixel == ::GetSysColor(COLOR_ACTIVECAPTION) || pixel == ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
}

// Wine activates a new window before its process has the foreground, and the
// window may then keep drawing its caption inactive although it is the active
// window. Handing the foreground away and back makes the caption show it, as
// Windows does; how soon it does depends on when the program reads its X
// focus events, hence the tries.
void ShowAsActive(HWND hwnd, const char* what) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        WaitForPainting(hwnd);
        if (::GetForegroundWindow() == hwnd && CaptionLooksActive(hwnd)) return;
        ::SetForegroundWindow(::GetDesktopWindow());
        ::SetForegroundWindow(hwnd);
    }
    std::fprintf(stderr, "screenshot_tour: the %s's caption stays inactive\n", what);
}

void WriteAll(FILE* file, const void* data, size_t size, const std::string& path) {
    if (std::fwrite(data, 1, size, file) != size) Fail("cannot write " + path);
}

// The screen's pixels inside `area`, as a bottom-up 24-bit BMP file.
void SaveScreenArea(const RECT& area, const std::string& path) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) Fail("an empty window for " + path);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = (width * 3 + 3) & ~3u;
    header.biSizeImage = stride * height;

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                        nullptr, 0);
    bool copied = false;
    if (memory && bitmap) {
        HGDIOBJ previous = ::SelectObject(memory, bitmap);
        copied = ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
        ::GdiFlush();
        ::SelectObject(memory, previous);
    }
    std::vector<unsigned char> pixels;
    if (copied) pixels.assign(static_cast<unsigned char*>(bits), static_cast<unsigned char*>(bits) + header.biSizeImage);
    if (bitmap) ::DeleteObject(bitmap);
    if (memory) ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    if (!copied) Fail("cannot read the screen for " + path);

    BITMAPFILEHEADER fileHeader = {};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) Fail("cannot create " + path);
    try {
        WriteAll(file, &fileHeader, sizeof fileHeader, path);
        WriteAll(file, &header, sizeof header, path);
        WriteAll(file, pixels.data(), pixels.size(), path);
    } catch (...) {
        std::fclose(file);
        throw;
    }
    if (std::fclose(file) != 0) Fail("cannot write " + path);
}

class Shooter {
public:
    explicit Shooter(std::string folder) : folder_(std::move(folder)) {}

    void Save(HWND hwnd, const char* name) const { SaveArea(WindowArea(hwnd), name); }

    void SaveArea(const RECT& area, const char* name) const {
        const std::string path = folder_ + "\\" + name + ".bmp";
        SaveScreenArea(area, path);
        std::printf("%s\n", name);
        std::fflush(stdout);
    }

    static RECT WindowArea(HWND hwnd) {
        RECT area = {};
        ::GetWindowRect(hwnd, &area);
        return area;
    }

private:
    std::string folder_;
};

// tlw.exe as its own process, ended when this program ends early.
class Program {
public:
    explicit Program(const std::string& path) {
        std::string commandLine = "\"" + path + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!::CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process_)) {
            Fail("cannot start " + path);
        }
        ::WaitForInputIdle(process_.hProcess, kWindowTimeoutMs);
    }
    ~Program() {
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return process_.dwProcessId; }

    void WaitForEnd() const {
        if (::WaitForSingleObject(process_.hProcess, kWindowTimeoutMs) != WAIT_OBJECT_0) Fail("tlw.exe did not end");
    }

private:
    PROCESS_INFORMATION process_ = {};
};

// A modal dialog the sheet opens: shot, then answered with `button`.
HWND ShootDialog(const Program& program, const Shooter& shooter, HWND sheet, const char* name, HWND exclude = nullptr) {
    HWND dialog = WaitForTopWindow(program.Id(), "#32770", sheet, exclude, name);
    ShowAsActive(dialog, name);
    WaitForPainting(dialog);
    shooter.Save(dialog, name);
    return dialog;
}

void Answer(HWND dialog, int button, const char* what) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    WaitUntilGone(dialog, what);
}

void Tour(const std::string& tlw, const Shooter& shooter) {
    Program program(tlw);
    HWND sheet = WaitForTopWindow(program.Id(), "#32770", nullptr, nullptr, "settings sheet");
    ShowAsActive(sheet, "settings sheet");

    static const char* const kPages[] = {"page-1-information", "page-2-post", "page-3-boot-sequence",
                                         "page-4-password", "page-5-display"};
    for (int page = 0; page < 5; ++page) {
        ::SendMessageA(sheet, PSM_SETCURSEL, page, 0);
        WaitForPainting(sheet);
        shooter.Save(sheet, kPages[page]);
    }
    ::SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    WaitForPainting(sheet);

    // The context menu where a right click on the first page's title puts it,
    // shot with the sheet around it.
    RECT sheetArea = Shooter::WindowArea(sheet);
    const POINT click = {sheetArea.left + 60, sheetArea.top + 90};
    ::PostMessageA(sheet, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(sheet), MAKELPARAM(click.x, click.y));
    HWND menu = WaitForTopWindow(program.Id(), "#32768", nullptr, nullptr, "context menu");
    WaitForPainting(menu);
    RECT around = {};
    const RECT menuArea = Shooter::WindowArea(menu);
    ::UnionRect(&around, &sheetArea, &menuArea);
    shooter.SaveArea(around, "context-menu");
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    WaitUntilGone(menu, "context menu");

    // The asset tag dialog, from the first page's button.
    HWND infoPage = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ::PostMessageA(infoPage, WM_COMMAND, MAKEWPARAM(IDC_CHANGE_ASSET_TAG, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(infoPage, IDC_CHANGE_ASSET_TAG)));
    Answer(ShootDialog(program, shooter, sheet, "asset-tag"), IDCANCEL, "asset tag dialog");

    ::PostMessageA(sheet, WM_COMMAND, IDM_ABOUT, 0);
    Answer(ShootDialog(program, shooter, sheet, "about"), IDOK, "About box");

    ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
    Answer(ShootDialog(program, shooter, sheet, "load-previous"), IDCANCEL, "Load Previous confirmation");

    // Yes to the defaults brings the restart prompt; No to it ends the sheet.
    ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_DEFAULT, 0);
    HWND confirmation = ShootDialog(program, shooter, sheet, "load-default");
    ::PostMessageA(confirmation, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    HWND restart = ShootDialog(program, shooter, sheet, "restart", confirmation);
    Answer(restart, IDCANCEL, "restart prompt");
    program.WaitForEnd();
}

void Message(const std::string& tlw, const Shooter& shooter, const char* name) {
    Program program(tlw);
    HWND box = WaitForTopWindow(program.Id(), "#32770", nullptr, nullptr, name);
    ShowAsActive(box, name);
    WaitForPainting(box);
    shooter.Save(box, name);
    Answer(box, IDOK, name);
    program.WaitForEnd();
}

}  // namespace

int main(int argc, char** argv) {
    const bool tour = argc == 4 && std::strcmp(argv[1], "tour") == 0;
    const bool message = argc == 5 && std::strcmp(argv[1], "message") == 0;
    if (!tour && !message) {
        std::fprintf(stderr, "usage: %s tour <tlw.exe> <folder>\n       %s message <tlw.exe> <folder> <name>\n",
                     argv[0], argv[0]);
        return 2;
    }
    try {
        const Shooter shooter(argv[3]);
        if (tour) Tour(argv[2], shooter);
        else Message(argv[2], shooter, argv[4]);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "screenshot_tour: %s\n", failure.what.c_str());
        return 1;
    }
    return 0;
}
