// Every BIOS call of the catalogue: the registers each sends for its
// arguments, the row it goes under, and the one answer the simulated notebook
// has for it. A new row fails here until it has a case and an answer.
#include "bios/call_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "bios/asset_tag_call.h"
#include "bios/boot_calls.h"
#include "bios/display_calls.h"
#include "bios/info_calls.h"
#include "bios/password_calls.h"
#include "bios/shell_calls.h"
#include "sim/answers/area.h"
#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

// One request as the driver receives it: name, EAX, EBX, ECX, EDX.
struct Frame {
    const char* call;
    std::uint32_t eax, ebx, ecx, edx;
};

// A call with its arguments, the row it belongs to, and every request it sends.
struct Case {
    const CallRow* row;
    std::function<void()> call;
    std::vector<Frame> sends;
};

std::uint8_t ah, a, b, c, d;
std::uint16_t word;
std::uint32_t size;
const std::uint8_t kCodes[9] = {0x1E, 0x30, 0x2E, 0x02, 0x03};

// A revision 2 BIOS (the memory and parallel port calls ask it) that
// answers AL and AH 0: the options byte reads as 0.
RegisterFrame Answer(const RegisterFrame& in) {
    RegisterFrame out = in;
    out.status = 0;
    out.eax &= 0xFFFF0000u;
    out.ebx |= 0x0200u;
    return out;
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        // The shell's calls.
        {&row::ZEFACheck, [] { ZEFACheck(ah, word); }, {{"ZEFACheck", 0x9610, 0x0000, 0, 0}}},
        {&row::SetHotkeyButton, [] { SetHotkeyButton(1); }, {{"SetHotkeyButton", 0x9612, 0x0105, 0, 0}}},
        {&row::SetHotkeyButton, [] { SetHotkeyButton(0); }, {{"SetHotkeyButton", 0x9612, 0x0005, 0, 0}}},
        {&row::CMOSChecksum, [] { CMOSChecksum(ah, 1); }, {{"CMOSChecksum", 0x9610, 0x0112, 0, 0}}},
        {&row::LoadSetupDefault, [] { LoadSetupDefault(); }, {{"LoadSetupDefault", 0x9610, 0x0014, 0, 0}}},
        {&row::SetChkSetupPasswd, [] { SetChkSetupPasswd(ah, 3, kCodes, 3); },
         {{"SetChkSetupPasswd", 0x9610, 0x0308, 3, 0}}},
        {&row::SetChkSetupPasswd, [] { SetChkSetupPasswd(ah, 2, kCodes, 2); },
         {{"SetChkSetupPasswd", 0x9610, 0x0208, 2, 0}}},
        {&row::AskSetupPasswd, [] { AskSetupPasswd(ah); }, {{"AskSetupPasswd", 0x9610, 0x0108, 0, 0}}},
        {&row::SetPowerButtonAction, [] { SetPowerButtonAction(2, 3); },
         {{"SetPowerButtonAction", 0x9612, 0x0127, 0x0203, 0}}},
        {&row::SetPowerButtonAction, [] { SetPowerButtonAction(0, 0); },
         {{"SetPowerButtonAction", 0x9612, 0x0127, 0x0000, 0}}},
        {&row::SetPowerButtonAction, [] { SetPowerButtonAction(1, 0x83); },
         {{"SetPowerButtonAction", 0x9612, 0x0127, 0x0183, 0}}},
        // System information.
        {&row::GetCpuInfo, [] { GetCpuInfo(a, b, c, d, word); }, {{"GetCpuInfo", 0x9610, 0x0001, 0, 0}}},
        {&row::GetSystemRam, [] { GetSystemRam(size, a); },
         {{"ZEFACheck", 0x9610, 0x0000, 0, 0}, {"GetSystemRam", 0x9610, 0x0022, 0, 0}}},
        {&row::GetVideoRam, [] { GetVideoRam(); }, {{"GetVideoRam", 0x9602, 0x0000, 0, 0}}},
        {&row::GetIdeType, [] { GetIdeType(0x82, a, b); }, {{"GetIdeType", 0x9610, 0x000A, 0, 0x82}}},
        {&row::GetSerialPort, [] { GetSerialPort(1, a, word, b, c); }, {{"GetSerialPort", 0x9610, 0x0102, 0, 0}}},
        {&row::GetParellelPort, [] { GetParellelPort(a, word, b, c, d); },
         {{"ZEFACheck", 0x9610, 0x0000, 0, 0}, {"GetParellelPort", 0x9610, 0x0003, 0, 0}}},
        {&row::GetInternalCacheStatus, [] { GetInternalCacheStatus(a, b); },
         {{"GetInternalCacheStatus", 0x9610, 0x0005, 0, 0}}},
        {&row::GetExtCacheStatus, [] { GetExtCacheStatus(a, b); }, {{"GetExtCacheStatus", 0x9610, 0x0004, 0, 0}}},
        {&row::GetTouchPad, [] { GetTouchPad(a); }, {{"GetTouchPad", 0x9612, 0x020F, 0, 0}}},
        {&row::SetAssetTag, [] { SetAssetTag("A1"); }, {{"SetAssetTag", 0x9610, 0x8113, 0, 0}}},
        // Passwords.
        {&row::AskPowerOnPasswd, [] { AskPowerOnPasswd(ah); }, {{"AskPowerOnPasswd", 0x9610, 0x0107, 0, 0}}},
        {&row::DisablePowerOnPasswd, [] { DisablePowerOnPasswd(ah); },
         {{"DisablePowerOnPasswd", 0x9610, 0x0007, 0, 0}}},
        {&row::SetChkPowerOnPasswd, [] { SetChkPowerOnPasswd(ah, 2, kCodes, 5); },
         {{"SetChkPowerOnPasswd", 0x9610, 0x0207, 5, 0}}},
        {&row::SetChkPowerOnPasswd, [] { SetChkPowerOnPasswd(ah, 3, kCodes, 3); },
         {{"SetChkPowerOnPasswd", 0x9610, 0x0307, 3, 0}}},
        {&row::DisableSetupPasswd, [] { DisableSetupPasswd(ah); }, {{"DisableSetupPasswd", 0x9610, 0x0008, 0, 0}}},
        // Boot, POST and fan; the options byte is read before each write.
        {&row::GetBootSeq, [] { BootList list{}; GetBootSeq(list); }, {{"GetBootSeq", 0x9610, 0x0017, 0, 0}}},
        {&row::SetBootSeq, [] { SetBootSeq(BootList{}); }, {{"SetBootSeq", 0x9610, 0x0117, 0, 0}}},
        {&row::GetHddBootSeq, [] { GetHddBootSeq(a); }, {{"GetBootSeq", 0x9610, 0x0217, 0, 0}}},
        {&row::SetHddBootSeq, [] { SetHddBootSeq(2); }, {{"SetBootSeq", 0x9610, 0x0317, 0, 2}}},
        {&row::GetSimpleBoot, [] { GetSimpleBoot(a); }, {{"GetSimpleBoot", 0x9610, 0x002A, 0, 0}}},
        {&row::EnableSimpleBoot, [] { EnableSimpleBoot(true); },
         {{"EnableSimpleBoot", 0x9610, 0x002A, 0, 0}, {"EnableSimpleBoot", 0x9610, 0x012A, 1, 0}}},
        {&row::GetFastPOST, [] { GetFastPOST(a); }, {{"GetFastPOST", 0x9610, 0x002A, 0, 0}}},
        {&row::EnableFastPOST, [] { EnableFastPOST(true); },
         {{"EnableFastPOST", 0x9610, 0x002A, 0, 0}, {"EnableFastPOST", 0x9610, 0x012A, 2, 0}}},
        {&row::EnableFan, [] { EnableFan(true); }, {{"EnableFan", 0x9611, 0x0128, 0, 0}}},
        {&row::EnableFan, [] { EnableFan(false); }, {{"EnableFan", 0x9611, 0x0028, 0, 0}}},
        {&row::GetFanStatus, [] { GetFanStatus(a); }, {{"GetFanStatus", 0x9611, 0x0228, 0, 0}}},
        // Display.
        {&row::GetBrightnessContrastRange, [] { GetBrightnessContrastRange(a, b, c, d); },
         {{"GetBrightnessContrastRange", 0x9612, 0x0008, 0, 0}}},
        {&row::GetBootDisplay, [] { GetBootDisplay(a); }, {{"GetBootDisplay", 0x9612, 0x000A, 0, 0}}},
        {&row::SetBootDisplay, [] { SetBootDisplay(3); }, {{"SetBootDisplay", 0x9612, 0x010A, 3, 0}}},
        {&row::GetDisplayDevice, [] { GetDisplayDevice(a); }, {{"GetDisplayDevice", 0x9612, 0x000B, 0, 0}}},
        {&row::SetDisplayDevice, [] { SetDisplayDevice(2); }, {{"SetDisplayDevice", 0x9612, 0x010B, 2, 0}}},
        {&row::CheckMonitorConnected, [] { CheckMonitorConnected(); },
         {{"CheckMonitorConnected", 0x9612, 0x000C, 0, 0}}},
        {&row::GetPanelType, [] { GetPanelType(a); }, {{"GetPanelType", 0x9612, 0x000D, 0, 0}}},
        {&row::GetDisplayBrightness, [] { GetDisplayBrightness(a); }, {{"GetDisplayBrightness", 0x9612, 0x0007, 0, 0}}},
        {&row::SetDisplayBrightness, [] { SetDisplayBrightness(12); },
         {{"SetDisplayBrightness", 0x9612, 0x0107, 12, 0}}},
        {&row::GetDisplayContrast, [] { GetDisplayContrast(a); }, {{"GetDisplayContrast", 0x9612, 0x0006, 0, 0}}},
        {&row::SetDisplayContrast, [] { SetDisplayContrast(0xF0); },
         {{"SetDisplayContrast", 0x9612, 0x0106, 0xF0, 0}}},
    };
    return cases;
}

// How many answers of the simulated notebook take requests of `row`.
int SimulatedAnswersFor(const CallRow& row) {
    int found = 0;
    for (std::size_t i = 0; i < sim::kAreaCount; ++i) {
        const sim::Area& area = *sim::kAreas[i];
        for (std::size_t k = 0; k < area.answerCount; ++k) {
            const CallRow& answered = *area.answers[k].row;
            found += answered.eax == row.eax && (answered.ebx & 0xFF) == (row.ebx & 0xFF);
        }
    }
    return found;
}

TEST(Catalogue, EveryCallSendsItsRegistersAndTheNotebookAnswersItOnce) {
    for (const Case& c : Cases()) {
        const CallRow& row = *c.row;
        SCOPED_TRACE(row.name);
        EXPECT_NE(std::find(std::begin(row::kCatalogue), std::end(row::kCatalogue), c.row), std::end(row::kCatalogue))
            << "a row the catalogue does not list";
        test::ScriptedChannel channel;
        channel.driver().answer = Answer;
        c.call();
        ASSERT_EQ(channel.sent.size(), c.sends.size());
        for (std::size_t i = 0; i < c.sends.size(); ++i) {
            const Frame& want = c.sends[i];
            const RegisterFrame& sent = channel.sent[i].frame;
            EXPECT_EQ(channel.sent[i].call, want.call);
            EXPECT_EQ(sent.eax, want.eax) << want.call;
            EXPECT_EQ(sent.ebx, want.ebx) << want.call;
            EXPECT_EQ(sent.ecx, want.ecx) << want.call;
            EXPECT_EQ(sent.edx, want.edx) << want.call;
        }
        // The call's own request goes last, under its row.
        EXPECT_EQ(channel.sent.back().call, row.name);
        EXPECT_EQ(channel.last().eax, row.eax);
        EXPECT_EQ(channel.last().ebx & 0xFF, row.ebx & 0xFFu);
    }
    for (const CallRow* row : row::kCatalogue) {
        SCOPED_TRACE(row->name);
        EXPECT_TRUE(std::any_of(Cases().begin(), Cases().end(), [row](const Case& c) { return c.row == row; }))
            << "no case sends this row";
        EXPECT_EQ(SimulatedAnswersFor(*row), 1) << "the simulated notebook must answer it exactly once";
        // The hostile notebook judges a request by its name alone.
        for (const CallRow* other : row::kCatalogue) {
            if (std::strcmp(other->name, row->name) != 0) continue;
            EXPECT_EQ(other->access, row->access) << other->ebx;
        }
    }
}

}  // namespace
}  // namespace tlw
