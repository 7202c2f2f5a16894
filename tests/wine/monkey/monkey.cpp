// The monkey's play: the sheet's tabs, buttons, check boxes, combo boxes, track
// bars, the boot list's drags and the edits, OK, Apply, Cancel, Load Default
// and Load Previous, and every dialog they open answered, all from outside the
// process as a user's input would reach the windows.
#include "tests/wine/monkey/monkey.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>

#include "pages/page_table.h"
#include "res/resource.h"
#include "tests/wine/harness.h"

namespace wt {
namespace {

constexpr DWORD kHangMs = 30000;  // an action or a dialog that takes longer hangs
constexpr int kMostDialogRounds = 3;

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    return name;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

bool Open(HWND dialog) { return ::IsWindow(dialog) && ::IsWindowVisible(dialog); }

bool Usable(HWND hwnd) { return ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd); }

std::size_t LinesIn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return static_cast<std::size_t>(std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
}

struct Message {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

DWORD WINAPI SendOne(void* param) {
    const auto* m = static_cast<const Message*>(param);
    ::SendMessageA(m->target, m->message, m->wParam, m->lParam);
    return 0;
}

class Monkey {
public:
    Monkey(std::uint32_t seed, const std::string& folder)
        : random_(seed), folder_(folder), statePath_(folder + "\\notebook.ini"), logPath_(folder + "\\requests.log"),
          typing_(WhyWow64HasNoDisplay().empty()) {
        WriteText(statePath_, "chaos = " + std::to_string(seed) + "\n");
    }

    void Play(int steps);
    MonkeyRun Result() const { return {actions_, ReadLines(logPath_), folder_}; }

private:
    int Pick(int count) { return count > 0 ? static_cast<int>(random_() % static_cast<unsigned>(count)) : 0; }
    bool Ended();
    void Fault(const std::string& what) { actions_.push_back("! " + what); }
    int CurrentPage();
    void Log(const std::string& action) {
        actions_.push_back(std::to_string(LinesIn(logPath_)) + " " + std::to_string(CurrentPage()) + " " + action);
    }
    // Sends one message as the user's input would, answering every dialog it
    // opens until it returns; false when it hung or the program ended.
    bool Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what);
    HWND DialogToAnswer();
    void Answer(HWND dialog);
    void ActOnSheet();
    void ActOnControl(HWND page, HWND control, bool inDialog);
    void Drag(HWND page, HWND list);
    void CheckControls(HWND page);
    std::vector<std::string> OutOfRange(HWND page);
    void Finish();

    std::mt19937 random_;
    std::string folder_, statePath_, logPath_;
    bool typing_;
    std::unique_ptr<Process> tlw_;
    HWND sheet_ = nullptr;
    std::vector<HWND> answering_;  // dialogs being answered, outermost first
    std::vector<std::string> actions_;
    bool over_ = false;
};

bool Monkey::Ended() {
    if (over_) return true;
    if (tlw_->running()) return false;
    over_ = true;
    const DWORD code = tlw_->exitCode();
    if (code >= 0xC0000000u) {
        char text[64];
        std::snprintf(text, sizeof text, "a crash: exit code 0x%08lX", static_cast<unsigned long>(code));
        Fault(text + std::string(" after ") + (actions_.empty() ? "start-up" : actions_.back()));
    }
    return true;
}

// The page shown, by its place in the page table, known by its picture, a
// control of its own: a sheet that could not create a page (under WoW64 the
// boot page, whose combo box cannot be made) has fewer tabs than pages.
int Monkey::CurrentPage() {
    if (!sheet_ || !::IsWindow(sheet_)) return -1;
    DWORD_PTR page = 0;
    if (!::SendMessageTimeoutA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 2000, &page) || !page) return -1;
    for (const tlw::PageRow& row : tlw::PageTable()) {
        if (::GetDlgItem(reinterpret_cast<HWND>(page), row.pictureControl)) return tlw::PageIndexOf(row.templateId);
    }
    return -1;
}

bool IsSheet(HWND hwnd) {
    if (TextOf(hwnd) != "Tallowin") return false;
    for (HWND child : ChildrenOf(hwnd)) {
        if (ClassOf(child) == "SysTabControl32") return true;
    }
    return false;
}

HWND Monkey::DialogToAnswer() {
    for (HWND hwnd : TopLevelWindowsOf(tlw_->id())) {
        if (!sheet_ && ClassOf(hwnd) == "#32770" && IsSheet(hwnd)) sheet_ = hwnd;
        if (hwnd == sheet_ || !::IsWindowEnabled(hwnd) || ClassOf(hwnd) != "#32770") continue;
        if (std::find(answering_.begin(), answering_.end(), hwnd) != answering_.end()) continue;
        return hwnd;
    }
    return nullptr;
}

bool Monkey::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) {
    Message m{target, message, wParam, lParam};
    HANDLE thread = ::CreateThread(nullptr, 0, SendOne, &m, 0, nullptr);
    const DWORD start = ::GetTickCount();
    bool done = false;
    while (!done) {
        done = ::WaitForSingleObject(thread, 20) == WAIT_OBJECT_0;
        if (done || Ended()) break;
        if (HWND dialog = DialogToAnswer()) {
            Answer(dialog);
            continue;
        }
        if (::GetTickCount() - start > kHangMs) {
            Fault("a hang: " + what + " did not return within 30 s");
            over_ = true;
            break;
        }
    }
    if (!done) {
        // The thread waits in SendMessage for a window that will not answer:
        // the program is ended, and the wait with it.
        if (HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, tlw_->id())) {
            ::TerminateProcess(process, 99);
            ::CloseHandle(process);
        }
        ::WaitForSingleObject(thread, 5000);
    }
    ::CloseHandle(thread);
    // The common controls' modal sheet notices that it ended only when its
    // loop gets the next message; a user's click brings some (the mouse's
    // own are posted), a sent message none.
    if (sheet_ && ::IsWindow(sheet_)) ::PostMessageA(sheet_, WM_NULL, 0, 0);
    return done && !Ended();
}

void Monkey::Answer(HWND dialog) {
    answering_.push_back(dialog);
    const std::string title = TextOf(dialog);
    const bool yes = Pick(2) == 0;
    std::string kind;
    if (title == "Load Default BIOS Settings") kind = yes ? "DEFAULT_YES" : "DEFAULT_NO";
    if (title == "Load Previous BIOS Settings") kind = yes ? "PREVIOUS_YES" : "PREVIOUS_NO";
    if (title == "BIOS Settings Change") kind = yes ? "RESTART_YES" : "RESTART_NO";
    if (!kind.empty()) {
        Log(kind);
        Send(::GetDlgItem(dialog, yes ? IDOK : IDCANCEL), BM_CLICK, 0, 0, kind);
    } else {
        // Any other dialog: a few of its controls, then one of its buttons.
        for (int round = 0; round < kMostDialogRounds && Open(dialog) && !Ended(); ++round) {
            std::vector<HWND> buttons, others;
            for (HWND child : ChildrenOf(dialog)) {
                if (!Usable(child)) continue;
                const std::string cls = ClassOf(child);
                const LONG style = ::GetWindowLongA(child, GWL_STYLE);
                const int id = ::GetDlgCtrlID(child);
                if (cls == "Button" && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) {
                    if (id != IDHELP) buttons.push_back(child);
                } else if (cls == "Button" && (style & BS_TYPEMASK) != BS_GROUPBOX) {
                    others.push_back(child);
                } else if (cls == "Edit" && typing_) {
                    others.push_back(child);
                }
            }
            if (!buttons.empty() && (others.empty() || round + 1 == kMostDialogRounds || Pick(3) == 0)) {
                HWND button = buttons[Pick(static_cast<int>(buttons.size()))];
                const std::string action = "DIALOG " + std::to_string(::GetDlgCtrlID(button));
                std::string texts = StaticTextsOf(dialog).substr(0, 80);
                std::replace(texts.begin(), texts.end(), '\n', ' ');
                Log(action + " in \"" + title + "\": " + texts);
                Send(button, BM_CLICK, 0, 0, action + " in \"" + title + "\"");
                // A dialog ends after the click's handler returned.
                for (int wait = 0; wait < 50 && ::IsWindow(dialog) && ::IsWindowVisible(dialog); ++wait) ::Sleep(10);
            } else if (!others.empty()) {
                ActOnControl(dialog, others[Pick(static_cast<int>(others.size()))], true);
            }
        }
        if (Open(dialog) && !Ended()) {
            Log("DIALOG 2 in \"" + title + "\"");
            Send(dialog, WM_COMMAND, IDCANCEL, 0, "Cancel in \"" + title + "\"");
        }
    }
    const DWORD start = ::GetTickCount();
    while (::IsWindow(dialog) && ::IsWindowVisible(dialog) && !Ended() && ::GetTickCount() - start < kHangMs) {
        ::Sleep(10);
    }
    if (::IsWindow(dialog) && ::IsWindowVisible(dialog) && !Ended()) {
        Fault("a dialog left open: \"" + title + "\" did not close when answered");
        over_ = true;
    }
    answering_.pop_back();
}

void Monkey::ActOnControl(HWND parent, HWND control, bool inDialog) {
    const std::string cls = ClassOf(control);
    const int id = ::GetDlgCtrlID(control);
    const std::string where = " " + std::to_string(id);
    if (cls == "Button") {
        const LONG type = ::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        const std::string action = (type <= BS_DEFPUSHBUTTON ? "CLICK" : "CHECK") + where;
        Log(action);
        Send(control, BM_CLICK, 0, 0, action);
    } else if (cls == "ComboBox") {
        const int count = static_cast<int>(::SendMessageA(control, CB_GETCOUNT, 0, 0));
        if (count <= 0) return;
        const int index = Pick(count);
        const std::string action = "COMBO" + where + " " + std::to_string(index);
        Log(action);
        if (Send(control, CB_SETCURSEL, index, 0, action)) {
            Send(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control), action);
        }
    } else if (cls == "msctls_trackbar32") {
        static const struct {
            WORD key;
            const char* name;
        } kKeys[] = {{VK_LEFT, "LEFT"}, {VK_RIGHT, "RIGHT"}, {VK_UP, "UP"},     {VK_DOWN, "DOWN"},
                     {VK_HOME, "HOME"}, {VK_END, "END"},     {VK_PRIOR, "PRIOR"}, {VK_NEXT, "NEXT"}};
        const auto& key = kKeys[Pick(8)];
        const std::string action = "TRACK" + where + " " + key.name;
        Log(action);
        if (Send(control, WM_KEYDOWN, key.key, 1, action)) Send(control, WM_KEYUP, key.key, 0xC0000001, action);
    } else if (cls == "ListBox") {
        Drag(parent, control);
    } else if (cls == "Edit" && typing_) {
        // Letters, digits and a blank; now and then more than an edit holds.
        static const char kTypable[] = "abcdefghijklmnopqrstuvwxyz0123456789 ";
        std::string text(static_cast<std::size_t>(1 + Pick(inDialog ? 40 : 12)), 'a');
        for (char& c : text) c = kTypable[Pick(sizeof kTypable - 1)];
        Log("TYPE" + where + " " + std::to_string(text.size()));
        for (char c : text) {
            const UINT scan = ::MapVirtualKeyA(::VkKeyScanA(c) & 0xFF, 0);
            if (!Send(control, WM_CHAR, static_cast<unsigned char>(c), 1 | scan << 16, "TYPE" + where)) break;
        }
    }
}

// A drag on the boot list as the drag list reports it to its page: begun on
// one entry, dragged to another, dropped there. The notifications carry a
// structure, written into the program's memory for them.
void Monkey::Drag(HWND page, HWND list) {
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    if (count < 2) return;
    const int from = Pick(count);
    const int to = Pick(count + 1);  // count: below the last entry
    const int height = std::max(1, static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)));
    const int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    RECT box = {};
    ::GetClientRect(list, &box);
    POINT at = {4, (from - top) * height + height / 2};
    POINT drop = {4, (to - top) * height + height / 2};
    ::ClientToScreen(list, &at);
    ::ClientToScreen(list, &drop);

    static const UINT dragMessage = ::RegisterWindowMessageA(DRAGLISTMSGSTRING);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, tlw_->id());
    if (!process) return;
    void* remote = ::VirtualAllocEx(process, nullptr, sizeof(DRAGLISTINFO), MEM_COMMIT, PAGE_READWRITE);
    if (remote) {
        const std::string action = "DRAG " + std::to_string(from) + " " + std::to_string(to);
        Log(action);
        const int id = ::GetDlgCtrlID(list);
        const struct {
            UINT notification;
            POINT point;
        } steps[] = {{DL_BEGINDRAG, at}, {DL_DRAGGING, drop}, {DL_DROPPED, drop}};
        for (const auto& step : steps) {
            DRAGLISTINFO info = {step.notification, list, step.point};
            if (!::WriteProcessMemory(process, remote, &info, sizeof info, nullptr)) break;
            if (!Send(page, dragMessage, id, reinterpret_cast<LPARAM>(remote), action)) break;
        }
        ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    ::CloseHandle(process);
}

// No control shows a selection or a position outside its contents or range.
// A sheet that is ending empties its controls as it destroys them: what is
// seen then is looked at again once the program had time to finish that.
void Monkey::CheckControls(HWND page) {
    if (OutOfRange(page).empty()) return;
    ::Sleep(300);
    if (Ended() || !Open(sheet_) || !::IsWindow(page)) return;
    for (const std::string& fault : OutOfRange(page)) Fault(fault);
}

std::vector<std::string> Monkey::OutOfRange(HWND page) {
    std::vector<std::string> faults;
    for (HWND control : ChildrenOf(page)) {
        const std::string cls = ClassOf(control);
        const std::string which = cls + " " + std::to_string(::GetDlgCtrlID(control));
        if (cls == "ComboBox") {
            const LRESULT count = ::SendMessageA(control, CB_GETCOUNT, 0, 0);
            const LRESULT selected = ::SendMessageA(control, CB_GETCURSEL, 0, 0);
            if (selected != CB_ERR && (selected < 0 || selected >= count)) {
                faults.push_back("a control out of range: " + which + " selects " + std::to_string(selected) + " of " +
                      std::to_string(count));
            }
        } else if (cls == "ListBox") {
            const LRESULT count = ::SendMessageA(control, LB_GETCOUNT, 0, 0);
            const LRESULT selected = ::SendMessageA(control, LB_GETCURSEL, 0, 0);
            if (selected != LB_ERR && (selected < 0 || selected >= count)) {
                faults.push_back("a control out of range: " + which + " selects " + std::to_string(selected) + " of " +
                      std::to_string(count));
            }
        } else if (cls == "msctls_trackbar32") {
            const LRESULT low = ::SendMessageA(control, TBM_GETRANGEMIN, 0, 0);
            const LRESULT high = ::SendMessageA(control, TBM_GETRANGEMAX, 0, 0);
            const LRESULT at = ::SendMessageA(control, TBM_GETPOS, 0, 0);
            if (at < low || at > high) {
                faults.push_back("a control out of range: " + which + " at " + std::to_string(at) + " outside " +
                      std::to_string(low) + " to " + std::to_string(high));
            }
        }
    }
    return faults;
}

void Monkey::ActOnSheet() {
    DWORD_PTR current = 0;
    ::SendMessageTimeoutA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 2000, &current);
    HWND page = reinterpret_cast<HWND>(current);
    const int roll = Pick(100);
    if (roll < 15) {
        const int tab = Pick(static_cast<int>(tlw::PageCount()));
        Log("TAB " + std::to_string(tab));
        Send(sheet_, PSM_SETCURSEL, tab, 0, "TAB");
    } else if (roll < 23) {
        if (!::IsWindowEnabled(::GetDlgItem(sheet_, IDC_SHEET_APPLY))) return;
        Log("APPLY");
        Send(sheet_, WM_COMMAND, IDC_SHEET_APPLY, 0, "APPLY");
    } else if (roll < 27) {
        Log("MENU " + std::to_string(IDM_LOAD_PREVIOUS));
        Send(sheet_, WM_COMMAND, IDM_LOAD_PREVIOUS, 0, "Load Previous");
    } else if (roll < 29) {
        Log("MENU " + std::to_string(IDM_LOAD_DEFAULT));
        Send(sheet_, WM_COMMAND, IDM_LOAD_DEFAULT, 0, "Load Default");
    } else if (roll < 30) {
        Log("MENU " + std::to_string(IDM_ABOUT));
        Send(sheet_, WM_COMMAND, IDM_ABOUT, 0, "About");
    } else if (roll < 31) {
        Finish();
    } else if (page) {
        std::vector<HWND> controls;
        for (HWND child : ChildrenOf(page)) {
            if (!Usable(child) || ::GetParent(child) != page) continue;
            const std::string cls = ClassOf(child);
            const LONG type = ::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
            if ((cls == "Button" && type != BS_GROUPBOX) || cls == "ComboBox" || cls == "msctls_trackbar32" ||
                cls == "ListBox" || (cls == "Edit" && typing_)) {
                controls.push_back(child);
            }
        }
        if (controls.empty()) return;
        ActOnControl(page, controls[Pick(static_cast<int>(controls.size()))], false);
    }
    if (!Ended() && page && ::IsWindow(page)) CheckControls(page);
}

void Monkey::Finish() {
    const bool ok = Pick(2) == 0;
    Log(ok ? "OK" : "CANCEL");
    Send(sheet_, WM_COMMAND, ok ? IDOK : IDCANCEL, 0, ok ? "OK" : "CANCEL");
}

void Monkey::Play(int steps) {
    tlw_.reset(new Process({"", statePath_, logPath_, folder_, ""}));
    if (!tlw_->started()) {
        Fault("no start: tlw.exe did not start");
        return;
    }
    const DWORD start = ::GetTickCount();
    int played = 0;
    while (!Ended() && played < steps && !(sheet_ && !Open(sheet_))) {
        if (HWND dialog = DialogToAnswer()) {
            Answer(dialog);
            ++played;
            continue;
        }
        if (!sheet_) {
            if (::GetTickCount() - start > kHangMs) {
                Fault("a hang at start-up: no window within 30 s");
                over_ = true;
                break;
            }
            ::Sleep(20);
            continue;
        }
        ActOnSheet();
        ++played;
    }
    if (!Ended() && sheet_ && Open(sheet_)) Finish();
    // What the program shows while it ends is answered too.
    const DWORD closing = ::GetTickCount();
    while (!Ended() && ::GetTickCount() - closing < kHangMs) {
        if (HWND dialog = DialogToAnswer()) {
            Answer(dialog);
        } else {
            tlw_->WaitForExit(20);
        }
    }
    if (!Ended()) {
        std::string shown;
        for (HWND hwnd : TopLevelWindowsOf(tlw_->id())) {
            shown += " \"" + TextOf(hwnd) + "\" (" + ClassOf(hwnd) + (::IsWindowEnabled(hwnd) ? "" : ", disabled") + ")";
        }
        if (sheet_ && Open(sheet_)) {
            HWND cancel = ::GetDlgItem(sheet_, IDCANCEL);
            shown += std::string(", its Cancel button ") + (cancel && ::IsWindowEnabled(cancel) ? "enabled" : "disabled") +
                     " on page " + std::to_string(CurrentPage());
        }
        Fault("a hang: the program did not end after " + actions_.back() + "; it shows" + shown);
        over_ = true;
    }
}

}  // namespace

std::string WhatTheMonkeySkips() {
    if (WhyWow64HasNoDisplay().empty()) return "";
    return "combo box choices and typing into edits: " + WhyWow64HasNoDisplay() +
           "; an edit given a typed character crashes drawing it (see wow64_keyboard_probe)";
}

MonkeyRun PlayMonkey(std::uint32_t seed, int steps, const std::string& outFolder) {
    const std::string folder = outFolder + "\\seed-" + std::to_string(seed);
    ::CreateDirectoryA(outFolder.c_str(), nullptr);
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::DeleteFileA((folder + "\\notebook.ini").c_str());
    ::DeleteFileA((folder + "\\requests.log").c_str());
    Monkey monkey(seed, folder);
    monkey.Play(steps);
    MonkeyRun run = monkey.Result();
    std::string text;
    for (const std::string& line : run.actions) text += line + "\n";
    WriteText(folder + "\\actions.log", text);
    return run;
}

}  // namespace wt
