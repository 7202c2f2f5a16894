// The simulated notebook's display: its keys, the monitor plugged in and out
// while the program runs, and the writes it refuses.
#include <gtest/gtest.h>

#include "bios/display_calls.h"
#include "bios/shell_calls.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

TEST_F(SimulatedNotebook, DisplayKeysReadAsWrittenAndRangesAreTwoDecimalBytes) {
    ASSERT_TRUE(Open(nullptr));
    const std::string text = ReadFile(state());
    for (const char* line : {"boot_display = 3", "display_device = 1", "monitor_connected = off", "panel_type = 1",
                             "brightness = 5", "brightness_range = 0 7", "contrast = 8", "contrast_range = 0 15"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    CloseBiosChannel();

    ASSERT_TRUE(Open("brightness_range = 20   2\ncontrast_range = 0x10 255\n"));
    std::uint8_t contrastMax = 0, contrastMin = 0, brightnessMax = 0, brightnessMin = 0;
    ASSERT_TRUE(GetBrightnessContrastRange(contrastMax, contrastMin, brightnessMax, brightnessMin));
    EXPECT_EQ(brightnessMin, 20) << "an inverted range is kept as given";
    EXPECT_EQ(brightnessMax, 2);
    EXPECT_EQ(contrastMin, 16);
    EXPECT_EQ(contrastMax, 255);
    CloseBiosChannel();

    for (const char* bad : {"contrast_range = 7\n", "contrast_range = 1 2 3\n", "contrast_range = 0 256\n"}) {
        std::string error;
        EXPECT_FALSE(Open(bad, &error)) << bad;
        EXPECT_NE(error.find("two bytes"), std::string::npos) << error;
    }
}

TEST_F(SimulatedNotebook, TheMonitorPlugIsReadAgainBeforeEachRequest) {
    ASSERT_TRUE(Open("monitor_connected = off\n"));
    EXPECT_FALSE(CheckMonitorConnected());
    EXPECT_FALSE(SetDisplayDevice(2)) << "no switch to a monitor that is not there";

    std::string text = ReadFile(state());
    text.replace(text.find("monitor_connected = off"), 23, "monitor_connected = on");
    WriteFile(state(), text);
    EXPECT_TRUE(CheckMonitorConnected());
    EXPECT_TRUE(SetDisplayDevice(0));
    std::uint8_t device = 0xFF;
    ASSERT_TRUE(GetDisplayDevice(device));
    EXPECT_EQ(device, 0);
    EXPECT_NE(ReadFile(state()).find("display_device = 0"), std::string::npos);
    EXPECT_FALSE(SetDisplayDevice(3));
}

TEST_F(SimulatedNotebook, LevelsOutsideTheirRangesAreRefusedAndDefaultsRestoreOnlyTheBootDisplay) {
    ASSERT_TRUE(Open("brightness_range = 2 20\ncontrast_range = 0 15\nboot_display = 2\n"));
    EXPECT_FALSE(SetDisplayBrightness(1));
    EXPECT_FALSE(SetDisplayBrightness(21));
    EXPECT_TRUE(SetDisplayBrightness(20));
    EXPECT_FALSE(SetDisplayContrast(16));
    EXPECT_TRUE(SetDisplayContrast(0));
    EXPECT_FALSE(SetBootDisplay(1)) << "the boot display is 2 or 3";
    EXPECT_EQ(notebook().display.settings.bootDisplay, 2);

    ASSERT_TRUE(LoadSetupDefault());
    std::uint8_t value = 0;
    ASSERT_TRUE(GetBootDisplay(value));
    EXPECT_EQ(value, 3);
    ASSERT_TRUE(GetDisplayBrightness(value));
    EXPECT_EQ(value, 20) << "a level is no setup setting";
    ASSERT_TRUE(GetDisplayContrast(value));
    EXPECT_EQ(value, 0);
}

}  // namespace
}  // namespace tlw::sim
