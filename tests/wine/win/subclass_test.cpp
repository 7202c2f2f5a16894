// Taking over a window's messages: what the procedure sees, what it passes
// on, and giving the window back; and the controls' base over it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "win/subclass.h"
#include "win/subclassed_window.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;

std::vector<UINT> g_original;  // messages of interest that reached the class's own procedure

LRESULT CALLBACK Original(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe || message == WM_NCDESTROY) g_original.push_back(message);
    if (message == kProbe) return 10 + static_cast<LRESULT>(wParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

struct Seen {
    std::vector<UINT> messages;
    bool removeAtNcDestroy = false;
};

LRESULT CALLBACK TakenOver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* seen = reinterpret_cast<Seen*>(data);
    if (message == kProbe || message == WM_NCDESTROY) seen->messages.push_back(message);
    if (message == kProbe && wParam == 1) return 99;  // handled here, never passed on
    if (message == WM_NCDESTROY && seen->removeAtNcDestroy) win::RemoveSubclass(hwnd, TakenOver);
    return win::DefaultSubclass(hwnd, message, wParam, lParam);
}

HWND MakeWindow() {
    static ATOM atom = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Original;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SubclassProbe";
        return ::RegisterClassA(&windowClass);
    }();
    (void)atom;
    g_original.clear();
    return ::CreateWindowExA(0, "SubclassProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

BOOL CALLBACK CountProperty(HWND, LPSTR, HANDLE, ULONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int Properties(HWND window) {
    int count = 0;
    ::EnumPropsExA(window, CountProperty, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(Subclassing, ProcedureSeesMessagesPassesThemOnAndGivesTheWindowBack) {
    HWND window = MakeWindow();
    ASSERT_NE(window, nullptr);
    Seen seen;
    const int properties = Properties(window);  // the system's own
    ASSERT_TRUE(win::SetSubclass(window, TakenOver, reinterpret_cast<DWORD_PTR>(&seen)));
    // Under Wine every property read is a round trip to the server, at every message.
    EXPECT_EQ(Properties(window), properties) << "found through a window property";

    EXPECT_EQ(::SendMessageA(window, kProbe, 1, 0), 99);
    EXPECT_EQ(::SendMessageA(window, kProbe, 2, 0), 12) << "passed on to the class's procedure";
    EXPECT_EQ(seen.messages, (std::vector<UINT>{kProbe, kProbe}));
    EXPECT_EQ(g_original, std::vector<UINT>{kProbe});

    win::RemoveSubclass(window, TakenOver);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC)), Original);
    EXPECT_EQ(::SendMessageA(window, kProbe, 1, 0), 11) << "the window is its own again";
    EXPECT_EQ(seen.messages.size(), 2u);
    ::DestroyWindow(window);
    EXPECT_EQ(seen.messages.size(), 2u);
}

TEST(Subclassing, DestroyingTheWindowUnhooksAfterTheProcedureSawWmNcDestroy) {
    for (bool removeItself : {false, true}) {
        HWND window = MakeWindow();
        Seen seen;
        seen.removeAtNcDestroy = removeItself;
        ASSERT_TRUE(win::SetSubclass(window, TakenOver, reinterpret_cast<DWORD_PTR>(&seen)));
        ::DestroyWindow(window);
        EXPECT_EQ(seen.messages, std::vector<UINT>{WM_NCDESTROY}) << "removing itself: " << removeItself;
        EXPECT_EQ(g_original, std::vector<UINT>{WM_NCDESTROY}) << "the class's procedure saw it last";
    }
}

TEST(Subclassing, OneProcedurePerWindowAndALaterOneOverItKeepsWorking) {
    HWND window = MakeWindow();
    Seen first, second;
    EXPECT_TRUE(win::SetSubclass(window, TakenOver, reinterpret_cast<DWORD_PTR>(&first)));
    EXPECT_FALSE(win::SetSubclass(window, TakenOver, reinterpret_cast<DWORD_PTR>(&second)));
    EXPECT_FALSE(win::SetSubclass(nullptr, TakenOver, 0));
    // Someone else's procedure over ours: removing ours must not cut theirs off.
    static WNDPROC ours = nullptr;
    ours = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
    ::SetWindowLongPtrA(window, GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
                            return ::CallWindowProcA(ours, hwnd, message, wParam, lParam);
                        }));
    win::RemoveSubclass(window, TakenOver);
    EXPECT_EQ(::SendMessageA(window, kProbe, 1, 0), 11) << "ours only passes messages on";
    EXPECT_EQ(first.messages.size(), 0u);
    ::DestroyWindow(window);
    EXPECT_EQ(g_original, (std::vector<UINT>{kProbe, WM_NCDESTROY}));
}

// A wide window stays wide: its procedure and ours see the text as it was sent.
std::wstring g_wideText, g_wideTextSeenByOurs;

LRESULT CALLBACK WideOriginal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) g_wideText = reinterpret_cast<const wchar_t*>(lParam);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK WideTakenOver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_SETTEXT) g_wideTextSeenByOurs = reinterpret_cast<const wchar_t*>(lParam);
    return win::DefaultSubclass(hwnd, message, wParam, lParam);
}

TEST(Subclassing, AWideWindowsTextReachesItUnconverted) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WideOriginal;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SubclassWideProbe";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    windowClass.hInstance, nullptr);
    ASSERT_TRUE(window && ::IsWindowUnicode(window));
    ASSERT_TRUE(win::SetSubclass(window, WideTakenOver, 0));
    EXPECT_TRUE(::IsWindowUnicode(window));
    const wchar_t* text = L"\u00c4nderung \u2192 ok";
    ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(g_wideTextSeenByOurs, text);
    EXPECT_EQ(g_wideText, text);
    ::DestroyWindow(window);
}

// A control object: answers kProbe 1 itself, throws on kProbe 3, passes the rest on.
class Probe : public win::SubclassedWindow {
public:
    bool Take(HWND hwnd) { return Subclass(hwnd); }
    std::vector<UINT> seen;
    int finalMessages = 0;

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kProbe) seen.push_back(message);
        if (message == kProbe && wParam == 1) return 99;
        if (message == kProbe && wParam == 3) throw std::runtime_error("a handler's fault");
        return Default(message, wParam, lParam);
    }
    void OnFinalMessage() override {
        ++finalMessages;
        EXPECT_NE(handle(), nullptr) << "still tied while it sees its last message";
    }
};

TEST(Subclassing, AControlObjectCatchesItsHandlersFaultsAndLetsGoWhicheverGoesFirst) {
    HWND window = MakeWindow();
    {
        Probe probe;
        EXPECT_FALSE(probe.Take(nullptr));
        ASSERT_TRUE(probe.Take(window));
        EXPECT_EQ(::SendMessageA(window, kProbe, 1, 0), 99);
        EXPECT_EQ(::SendMessageA(window, kProbe, 2, 0), 12);
        EXPECT_EQ(::SendMessageA(window, kProbe, 3, 0), 0) << "the exception stopped at the procedure";
        EXPECT_EQ(probe.seen.size(), 3u);
        EXPECT_EQ(g_original, std::vector<UINT>{kProbe});
    }
    // The object went first: the window is its own again.
    EXPECT_EQ(::SendMessageA(window, kProbe, 1, 0), 11);
    ::DestroyWindow(window);

    window = MakeWindow();
    Probe probe;
    ASSERT_TRUE(probe.Take(window));
    ::DestroyWindow(window);
    EXPECT_EQ(probe.finalMessages, 1);
    EXPECT_EQ(probe.handle(), nullptr);
    EXPECT_EQ(g_original, std::vector<UINT>{WM_NCDESTROY}) << "the class's procedure saw it last";
}

}  // namespace
