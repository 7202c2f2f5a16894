// The password page's model and the simulated notebook's passwords, read
// back from the request log and the notebook's state.
#include "pages/password/password_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "bios/password_calls.h"
#include "bios/shell_calls.h"
#include "sim/simulated_bios.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

using Codes = std::vector<std::uint8_t>;

PasswordRecord KeysOf(const Codes& codes) {
    PasswordRecord record = PasswordRecord::State(true);
    record.length = static_cast<std::uint32_t>(codes.size());
    std::copy(codes.begin(), codes.end(), record.codes);
    return record;
}

// Each request as its call name, EBX and the codes it passed.
std::vector<std::string> RequestsOf(const std::vector<test::LoggedRequest>& logged) {
    std::vector<std::string> requests;
    for (const test::LoggedRequest& r : logged) {
        requests.push_back(r.call + " " + test::Hex(r.in.ebx & 0xFFFF, 4) +
                           (r.hasBuffer ? " BUF=" + test::HexBytes(r.buffer) : ""));
    }
    return requests;
}

using Requests = std::vector<std::string>;

class PasswordModel : public SimulatedNotebook {
protected:
    std::vector<std::string> TakeRequests() { return RequestsOf(TakeLogged()); }
    PasswordSettings model_;
};

TEST_F(PasswordModel, LoadReadsWhetherEachPasswordIsSet) {
    ASSERT_TRUE(Open("poweron_password = 1E 30\n"));
    model_.Load();
    EXPECT_EQ(model_.record(Password::PowerOn).enabled, 1u);
    EXPECT_EQ(model_.record(Password::PowerOn).length, 0u) << "the BIOS never gives a password back";
    EXPECT_EQ(model_.record(Password::Setup).enabled, 0u);
    EXPECT_EQ(TakeRequests(), (Requests{"AskPowerOnPasswd 0107", "AskSetupPasswd 0108"}));

    ASSERT_TRUE(Open("setup_password = 02\nrefuse = AskPowerOnPasswd channel\n"));
    model_.Load();
    EXPECT_EQ(model_.record(Password::PowerOn).enabled, 0u) << "a failed query reads as not set";
    EXPECT_EQ(model_.record(Password::Setup).enabled, 1u);
}

TEST_F(PasswordModel, ApplyWritesThePowerOnPasswordFirstAndOnlyWhatWasChosen) {
    ASSERT_TRUE(Open("setup_password = 02 03\n"));
    model_.Load();
    TakeRequests();
    EXPECT_EQ(model_.Apply(), ApplyResult::Nothing);
    EXPECT_TRUE(TakeRequests().empty());

    model_.Choose(Password::Setup, PasswordRecord::State(false));
    model_.Choose(Password::PowerOn, KeysOf({0x1E, 0x30, 0x02}));
    EXPECT_EQ(model_.Apply(), ApplyResult::Applied) << "passwords never need a restart";
    EXPECT_EQ(TakeRequests(), (Requests{"SetChkPowerOnPasswd 0207 BUF=1E3002", "DisableSetupPasswd 0008"}));
    EXPECT_EQ(notebook().password.powerOnPassword, (Codes{0x1E, 0x30, 0x02}));
    EXPECT_TRUE(notebook().shell.setupPassword.empty());
    EXPECT_NE(ReadFile(state()).find("poweron_password = 1E 30 02"), std::string::npos) << ReadFile(state());

    EXPECT_EQ(model_.Apply(), ApplyResult::Nothing) << "applied once";
    EXPECT_FALSE(model_.HasPending(Password::PowerOn));
}

TEST_F(PasswordModel, RestoreWritesTheAppliedPasswordsAgainThenForgetsThem) {
    ASSERT_TRUE(Open(""));
    model_.Load();
    model_.RestorePrevious();
    model_.Choose(Password::Setup, KeysOf({0x10, 0x11}));
    EXPECT_TRUE(TakeRequests() == Requests({"AskPowerOnPasswd 0107", "AskSetupPasswd 0108"}))
        << "nothing applied: a restore writes nothing";

    model_.Apply();
    // Someone else removes it; the restore puts the applied one back.
    std::uint8_t ah = 0;
    ASSERT_TRUE(DisableSetupPasswd(ah));
    model_.Choose(Password::Setup, PasswordRecord::State(false));
    TakeRequests();
    model_.RestorePrevious();
    EXPECT_EQ(TakeRequests(), (Requests{"SetChkSetupPasswd 0208 BUF=1011"}));
    EXPECT_EQ(notebook().shell.setupPassword, (Codes{0x10, 0x11}));
    EXPECT_FALSE(model_.HasPending(Password::Setup)) << "the restore drops the pending choice";
    EXPECT_FALSE(model_.HasApplied(Password::Setup));
    model_.RestorePrevious();
    EXPECT_TRUE(TakeRequests().empty()) << "restored once";
}

TEST_F(PasswordModel, ARefusedWriteStillCountsAsApplied) {
    ASSERT_TRUE(Open("refuse = DisablePowerOnPasswd status\npoweron_password = 1E\n"));
    model_.Choose(Password::PowerOn, PasswordRecord::State(false));
    EXPECT_EQ(model_.Apply(), ApplyResult::Applied);
    EXPECT_TRUE(model_.HasApplied(Password::PowerOn));
    EXPECT_EQ(notebook().password.powerOnPassword, Codes{0x1E});
}

// The simulated BIOS keeps the power-on password as the setup password: set,
// asked, checked, removed, and refused past 8 codes.
TEST_F(SimulatedNotebook, KeepsThePowerOnPasswordApartFromTheSetupPassword) {
    ASSERT_TRUE(Open("setup_password = 10\n"));
    const std::uint8_t codes[9] = {0x1E, 0x30, 0x2E};
    std::uint8_t ah = 0;
    EXPECT_FALSE(AskPowerOnPasswd(ah));
    EXPECT_EQ(ah, kAhNotSet);
    EXPECT_FALSE(SetChkPowerOnPasswd(ah, 3, codes, 3)) << "nothing to check against";
    ASSERT_TRUE(SetChkPowerOnPasswd(ah, 2, codes, 3));
    EXPECT_TRUE(AskPowerOnPasswd(ah));
    EXPECT_TRUE(SetChkPowerOnPasswd(ah, 3, codes, 3));
    EXPECT_FALSE(SetChkPowerOnPasswd(ah, 3, codes, 2));
    EXPECT_EQ(ah, kAhWrongPassword);
    EXPECT_EQ(notebook().shell.setupPassword, Codes{0x10}) << "the setup password is another one";

    std::uint8_t nine[10] = {};
    EXPECT_FALSE(SetChkPowerOnPasswd(ah, 2, nine, 9));
    EXPECT_EQ(ah, kAhBadArgument);
    EXPECT_TRUE(AskPowerOnPasswd(ah)) << "a refused store keeps the old password";

    ASSERT_TRUE(LoadSetupDefault());
    EXPECT_TRUE(AskPowerOnPasswd(ah)) << "the setup defaults never touch a password";
    ASSERT_TRUE(DisablePowerOnPasswd(ah));
    EXPECT_FALSE(AskPowerOnPasswd(ah));
    EXPECT_TRUE(AskSetupPasswd(ah));
    ASSERT_TRUE(DisableSetupPasswd(ah));
    EXPECT_FALSE(AskSetupPasswd(ah));
}

}  // namespace
}  // namespace tlw::sim
