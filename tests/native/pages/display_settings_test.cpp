// The display page's model on the simulated notebook: the boot display through
// Apply and Load Previous, the display switch with the monitor plugged or not,
// and the panel levels, which never reach the BIOS outside the range it gave.
#include "pages/display/display_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/sim/notebook_fixture.h"

namespace tlw {
namespace {

class DisplayModel : public sim::SimulatedNotebook {
protected:
    // ECX of each request to `call` in the log, in order.
    std::vector<unsigned> Sent(const std::string& call) const {
        std::vector<unsigned> values;
        for (const test::LoggedRequest& r : test::ParseRequests(LogLines())) {
            if (r.call == call) values.push_back(r.in.ecx);
        }
        return values;
    }
};

TEST_F(DisplayModel, NeverSendsALevelOutsideTheRangeTheBiosGave) {
    ASSERT_TRUE(Open("brightness_range = 2 9\nbrightness = 12\ncontrast_range = 4 11\ncontrast = 1\n"));
    PanelLevels levels;
    ASSERT_TRUE(levels.ReadRanges());
    EXPECT_EQ(levels.Read(PanelLevel::Brightness), 9) << "a level above the range shows as its maximum";
    EXPECT_EQ(levels.Read(PanelLevel::Contrast), 4);
    EXPECT_TRUE(Sent("SetDisplayBrightness").empty()) << "reading corrects nothing in the BIOS";

    EXPECT_EQ(levels.Send(PanelLevel::Brightness, 1), 2);
    EXPECT_EQ(levels.Send(PanelLevel::Brightness, 300), 9);
    EXPECT_EQ(levels.Send(PanelLevel::Brightness, 5), 5);
    EXPECT_EQ(levels.Send(PanelLevel::Contrast, -1), 4);
    EXPECT_EQ(Sent("SetDisplayBrightness"), (std::vector<unsigned>{2, 9, 5}));
    EXPECT_EQ(Sent("SetDisplayContrast"), (std::vector<unsigned>{4}));
    EXPECT_EQ(notebook().display.brightness, 5);
}

TEST_F(DisplayModel, AnInvertedRangeOffersThatLevelNotAndSendsItNothing) {
    ASSERT_TRUE(Open("brightness_range = 7 0\ncontrast_range = 0 15\n"));
    PanelLevels levels;
    ASSERT_TRUE(levels.ReadRanges());
    EXPECT_FALSE(levels.Offered(PanelLevel::Brightness));
    EXPECT_FALSE(levels.Read(PanelLevel::Brightness).has_value());
    EXPECT_FALSE(levels.Send(PanelLevel::Brightness, 3).has_value());
    EXPECT_TRUE(Sent("SetDisplayBrightness").empty());
    EXPECT_TRUE(Sent("GetDisplayBrightness").empty());
    EXPECT_TRUE(levels.Offered(PanelLevel::Contrast)) << "the other level keeps its good range";
    EXPECT_EQ(levels.Send(PanelLevel::Contrast, 15), 15);
}

TEST_F(DisplayModel, ARefusedRangeReadOrAPanelWithoutContrastOffersLess) {
    ASSERT_TRUE(Open("refuse = GetBrightnessContrastRange status\n"));
    PanelLevels none;
    EXPECT_FALSE(none.ReadRanges());
    EXPECT_FALSE(none.Offered(PanelLevel::Brightness));
    EXPECT_FALSE(none.Offered(PanelLevel::Contrast));
    EXPECT_FALSE(none.Send(PanelLevel::Contrast, 0).has_value());
    CloseBiosChannel();

    for (const char* panel : {"panel_type = 0\n", "refuse = GetPanelType status\n"}) {
        SCOPED_TRACE(panel);
        ASSERT_TRUE(Open(panel));
        PanelLevels levels;
        ASSERT_TRUE(levels.ReadRanges());
        levels.ReadPanelType();
        EXPECT_TRUE(levels.Offered(PanelLevel::Brightness));
        EXPECT_FALSE(levels.Offered(PanelLevel::Contrast));
        EXPECT_FALSE(levels.Send(PanelLevel::Contrast, 3).has_value());
        CloseBiosChannel();
    }
}

TEST_F(DisplayModel, TheExternalMonitorIsChosenOnlyAfterTheBiosFindsOne) {
    ASSERT_TRUE(Open("display_device = 1\nmonitor_connected = off\n"));
    DisplaySwitch display;
    EXPECT_EQ(display.Read(), kLcdPanelOnly);
    EXPECT_EQ(display.Choose(kBothDisplays), DisplaySwitch::Outcome::NoMonitor);
    EXPECT_EQ(display.Choose(kExternalMonitorOnly), DisplaySwitch::Outcome::NoMonitor);
    EXPECT_TRUE(Sent("SetDisplayDevice").empty()) << "the panel still shows the picture: nothing to switch";
    EXPECT_EQ(Sent("CheckMonitorConnected").size(), 2u);

    std::string text = sim::ReadFile(state());
    text.replace(text.find("monitor_connected = off"), 23, "monitor_connected = on");
    sim::WriteFile(state(), text);
    EXPECT_EQ(display.Choose(kExternalMonitorOnly), DisplaySwitch::Outcome::Switched);
    EXPECT_EQ(display.Choose(kLcdPanelOnly), DisplaySwitch::Outcome::Switched);
    EXPECT_EQ(Sent("CheckMonitorConnected").size(), 3u) << "the panel needs no monitor check";
    EXPECT_EQ(Sent("SetDisplayDevice"), (std::vector<unsigned>{0, 1}));
}

TEST_F(DisplayModel, AMonitorUnpluggedUnderTheExternalDisplayGivesThePictureBackToThePanel) {
    ASSERT_TRUE(Open("display_device = 0\nmonitor_connected = off\n"));
    DisplaySwitch display;
    EXPECT_EQ(display.Read(), kExternalMonitorOnly);
    EXPECT_EQ(display.Choose(kBothDisplays), DisplaySwitch::Outcome::NoMonitorPanelRestored);
    EXPECT_EQ(Sent("SetDisplayDevice"), (std::vector<unsigned>{1}));
    EXPECT_EQ(notebook().display.displayDevice, kLcdPanelOnly);
    EXPECT_EQ(display.Choose(kExternalMonitorOnly), DisplaySwitch::Outcome::NoMonitor) << "the panel is lit now";
    EXPECT_EQ(Sent("SetDisplayDevice").size(), 1u);
}

TEST_F(DisplayModel, TheBootDisplayWaitsForApplyNeedsARestartAndIsWrittenAgainOnRestore) {
    ASSERT_TRUE(Open("boot_display = 2\nrefuse = SetBootDisplay status\n"));
    BootDisplaySettings boot;
    boot.Load();
    EXPECT_EQ(boot.lastRead(), kBootBothDisplays);
    EXPECT_EQ(boot.Apply(), ApplyResult::Nothing);
    boot.Choose(kBootAutoDetect);
    EXPECT_TRUE(Sent("SetBootDisplay").empty());
    EXPECT_EQ(boot.Apply(), ApplyResult::AppliedNeedsRestart) << "a refused write still counts as applied";
    EXPECT_EQ(boot.setting().lastApplied(), kBootAutoDetect);
    boot.RestorePrevious();
    boot.RestorePrevious();
    EXPECT_EQ(Sent("SetBootDisplay"), (std::vector<unsigned>{3, 3})) << "applied once, restored once";
    boot.Load();
    EXPECT_EQ(boot.lastRead(), kBootBothDisplays) << "the BIOS refused both writes";
}

}  // namespace
}  // namespace tlw
