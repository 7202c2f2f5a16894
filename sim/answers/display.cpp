// The display calls: the boot display, the display in use, the monitor check,
// the panel type, brightness and contrast with their ranges. A read answers in
// CL (the panel type in AL), a write takes its value from CL. Writes this
// notebook could not carry out are refused: a level outside its range, a
// switch to the external monitor while none is plugged in.
#include "bios/call_rows.h"
#include "sim/answers/area.h"

namespace tlw::sim {
namespace {

// The monitor check's answer when nothing is plugged in.
constexpr std::uint8_t kAhNoMonitor = 0x01;

enum Operation : std::uint8_t { kRead = 0, kWrite = 1 };

std::uint8_t Cl(const Request& r) { return r.in.ecx & 0xFF; }
void PutCl(Request& r, std::uint8_t value) { r.out().ecx = (r.in.ecx & 0xFFFFFF00u) | value; }

// Reads or writes one byte item; `accepts` judges a written value.
template <typename Accepts>
void ReadOrWrite(Request& r, std::uint8_t& item, Accepts accepts) {
    switch (r.bh()) {
        case kRead:
            return PutCl(r, item);
        case kWrite:
            if (!accepts(Cl(r))) return r.Refuse(kAhBadArgument);
            item = Cl(r);
            return r.Changed();
        default:
            return r.Refuse(kAhUnsupported);
    }
}

void Ranges(Request& r) {
    if (r.bh() != kRead) return r.Refuse(kAhUnsupported);
    const DisplayState& d = r.state.display;
    r.out().ecx = (r.in.ecx & 0xFFFF0000u) | std::uint32_t{d.contrastMax} << 8 | d.contrastMin;
    r.out().edx = (r.in.edx & 0xFFFF0000u) | std::uint32_t{d.brightnessMax} << 8 | d.brightnessMin;
}

void BootDisplay(Request& r) {
    ReadOrWrite(r, r.state.display.settings.bootDisplay, [](std::uint8_t v) { return v == 2 || v == 3; });
}

void DisplayDevice(Request& r) {
    const bool monitor = r.state.display.monitorConnected;
    ReadOrWrite(r, r.state.display.displayDevice, [monitor](std::uint8_t v) { return v == 1 || (v <= 2 && monitor); });
}

void MonitorCheck(Request& r) {
    if (r.bh() != kRead) return r.Refuse(kAhUnsupported);
    if (!r.state.display.monitorConnected) r.Refuse(kAhNoMonitor);
}

void PanelType(Request& r) {
    if (r.bh() != kRead) return r.Refuse(kAhUnsupported);
    r.out().eax = (r.in.eax & 0xFFFF0000u) | r.state.display.panelType;
}

void Brightness(Request& r) {
    DisplayState& d = r.state.display;
    ReadOrWrite(r, d.brightness, [&d](std::uint8_t v) { return v >= d.brightnessMin && v <= d.brightnessMax; });
}

void Contrast(Request& r) {
    DisplayState& d = r.state.display;
    ReadOrWrite(r, d.contrast, [&d](std::uint8_t v) { return v >= d.contrastMin && v <= d.contrastMax; });
}

// One handler per item: it answers the item's read and its write.
const Answer kAnswers[] = {
    {&row::GetBrightnessContrastRange, Ranges}, {&row::GetBootDisplay, BootDisplay},
    {&row::GetDisplayDevice, DisplayDevice},    {&row::CheckMonitorConnected, MonitorCheck},
    {&row::GetPanelType, PanelType},            {&row::GetDisplayBrightness, Brightness},
    {&row::GetDisplayContrast, Contrast},
};

void Keys(StateKeys& keys, NotebookState& state) {
    DisplayState& d = state.display;
    keys.Byte("boot_display", d.settings.bootDisplay, "display used at boot: 2 external monitor and LCD panel, 3 auto");
    keys.Byte("display_device", d.displayDevice, "display in use: 0 external monitor only, 1 LCD panel only, 2 both");
    keys.OnOff("monitor_connected", d.monitorConnected,
               "an external monitor is plugged in: on or off (edit it while the program runs to plug or unplug)");
    keys.Byte("panel_type", d.panelType, "LCD panel type; 0: a panel without a contrast control");
    keys.Byte("brightness", d.brightness, "panel brightness level");
    keys.BytePair("brightness_range", d.brightnessMin, d.brightnessMax, "brightness range: minimum maximum");
    keys.Byte("contrast", d.contrast, "panel contrast level");
    keys.BytePair("contrast_range", d.contrastMin, d.contrastMax, "contrast range: minimum maximum");
}

void LoadDefaults(NotebookState& state) { state.display.settings = {}; }

}  // namespace

extern const Area kDisplayArea = MakeArea(kAnswers, Keys, LoadDefaults);

}  // namespace tlw::sim
