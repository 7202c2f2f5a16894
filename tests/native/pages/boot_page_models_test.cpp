// The POST and boot sequence pages' models on the simulated notebook: what
// they read, what each apply and restore writes, and what the notebook keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/boot/boot_settings.h"
#include "pages/boot/post_settings.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

using Requests = std::vector<std::string>;

class BootModels : public SimulatedNotebook {
protected:
    // The requests since the last call, each as its name and input registers
    // without EAX, and the buffer when one passed.
    Requests Take() {
        Requests requests;
        for (const test::LoggedRequest& r : TakeLogged()) {
            requests.push_back(r.call + " EBX=" + test::Hex(r.in.ebx) + " ECX=" + test::Hex(r.in.ecx) +
                               " EDX=" + test::Hex(r.in.edx) + (r.hasBuffer ? " BUF=" + test::HexBytes(r.buffer) : ""));
        }
        return requests;
    }
    std::string State() const { return ReadFile(state()); }
};

constexpr const char* kHardDisk82 = "ide_type_82 = 01 01\n";
const std::string kTail = "FFFFFFFFFFFFFFFFFFFFFFFF";  // 12 places after a four-code list

TEST_F(BootModels, PostReadsItsThreeBoxesAndAFailedReadKeepsWhatWasShown) {
    ASSERT_TRUE(Open("boot_options = 0x03\nfan_always_on = on\n"));
    PostSettings post;
    post.Load();
    EXPECT_TRUE(post.simpleBoot());
    EXPECT_TRUE(post.fastPost()) << "fast POST is on while bit 1 is set";
    EXPECT_TRUE(post.fanAlwaysOn());
    EXPECT_EQ(Take(), (Requests{"GetFanStatus EBX=00000228 ECX=00000000 EDX=00000000",
                                "GetSimpleBoot EBX=0000002A ECX=00000000 EDX=00000000",
                                "GetFastPOST EBX=0000002A ECX=00000000 EDX=00000000"}));

    CloseBiosChannel();
    ASSERT_TRUE(Open("boot_options = 0x04\nfan_always_on = off\nrefuse = GetFanStatus status\n"
                     "refuse = GetFastPOST channel\n"));
    post.Load();
    EXPECT_FALSE(post.simpleBoot());
    EXPECT_TRUE(post.fastPost()) << "a failed read keeps its box";
    EXPECT_TRUE(post.fanAlwaysOn());
}

TEST_F(BootModels, PostWritesTheFanAtEveryApplyAndAsksARestartOnlyForTheBootOptions) {
    ASSERT_TRUE(Open("boot_options = 0x06\nfan_always_on = on\n"));
    PostSettings post;
    post.Load();
    Take();

    post.ChooseFan(false);
    EXPECT_EQ(post.Apply(), ApplyResult::Applied);
    EXPECT_EQ(Take(), (Requests{"EnableFan EBX=00000028 ECX=00000000 EDX=00000000"}));
    EXPECT_NE(State().find("fan_always_on = off"), std::string::npos);

    post.ChooseSimpleBoot(true);
    EXPECT_EQ(post.Apply(), ApplyResult::AppliedNeedsRestart);
    EXPECT_EQ(Take(), (Requests{"EnableFan EBX=00000028 ECX=00000000 EDX=00000000",
                                "EnableSimpleBoot EBX=0000002A ECX=00000000 EDX=00000000",
                                "EnableSimpleBoot EBX=0000012A ECX=00000007 EDX=00000000"}));
    EXPECT_NE(State().find("boot_options = 0x07"), std::string::npos);

    post.ChooseFastPost(false);
    EXPECT_EQ(post.Apply(), ApplyResult::AppliedNeedsRestart);
    EXPECT_EQ(Take().back(), "EnableFastPOST EBX=0000012A ECX=00000001 EDX=00000000");
    post.Load();
    EXPECT_TRUE(post.simpleBoot());
    EXPECT_FALSE(post.fastPost());
}

TEST_F(BootModels, PostRestoreWritesTheLastAppliedOptionsOnceAndAFanAppliedOffNever) {
    ASSERT_TRUE(Open("fan_always_on = on\n"));
    PostSettings post;
    post.Load();
    post.ChooseSimpleBoot(true);
    post.ChooseFan(false);
    post.Apply();
    Take();
    post.RestorePrevious();
    EXPECT_EQ(Take(), (Requests{"EnableSimpleBoot EBX=0000002A ECX=00000000 EDX=00000000",
                                "EnableSimpleBoot EBX=0000012A ECX=00000001 EDX=00000000"}))
        << "simple boot again, the fan applied off not";
    post.RestorePrevious();
    EXPECT_EQ(Take(), Requests{}) << "a second restore writes nothing";

    post.ChooseFan(true);
    post.Apply();
    Take();
    post.RestorePrevious();
    EXPECT_EQ(Take(), (Requests{"EnableFan EBX=00000128 ECX=00000000 EDX=00000000"}));
}

TEST_F(BootModels, BootListedWithTheCdRomUnlessDrive82IsAHardDisk) {
    ASSERT_TRUE(Open("boot_sequence = 00 01 02\nhdd_boot = 2\n"));
    BootSettings boot;
    boot.Load();
    EXPECT_EQ(boot.order().Count(), 3);
    EXPECT_EQ(boot.order().CodeAt(2), kCdRomDevice);
    EXPECT_FALSE(boot.OffersHardDisk()) << "drive 0x82 is a CD-ROM here";
    EXPECT_EQ(Take(), (Requests{"GetIdeType EBX=0000000A ECX=00000000 EDX=00000082",
                                "GetBootSeq EBX=00000017 ECX=00000000 EDX=00000000 BUF=000102FF" + kTail}));

    CloseBiosChannel();
    ASSERT_TRUE(Open((std::string(kHardDisk82) + "boot_sequence = 00 01 02\nhdd_boot = 2\n").c_str()));
    boot.Load();
    EXPECT_EQ(boot.order().Count(), 2);
    EXPECT_EQ(boot.order().CodeAt(1), 1);
    EXPECT_TRUE(boot.OffersHardDisk());
    EXPECT_EQ(boot.HardDiskChoice(), 1);

    struct Byte {
        const char* state;
        int choice;
    };
    for (const Byte b : {Byte{"hdd_boot = 0\n", 0}, Byte{"hdd_boot = 1\n", 0}, Byte{"hdd_boot = 3\n", 1},
                         Byte{"hdd_boot = 4\n", -1}, Byte{"hdd_boot = 254\n", -1}}) {
        CloseBiosChannel();
        ASSERT_TRUE(Open((std::string(kHardDisk82) + b.state).c_str()));
        boot.Load();
        EXPECT_TRUE(boot.OffersHardDisk());
        EXPECT_EQ(boot.HardDiskChoice(), b.choice) << b.state;
    }

    // The hard disk byte goes under the list's name: refusing it refuses both.
    CloseBiosChannel();
    ASSERT_TRUE(Open((std::string(kHardDisk82) + "refuse = GetBootSeq status\n").c_str()));
    boot.Load();
    EXPECT_FALSE(boot.OffersHardDisk());
    EXPECT_EQ(boot.HardDiskChoice(), -1);
    EXPECT_EQ(boot.order().Count(), 0) << "a list the BIOS did not write is empty";
}

TEST_F(BootModels, BootAppliesTheDraggedListAndTheNotebookKeepsIt) {
    ASSERT_TRUE(Open(""));
    BootSettings boot;
    boot.Load();
    Take();
    EXPECT_EQ(boot.Apply(), ApplyResult::Nothing);
    EXPECT_EQ(Take(), Requests{});

    boot.ChangeOrder();  // the press that begins the drag
    ASSERT_EQ(boot.order().Drop(3, 0), 0);
    EXPECT_EQ(boot.Apply(), ApplyResult::AppliedNeedsRestart);
    EXPECT_EQ(Take(), (Requests{"SetBootSeq EBX=00000117 ECX=00000000 EDX=00000000 BUF=08000102" + kTail}))
        << "the list alone: no hard disk byte";
    EXPECT_NE(State().find("boot_sequence = 08 00 01 02"), std::string::npos);

    boot.ChangeOrder();  // pressed without moving: the same list again
    EXPECT_EQ(boot.Apply(), ApplyResult::AppliedNeedsRestart);
    EXPECT_EQ(Take(), (Requests{"SetBootSeq EBX=00000117 ECX=00000000 EDX=00000000 BUF=08000102" + kTail}));
    EXPECT_EQ(boot.Apply(), ApplyResult::Nothing);
}

TEST_F(BootModels, BootWithAnUnlistedCdRomWritesItBackInItsPlace) {
    ASSERT_TRUE(Open((std::string(kHardDisk82) + "boot_sequence = 00 01 02 08\n").c_str()));
    BootSettings boot;
    boot.Load();
    Take();
    boot.ChangeOrder();
    ASSERT_EQ(boot.order().Drop(2, 0), 0) << "ZIP Drive, the last listed, to the top";
    boot.ChooseHardDisk(1);
    EXPECT_EQ(boot.Apply(), ApplyResult::AppliedNeedsRestart);
    EXPECT_EQ(Take(), (Requests{"SetBootSeq EBX=00000117 ECX=00000000 EDX=00000000 BUF=08000201" + kTail,
                                "SetBootSeq EBX=00000317 ECX=00000000 EDX=00000002"}));
    EXPECT_NE(State().find("boot_sequence = 08 00 02 01"), std::string::npos);
    EXPECT_NE(State().find("hdd_boot = 2"), std::string::npos);

    boot.ChooseHardDisk(0);
    EXPECT_EQ(boot.Apply(), ApplyResult::AppliedNeedsRestart);
    EXPECT_EQ(Take(), (Requests{"SetBootSeq EBX=00000317 ECX=00000000 EDX=00000000"})) << "the byte alone";
    boot.ChooseHardDisk(-1);
    boot.ChooseHardDisk(2);
    EXPECT_EQ(boot.Apply(), ApplyResult::Nothing) << "no such choice";
}

TEST_F(BootModels, BootRestoreWritesTheLastAppliedValuesOnce) {
    ASSERT_TRUE(Open((std::string(kHardDisk82) + "boot_sequence = 00 01 08\n").c_str()));
    BootSettings boot;
    boot.Load();
    boot.ChangeOrder();
    boot.order().Drop(0, 2);
    boot.ChooseHardDisk(1);
    boot.Apply();
    Take();
    boot.ChangeOrder();  // a change never applied is not restored
    boot.RestorePrevious();
    EXPECT_EQ(Take(), (Requests{"SetBootSeq EBX=00000117 ECX=00000000 EDX=00000000 BUF=010008FF" + kTail,
                                "SetBootSeq EBX=00000317 ECX=00000000 EDX=00000002"}));
    boot.Load();
    Take();
    EXPECT_EQ(boot.Apply(), ApplyResult::Nothing);
    boot.RestorePrevious();
    EXPECT_EQ(Take(), Requests{});
}

}  // namespace
}  // namespace tlw::sim
