// The display device page in the program's sheet on a simulated notebook:
// what it shows of the state file, the track bars under real keys, the
// display switch with the monitor plugged in and out while the sheet runs,
// and the boot display through Apply, OK and Load Previous.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/wine/app/sheet_fixture.h"
#include "tests/wine/pages/typing.h"
#include "win/property_sheet.h"
#include "win/resources.h"

namespace {

using namespace wt;

constexpr int kDisplayPage = 4;

class DisplayPage : public SheetFixture {
protected:
    // ECX of each request to `call`, in order.
    std::vector<unsigned> Sent(const std::string& call) const {
        std::vector<unsigned> values;
        for (const std::string& line : LinesOf(Log(), call)) {
            values.push_back(std::stoul(line.substr(line.find("ECX=") + 4, 8), nullptr, 16));
        }
        return values;
    }
    // Changes one key of the state file while the sheet runs, as a person
    // plugging a monitor in would: the notebook reads it at its next request.
    void SetKey(const std::string& key, const std::string& value) {
        std::string text = "\n" + StateText();
        const std::size_t at = text.find("\n" + key + " = ");
        ASSERT_NE(at, std::string::npos) << key;
        const std::size_t end = std::min(text.find('\n', at + 1), text.size());
        text.replace(at + 1, end - at - 1, key + " = " + value);
        WriteText(dir_.File("notebook.ini"), text.substr(1));
    }
    bool StateHas(const std::string& line) const {
        return ("\n" + StateText() + "\n").find("\n" + line + "\n") != std::string::npos;
    }
};

bool Checked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }
bool Visible(HWND page, int id) { return ::IsWindowVisible(::GetDlgItem(page, id)) != FALSE; }
bool Enabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }
std::string Text(HWND page, int id) { return TextOf(::GetDlgItem(page, id)); }
LRESULT Ask(HWND page, int id, UINT message, WPARAM wParam = 0) {
    return ::SendDlgItemMessageA(page, id, message, wParam, 0);
}

// Gives the keyboard focus to control `id` of `page`, from the page's own
// thread; with `move` false, only says whether the control has it.
bool FocusControl(HWND sheet, HWND page, int id, bool move = true) {
    HWND control = ::GetDlgItem(page, id);
    if (move) {
        ::SetForegroundWindow(sheet);
        ::SendMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
    return Eventually([&] { return wt::FocusOf(sheet) == control; });
}

TEST_F(DisplayPage, ShowsTheStateFilesDisplayWithItsRangesAndSteps) {
    OpenNotebook("boot_display = 3\ndisplay_device = 1\nbrightness_range = 0 7\nbrightness = 5\n"
                 "contrast_range = 0 15\ncontrast = 8\n");
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kDisplayPage);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(Checked(page, IDC_BOOT_DISPLAY_AUTO));
        EXPECT_FALSE(Checked(page, IDC_BOOT_DISPLAY_BOTH));
        EXPECT_TRUE(Checked(page, IDC_DISPLAY_LCD_ONLY));
        EXPECT_FALSE(Checked(page, IDC_DISPLAY_EXTERNAL_ONLY) || Checked(page, IDC_DISPLAY_BOTH));
        EXPECT_EQ(Text(page, IDC_BOOT_DISPLAY_AUTO), "Auto");
        EXPECT_EQ(Text(page, IDC_DISPLAY_DEVICE_GROUP), "Switching display device");
        EXPECT_EQ(Text(page, IDC_DISPLAY_EXTERNAL_ONLY), "External monitor");
        EXPECT_EQ(Text(page, IDC_BRIGHTNESS_LABEL), "Brightness for LCD Panel (5)");
        EXPECT_EQ(Text(page, IDC_CONTRAST_LABEL), "Contrast for LCD Panel (8)");

        const struct {
            int id, maximum, position, ticks;
        } bars[] = {{IDC_BRIGHTNESS_TRACKBAR, 7, 5, 3}, {IDC_CONTRAST_TRACKBAR, 15, 8, 5}};
        for (const auto& bar : bars) {
            SCOPED_TRACE(bar.id);
            EXPECT_EQ(Ask(page, bar.id, TBM_GETRANGEMIN), 0);
            EXPECT_EQ(Ask(page, bar.id, TBM_GETRANGEMAX), bar.maximum);
            EXPECT_EQ(Ask(page, bar.id, TBM_GETPOS), bar.position);
            EXPECT_EQ(Ask(page, bar.id, TBM_GETPAGESIZE), 4);
            EXPECT_EQ(Ask(page, bar.id, TBM_GETLINESIZE), 1);
            // Both ends, and a tick every 4 steps between them.
            EXPECT_EQ(Ask(page, bar.id, TBM_GETNUMTICS), bar.ticks);
            for (int i = 0; i < bar.ticks - 2; ++i) EXPECT_EQ(Ask(page, bar.id, TBM_GETTIC, i), 4 * (i + 1));
        }
        EXPECT_FALSE(ApplyEnabled(sheet));
    });
    EXPECT_TRUE(Sent("SetDisplayBrightness").empty()) << "showing the levels writes none";
    EXPECT_TRUE(Sent("SetDisplayDevice").empty());
}

TEST_F(DisplayPage, ArrowAndPageKeysSendEveryStepAtOnceAndCancelKeepsThem) {
    OpenNotebook("brightness = 3\ncontrast = 8\n");
    bool modified = true;
    std::string brightnessLabel, contrastLabel;
    const INT_PTR result = RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kDisplayPage);
        ASSERT_TRUE(FocusControl(sheet, page, IDC_BRIGHTNESS_TRACKBAR));
        wt::PressExtendedKey(VK_RIGHT);
        wt::PressExtendedKey(VK_RIGHT);
        // Each key's press and release reach the BIOS: the focus moves on only
        // once the last release has, or it would reach the next track bar.
        EXPECT_TRUE(Eventually([&] { return Sent("SetDisplayBrightness").size() >= 4; }));
        brightnessLabel = Text(page, IDC_BRIGHTNESS_LABEL);

        ASSERT_TRUE(FocusControl(sheet, page, IDC_CONTRAST_TRACKBAR));
        wt::PressExtendedKey(VK_NEXT);  // a page: 4 steps
        wt::PressExtendedKey(VK_END);   // the range's end, never beyond
        wt::PressExtendedKey(VK_RIGHT);  // at the end already: only its release is sent
        EXPECT_TRUE(Eventually([&] { return Sent("SetDisplayContrast").size() >= 5; }));
        contrastLabel = Text(page, IDC_CONTRAST_LABEL);
        modified = ApplyEnabled(sheet);
        Click(sheet, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(brightnessLabel, "Brightness for LCD Panel (5)");
    EXPECT_EQ(contrastLabel, "Contrast for LCD Panel (15)");
    EXPECT_FALSE(modified) << "a track bar acts at once and leaves Apply off";

    // Each key sends its step, and its release the end of the movement again.
    const std::vector<unsigned> brightness = Sent("SetDisplayBrightness");
    ASSERT_FALSE(brightness.empty());
    EXPECT_EQ(brightness.back(), 5u);
    EXPECT_NE(std::find(brightness.begin(), brightness.end(), 4u), brightness.end()) << "the step through 4";
    for (unsigned level : brightness) EXPECT_TRUE(level == 4 || level == 5) << level;
    const std::vector<unsigned> contrast = Sent("SetDisplayContrast");
    ASSERT_FALSE(contrast.empty());
    EXPECT_EQ(contrast.front(), 12u) << "page size 4 from 8";
    EXPECT_EQ(contrast.back(), 15u);
    for (unsigned level : contrast) EXPECT_LE(level, 15u);
    EXPECT_TRUE(StateHas("brightness = 5")) << "Cancel takes no level back";
    EXPECT_TRUE(StateHas("contrast = 15"));
    EXPECT_TRUE(Sent("SetBootDisplay").empty());
}

TEST_F(DisplayPage, LevelsTheBiosCannotDescribeAreHidden) {
    const struct {
        const char* state;
        bool brightness, contrast;
    } cases[] = {
        {"panel_type = 0\n", true, false},
        {"refuse = GetPanelType status\n", true, false},
        {"refuse = GetBrightnessContrastRange status\n", false, false},
        {"brightness_range = 7 0\n", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        OpenNotebook(c.state);
        RunSheet([&](HWND sheet) {
            HWND page = ShowPage(sheet, kDisplayPage);
            EXPECT_EQ(Visible(page, IDC_BRIGHTNESS_LABEL), c.brightness);
            EXPECT_EQ(Visible(page, IDC_BRIGHTNESS_TRACKBAR), c.brightness);
            EXPECT_EQ(Visible(page, IDC_CONTRAST_LABEL), c.contrast);
            EXPECT_EQ(Visible(page, IDC_CONTRAST_TRACKBAR), c.contrast);
            // Switching the display shows the levels again: hidden ones stay hidden.
            Click(page, IDC_DISPLAY_LCD_ONLY);
            Eventually([&] { return !Sent("SetDisplayDevice").empty(); });
            EXPECT_EQ(Visible(page, IDC_CONTRAST_TRACKBAR), c.contrast);
            EXPECT_EQ(Visible(page, IDC_BRIGHTNESS_TRACKBAR), c.brightness);
        });
    }
}

TEST_F(DisplayPage, ExternalMonitorAtStartDisablesTheLevelsAndItsUnplugGivesThePanelBack) {
    OpenNotebook("display_device = 0\nmonitor_connected = on\nboot_display = 7\n");
    std::string message;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kDisplayPage);
        EXPECT_TRUE(Checked(page, IDC_DISPLAY_EXTERNAL_ONLY));
        EXPECT_FALSE(Checked(page, IDC_DISPLAY_LCD_ONLY) || Checked(page, IDC_DISPLAY_BOTH));
        EXPECT_FALSE(Checked(page, IDC_BOOT_DISPLAY_AUTO) || Checked(page, IDC_BOOT_DISPLAY_BOTH))
            << "a boot display code the page does not know checks neither";
        for (int id : {IDC_BRIGHTNESS_LABEL, IDC_BRIGHTNESS_TRACKBAR, IDC_CONTRAST_LABEL, IDC_CONTRAST_TRACKBAR}) {
            EXPECT_FALSE(Enabled(page, id)) << id;
            EXPECT_TRUE(Visible(page, id)) << id;
        }
        EXPECT_EQ(Text(page, IDC_BRIGHTNESS_LABEL), "Brightness");
        EXPECT_EQ(Text(page, IDC_CONTRAST_LABEL), "Contrast");

        SetKey("monitor_connected", "off");
        Click(page, IDC_DISPLAY_BOTH);
        HWND box = WaitForDialog(win::AppTitle().c_str());
        ASSERT_NE(box, nullptr) << "no message";
        message = StaticTextsOf(box);
        Click(box, IDOK);
        WaitForWindowGone(box, kSheetWait);
        EXPECT_TRUE(Checked(page, IDC_DISPLAY_LCD_ONLY));
        EXPECT_FALSE(Checked(page, IDC_DISPLAY_BOTH) || Checked(page, IDC_DISPLAY_EXTERNAL_ONLY));
        EXPECT_TRUE(Enabled(page, IDC_BRIGHTNESS_TRACKBAR)) << "the panel shows the picture again";
        EXPECT_EQ(Text(page, IDC_BRIGHTNESS_LABEL), "Brightness for LCD Panel (5)");
        EXPECT_FALSE(ApplyEnabled(sheet));
        Click(sheet, IDOK);
    });
    EXPECT_NE(message.find("No monitor connects to your computer. Display restores to LCD panel."), std::string::npos)
        << message;
    EXPECT_EQ(Sent("SetDisplayDevice"), std::vector<unsigned>{1}) << "the picture was on the monitor alone";
    EXPECT_TRUE(StateHas("display_device = 1"));
    EXPECT_TRUE(Sent("SetBootDisplay").empty()) << "OK writes no boot display the user did not pick";
}

TEST_F(DisplayPage, BothWithoutAMonitorSwitchesNothingUntilOneIsPluggedIn) {
    OpenNotebook("display_device = 1\nmonitor_connected = off\nboot_display = 2\n");
    bool messageShown = false, modified = true, lcdChecked = false, secondMessage = true;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kDisplayPage);
        Click(page, IDC_DISPLAY_BOTH);
        messageShown = WaitForDialog(win::AppTitle().c_str()) != nullptr;
        Answer(win::AppTitle().c_str(), IDOK);
        lcdChecked = Checked(page, IDC_DISPLAY_LCD_ONLY) && !Checked(page, IDC_DISPLAY_BOTH);
        modified = ApplyEnabled(sheet);
        EXPECT_TRUE(Sent("SetDisplayDevice").empty()) << "the panel already shows the picture";

        SetKey("monitor_connected", "on");
        Click(page, IDC_DISPLAY_BOTH);
        secondMessage = !NoDialog(win::AppTitle().c_str());
        EXPECT_TRUE(Checked(page, IDC_DISPLAY_BOTH));
        Click(page, IDC_DISPLAY_EXTERNAL_ONLY);
        EXPECT_TRUE(Eventually([&] { return !Enabled(page, IDC_BRIGHTNESS_TRACKBAR); }));
        Click(page, IDC_DISPLAY_LCD_ONLY);
        EXPECT_TRUE(Eventually([&] { return Enabled(page, IDC_BRIGHTNESS_TRACKBAR); }));
        Click(sheet, IDOK);
    });
    EXPECT_TRUE(messageShown);
    EXPECT_TRUE(lcdChecked);
    EXPECT_FALSE(modified) << "a display switch is no pending change";
    EXPECT_FALSE(secondMessage) << "the monitor plugged in while the sheet ran";
    EXPECT_EQ(Sent("SetDisplayDevice"), (std::vector<unsigned>{2, 0, 1}));
    EXPECT_EQ(LinesOf(Log(), "CheckMonitorConnected").size(), 3u) << "once per external choice";
    EXPECT_TRUE(Sent("SetBootDisplay").empty());
    EXPECT_TRUE(StateHas("boot_display = 2"));
}

TEST_F(DisplayPage, AutoWaitsForApplyAsksForARestartAtOKAndLoadPreviousWritesItAgain) {
    OpenNotebook("boot_display = 2\n");
    bool modifiedAfterClick = false, modifiedAfterApply = true, autoCheckedAfterRestore = false;
    bool focusOnAuto = false, modifiedAfterRestore = true, prompted = false;
    std::vector<unsigned> beforeApply;
    RunSheet([&](HWND sheet) {
        HWND page = ShowPage(sheet, kDisplayPage);
        EXPECT_TRUE(Checked(page, IDC_BOOT_DISPLAY_BOTH));
        Click(page, IDC_BOOT_DISPLAY_AUTO);
        modifiedAfterClick = Eventually([&] { return ApplyEnabled(sheet); });
        beforeApply = Sent("SetBootDisplay");
        Click(sheet, win::kApplyButton);
        modifiedAfterApply = !Eventually([&] { return !ApplyEnabled(sheet); });

        Click(page, IDC_BOOT_DISPLAY_BOTH);  // pending when the restore comes: dropped
        ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
        Answer("Load Previous BIOS Settings", IDOK);
        autoCheckedAfterRestore = Eventually([&] {
            return Checked(page, IDC_BOOT_DISPLAY_AUTO) && !Checked(page, IDC_BOOT_DISPLAY_BOTH);
        });
        modifiedAfterRestore = ApplyEnabled(sheet);
        focusOnAuto = wt::FocusOf(sheet) == ::GetDlgItem(page, IDC_BOOT_DISPLAY_AUTO);

        Click(sheet, IDOK);
        HWND prompt = WaitForDialog("BIOS Settings Change");
        prompted = prompt != nullptr;
        if (prompt) Click(prompt, IDCANCEL);
    });
    EXPECT_TRUE(beforeApply.empty()) << "a click alone writes nothing";
    EXPECT_TRUE(modifiedAfterClick);
    EXPECT_FALSE(modifiedAfterApply);
    EXPECT_TRUE(autoCheckedAfterRestore);
    EXPECT_TRUE(focusOnAuto);
    EXPECT_FALSE(modifiedAfterRestore);
    EXPECT_TRUE(prompted) << "the boot display is read at the next boot";
    EXPECT_EQ(Sent("SetBootDisplay"), (std::vector<unsigned>{3, 3})) << "applied, then written again";
    const std::vector<std::string> applied = LinesOf(Log(), "SetBootDisplay");
    ASSERT_FALSE(applied.empty());
    EXPECT_EQ(applied[0].rfind("SetBootDisplay EAX=00009612 EBX=0000010A ECX=00000003 ", 0), 0u) << applied[0];
    EXPECT_TRUE(StateHas("boot_display = 3"));
}

// A reload that fails, or reads a code without a button, leaves the buttons
// as the user left them and the focus where it was.
TEST_F(DisplayPage, LoadPreviousAfterAFailedOrUnknownReadLeavesTheButtonsAndTheFocus) {
    const struct {
        const char* what;
        std::string key, value;
    } reloads[] = {{"a refused read", "refuse", "GetBootDisplay status"}, {"an unknown code", "boot_display", "5"}};
    for (const auto& reload : reloads) {
        SCOPED_TRACE(reload.what);
        OpenNotebook("boot_display = 2\n");
        bool restored = false, autoChecked = false, bothChecked = true, focusKept = false;
        RunSheet([&](HWND sheet) {
            HWND page = ShowPage(sheet, kDisplayPage);
            Click(page, IDC_BOOT_DISPLAY_AUTO);
            ASSERT_TRUE(Eventually([&] { return ApplyEnabled(sheet); }));
            ASSERT_TRUE(FocusControl(sheet, page, IDC_BRIGHTNESS_TRACKBAR));
            if (reload.key == "refuse") {
                WriteText(dir_.File("notebook.ini"), StateText() + "refuse = " + reload.value + "\n");
            } else {
                SetKey(reload.key, reload.value);
            }
            ::PostMessageA(sheet, WM_COMMAND, IDM_LOAD_PREVIOUS, 0);
            Answer("Load Previous BIOS Settings", IDOK);
            restored = Eventually([&] { return !ApplyEnabled(sheet); });
            autoChecked = Checked(page, IDC_BOOT_DISPLAY_AUTO);
            bothChecked = Checked(page, IDC_BOOT_DISPLAY_BOTH);
            focusKept = FocusControl(sheet, page, IDC_BRIGHTNESS_TRACKBAR, false);
        });
        EXPECT_TRUE(restored);
        EXPECT_TRUE(autoChecked && !bothChecked) << "the buttons as the user left them";
        EXPECT_TRUE(focusKept) << "no boot display button takes the focus";
        EXPECT_TRUE(Sent("SetBootDisplay").empty());
    }
}

}  // namespace
