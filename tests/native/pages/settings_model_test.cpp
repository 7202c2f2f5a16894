// The pieces every page's settings model is built from, on the simulated
// notebook: the pending and last-applied pair, the apply result, and a model
// made of them driven as the page base drives it.
#include "pages/settings_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bios/shell_calls.h"
#include "pages/pending_setting.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw {
namespace {

constexpr std::uint8_t kLid = 0;
constexpr std::uint8_t kSleep = 2;

// A simulated notebook on a state file of the test's own; every request is
// read back from its log.
class ModelOnNotebook : public sim::SimulatedNotebook {
protected:
    void SetUp() override {
        SimulatedNotebook::SetUp();
        Open("");
    }

    // The notebook with `stateText` and an empty log.
    void Open(const char* stateText) {
        CloseBiosChannel();
        sim::fs::remove(log());
        std::string error;
        ASSERT_TRUE(SimulatedNotebook::Open(stateText, &error)) << error;
    }

    // The requests since the last call, each cut to its call name and ECX.
    std::vector<std::string> TakeRequests() {
        std::vector<std::string> requests;
        for (const test::LoggedRequest& r : TakeLogged()) requests.push_back(r.call + " ECX=" + test::Hex(r.in.ecx));
        return requests;
    }
};

using Requests = std::vector<std::string>;

PendingByte ButtonAction(std::uint8_t button, Effect effect) {
    return PendingByte([button](std::uint8_t action) { SetPowerButtonAction(button, action); }, effect);
}

TEST(ApplyResult, OneSettingThatNeedsARestartMakesThePageNeedOne) {
    using R = ApplyResult;
    EXPECT_EQ(R::Nothing | R::Nothing, R::Nothing);
    EXPECT_EQ(R::Nothing | R::Applied, R::Applied);
    EXPECT_EQ(R::Applied | R::Nothing, R::Applied);
    EXPECT_EQ(R::Applied | R::AppliedNeedsRestart, R::AppliedNeedsRestart);
    EXPECT_EQ(R::AppliedNeedsRestart | R::Applied, R::AppliedNeedsRestart);
    EXPECT_EQ(R::AppliedNeedsRestart | R::Nothing, R::AppliedNeedsRestart);
    R result = R::AppliedNeedsRestart;
    result |= R::Nothing;
    EXPECT_EQ(result, R::AppliedNeedsRestart) << "a later setting must not take the restart back";
    EXPECT_FALSE(NeedsRestart(R::Nothing));
    EXPECT_FALSE(NeedsRestart(R::Applied));
    EXPECT_TRUE(NeedsRestart(R::AppliedNeedsRestart));
}

TEST_F(ModelOnNotebook, ApplyWritesOnlyWhatIsPendingAndRestoreWritesItAgainOnce) {
    PendingByte lid = ButtonAction(kLid, Effect::AtOnce);
    EXPECT_EQ(lid.Apply(), ApplyResult::Nothing);
    EXPECT_FALSE(lid.Restore());
    EXPECT_EQ(TakeRequests(), Requests{}) << "nothing chosen, nothing applied: no request";

    lid.Choose(2);
    EXPECT_TRUE(lid.HasPending());
    EXPECT_EQ(lid.Apply(), ApplyResult::Applied);
    EXPECT_FALSE(lid.HasPending());
    EXPECT_EQ(lid.lastApplied(), 2);
    EXPECT_EQ(lid.Apply(), ApplyResult::Nothing) << "applied once, not again";
    EXPECT_EQ(TakeRequests(), (Requests{"SetPowerButtonAction ECX=00000002"}));

    // The user changes it again and applies: the newest value is the one to restore.
    lid.Choose(3);
    EXPECT_EQ(lid.Apply(), ApplyResult::Applied);
    EXPECT_EQ(TakeRequests(), (Requests{"SetPowerButtonAction ECX=00000003"}));

    lid.Choose(1);  // pending when the restore comes: dropped, never written
    EXPECT_TRUE(lid.Restore());
    EXPECT_FALSE(lid.HasApplied());
    EXPECT_FALSE(lid.HasPending());
    EXPECT_FALSE(lid.Restore()) << "forgotten after one restore";
    EXPECT_EQ(lid.Apply(), ApplyResult::Nothing);
    EXPECT_EQ(TakeRequests(), (Requests{"SetPowerButtonAction ECX=00000003"}));
}

TEST_F(ModelOnNotebook, ARefusedWriteStillCountsAsAppliedAndAsNeedingItsRestart) {
    Open("refuse = SetPowerButtonAction status\n");
    PendingByte sleep = ButtonAction(kSleep, Effect::AfterRestart);
    sleep.Choose(0);
    EXPECT_EQ(sleep.Apply(), ApplyResult::AppliedNeedsRestart);
    EXPECT_EQ(sleep.lastApplied(), 0);
    EXPECT_TRUE(sleep.Restore());
    EXPECT_EQ(TakeRequests(), (Requests{"SetPowerButtonAction ECX=00000200", "SetPowerButtonAction ECX=00000200"}));
}

TEST(PendingSetting, TheUnsetMarkerIsNeverAValue) {
    int writes = 0;
    PendingByte byte([&](std::uint8_t) { ++writes; }, Effect::AtOnce);
    EXPECT_EQ(byte.pending(), 0xFF);
    EXPECT_EQ(byte.lastApplied(), 0xFF);
    byte.Choose(0xFF);
    EXPECT_FALSE(byte.HasPending());
    byte.Choose(0);
    byte.Drop();
    EXPECT_EQ(byte.Apply(), ApplyResult::Nothing);
    EXPECT_EQ(writes, 0);
}

TEST(PendingSetting, AByteListIsWrittenWholeAndIsUnsetOnlyWhenEveryByteIs) {
    using List = std::array<std::uint8_t, 16>;
    std::vector<List> written;
    PendingBytes<16> order([&](const List& list) { written.push_back(list); }, Effect::AfterRestart);
    EXPECT_FALSE(order.HasPending());
    EXPECT_EQ(order.pending(), PendingBytes<16>::Unset());

    // Unused slots at the end hold the marker; the list is still a value.
    List chosen;
    chosen.fill(0xFF);
    chosen[0] = 0x03;
    chosen[1] = 0x00;
    order.Choose(chosen);
    EXPECT_TRUE(order.HasPending());
    EXPECT_EQ(order.Apply(), ApplyResult::AppliedNeedsRestart);
    EXPECT_EQ(order.lastApplied(), chosen);
    ASSERT_TRUE(order.Restore());
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], chosen);
    EXPECT_EQ(written[1], chosen);
    EXPECT_FALSE(order.HasApplied());
}

// A model made of the pieces as a page's will be: the lid action acts at
// once, the sleep action (here) only after a restart; it reads the setup
// password state from the BIOS.
class ButtonsModel : public SettingsModel {
public:
    void Load() override {
        std::uint8_t ah = 0xFF;
        setupPasswordSet = AskSetupPasswd(ah);
        lid.Drop();
        sleep.Drop();
    }
    ApplyResult Apply() override {
        ApplyResult result = lid.Apply();
        result |= sleep.Apply();
        return result;
    }
    void RestorePrevious() override {
        lid.Restore();
        sleep.Restore();
    }

    bool setupPasswordSet = true;
    PendingByte lid = ButtonAction(kLid, Effect::AtOnce);
    PendingByte sleep = ButtonAction(kSleep, Effect::AfterRestart);
};

TEST_F(ModelOnNotebook, AModelAppliesEverySettingAndNeedsARestartWhenOneDoes) {
    ButtonsModel model;
    model.Load();
    EXPECT_FALSE(model.setupPasswordSet);
    EXPECT_EQ(TakeRequests(), (Requests{"AskSetupPasswd ECX=00000000"}));

    model.lid.Choose(1);
    EXPECT_EQ(model.Apply(), ApplyResult::Applied);
    model.sleep.Choose(3);
    EXPECT_EQ(model.Apply(), ApplyResult::AppliedNeedsRestart);
    model.lid.Choose(2);
    model.sleep.Choose(2);
    EXPECT_EQ(model.Apply(), ApplyResult::AppliedNeedsRestart) << "the lid first must not hide the sleep's restart";
    EXPECT_EQ(TakeRequests(), (Requests{"SetPowerButtonAction ECX=00000001", "SetPowerButtonAction ECX=00000203",
                                    "SetPowerButtonAction ECX=00000002", "SetPowerButtonAction ECX=00000202"}));

    model.lid.Choose(0);
    model.RestorePrevious();
    model.Load();
    EXPECT_EQ(TakeRequests(), (Requests{"SetPowerButtonAction ECX=00000002", "SetPowerButtonAction ECX=00000202",
                                    "AskSetupPasswd ECX=00000000"}));
    model.RestorePrevious();
    EXPECT_EQ(model.Apply(), ApplyResult::Nothing);
    EXPECT_EQ(TakeRequests(), Requests{}) << "restored once, then nothing left to write";
}

}  // namespace
}  // namespace tlw
