// Help requests: WinHelp with the .HLP file when it ships, else HTML Help
// with the .chm file, looked up at run time; popup texts from the string
// table; a plain message where no help can be shown.
#include "win/help.h"

#include <htmlhelp.h>

#include "res/resource.h"
#include "win/help_map.h"
#include "win/resources.h"

namespace help {

const char kPopupClass[] = "TallowinHelpPopup";

namespace {

// The popup texts and the message are longer than the program's other texts.
constexpr int kTextCapacity = 1024;
// The popup's text width and the space around it, in pixels at 96 DPI; the
// screen's DPI scales both, as it scales the popup's font.
constexpr int kPopupTextWidth = 300;
constexpr int kPopupMargin = 6;

int ForScreen(int pixels) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return ::MulDiv(pixels, dpi > 0 ? dpi : 96, 96);
}

Request lastRequest;
std::string fileBase;
HWND popup = nullptr;

std::string FileBase() {
    if (!fileBase.empty()) return fileBase;
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string base(path, length < MAX_PATH ? length : 0);
    const auto dot = base.find_last_of('.');
    const auto slash = base.find_last_of("\\/");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) base.erase(dot);
    return base;
}

bool IsFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

// HtmlHelpA from hhctrl.ocx, or null where HTML Help is not installed.
HtmlHelpFunction HtmlHelpEntry() {
    static bool looked = false;
    static HtmlHelpFunction entry = nullptr;
    if (!looked) {
        looked = true;
        if (HMODULE module = ::LoadLibraryA("hhctrl.ocx"))
            entry = reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(::GetProcAddress(module, "HtmlHelpA")));
    }
    return entry;
}

void Record(Way way, const std::string& file, unsigned long context, unsigned textId, HWND window) {
    lastRequest.way = way;
    lastRequest.file = file;
    lastRequest.context = context;
    lastRequest.textId = textId;
    lastRequest.window = window;
}

void ClosePopup() {
    // Cleared first: destroying the window releases the capture, which
    // would close it again.
    HWND window = popup;
    popup = nullptr;
    if (window && ::IsWindow(window)) ::DestroyWindow(window);
}

HFONT PopupFont() { return reinterpret_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }

LRESULT CALLBACK PopupProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(hwnd, &paint);
            RECT area;
            ::GetClientRect(hwnd, &area);
            ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_INFOBK));
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
            HGDIOBJ previous = ::SelectObject(dc, PopupFont());
            char text[kTextCapacity] = {};
            ::GetWindowTextA(hwnd, text, kTextCapacity);
            const int margin = ForScreen(kPopupMargin);
            ::InflateRect(&area, -margin, -margin);
            // Unclipped: a last letter that reaches past its advance (as
            // some fonts' do under large fonts) draws into the margin.
            ::DrawTextA(dc, text, -1, &area, DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP);
            ::SelectObject(dc, previous);
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        // Any click or key closes the popup, as the system's help popups do.
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (popup == hwnd) ClosePopup();
            return 0;
        case WM_CAPTURECHANGED:
            if (popup == hwnd && reinterpret_cast<HWND>(lParam) != hwnd) ClosePopup();
            return 0;
        case WM_NCDESTROY:
            if (popup == hwnd) popup = nullptr;
            break;
        default:
            break;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

// The program's own popup, where HTML Help shows none: the text in a small
// bordered window at `at`, kept inside the work area.
HWND ShowOwnPopup(HWND owner, const std::string& text, POINT at) {
    ClosePopup();
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_SAVEBITS;
        windowClass.lpfnWndProc = PopupProcedure;
        windowClass.hInstance = win::ResourceModule();
        windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        windowClass.lpszClassName = kPopupClass;
        registered = ::RegisterClassA(&windowClass) != 0;
    }

    RECT textArea = {0, 0, ForScreen(kPopupTextWidth), 0};
    if (HDC dc = ::GetDC(nullptr)) {
        HGDIOBJ previous = ::SelectObject(dc, PopupFont());
        ::DrawTextA(dc, text.c_str(), -1, &textArea, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ::SelectObject(dc, previous);
        ::ReleaseDC(nullptr, dc);
    }
    const int margin = ForScreen(kPopupMargin);
    const int width = (textArea.right - textArea.left) + 2 * margin + 2;
    const int height = (textArea.bottom - textArea.top) + 2 * margin + 2;
    RECT workArea = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    int x = at.x - width / 2;
    int y = at.y + 8;
    if (x + width > workArea.right) x = workArea.right - width;
    if (x < workArea.left) x = workArea.left;
    if (y + height > workArea.bottom) y = at.y - 8 - height;
    if (y < workArea.top) y = workArea.top;

    HWND window = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, text.c_str(), WS_POPUP | WS_BORDER,
                                    x, y, width, height, owner, nullptr, win::ResourceModule(), nullptr);
    if (!window) return nullptr;
    popup = window;
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    ::SetCapture(window);
    return window;
}

void ShowPopup(HWND owner, unsigned textId, POINT at) {
    ClosePopup();
    if (HtmlHelpFunction htmlHelp = HtmlHelpEntry()) {
        HH_POPUP request = {};
        request.cbStruct = sizeof request;
        request.hinst = win::ResourceModule();
        request.idString = textId;
        request.pt = at;
        request.clrForeground = static_cast<COLORREF>(-1);
        request.clrBackground = static_cast<COLORREF>(-1);
        request.rcMargins = {-1, -1, -1, -1};
        if (HWND window = htmlHelp(owner, nullptr, HH_DISPLAY_TEXT_POPUP, reinterpret_cast<DWORD_PTR>(&request))) {
            Record(Way::HtmlHelpWindow, std::string(), 0, textId, window);
            return;
        }
    }
    HWND window = ShowOwnPopup(owner, win::LoadText(textId, kTextCapacity), at);
    Record(Way::Popup, std::string(), 0, textId, window);
}

}  // namespace

const Request& LastRequest() { return lastRequest; }

void SetFileBase(const std::string& base) { fileBase = base; }

void ShowTopic(HWND owner, UINT templateId) {
    ClosePopup();
    const unsigned long context = DialogContext(templateId);
    const std::string base = FileBase();

    // A WinHelp file beside the program is the one its maker meant.
    const std::string winHelpFile = base + ".HLP";
    if (IsFile(winHelpFile)) {
        Record(Way::WinHelp, winHelpFile, context, 0, nullptr);
        ::WinHelpA(owner, winHelpFile.c_str(), HELP_CONTEXT, context);
        return;
    }

    const std::string htmlHelpFile = base + ".chm";
    if (IsFile(htmlHelpFile)) {
        if (HtmlHelpFunction htmlHelp = HtmlHelpEntry()) {
            if (HWND window = htmlHelp(owner, htmlHelpFile.c_str(), HH_HELP_CONTEXT, context)) {
                Record(Way::HtmlHelpWindow, htmlHelpFile, context, 0, window);
                return;
            }
        }
    }

    std::string text = win::LoadText(IDS_HELP_NOT_AVAILABLE, kTextCapacity);
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, htmlHelpFile);
    Record(Way::Message, htmlHelpFile, context, 0, nullptr);
    win::ShowMessage(owner, text, MB_OK);
}

namespace {

// F1 alone asks for the topic; the "?" button and Shift+F1 for the popup
// text `textId` of the control, or the topic when it has none.
void AnswerWith(HWND window, UINT templateId, const HELPINFO& info, unsigned textId) {
    const bool f1 = (::GetKeyState(VK_F1) & 0x8000) != 0;
    const bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND control = static_cast<HWND>(info.hItemHandle);
    if ((f1 && !shift) || textId == 0) {
        ShowTopic(window, templateId);
        return;
    }
    POINT at = info.MousePos;
    RECT bounds;
    // From the keyboard the mouse may be anywhere: the popup goes below the control.
    if (f1 && ::GetWindowRect(control, &bounds)) at = {bounds.left + (bounds.right - bounds.left) / 2, bounds.bottom};
    ShowPopup(window, textId, at);
}

bool AboutAControlOf(HWND window, const HELPINFO& info) {
    return info.iContextType == HELPINFO_WINDOW && static_cast<HWND>(info.hItemHandle) != window;
}

}  // namespace

void Answer(HWND dialog, UINT templateId, const HELPINFO& info) {
    AnswerWith(dialog, templateId, info, AboutAControlOf(dialog, info) ? PopupTextId(templateId, info.iCtrlId) : 0);
}

void AnswerForSheet(HWND sheet, UINT pageTemplateId, const HELPINFO& info) {
    AnswerWith(sheet, pageTemplateId, info, AboutAControlOf(sheet, info) ? SheetPopupTextId(info.iCtrlId) : 0);
}

}  // namespace help
