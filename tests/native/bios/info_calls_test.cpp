// The system-information calls' decoding, and the revision each asks about.
#include "bios/info_calls.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "bios/machine_facts.h"
#include "tests/native/bios/scripted_driver.h"

namespace tlw {
namespace {

TEST(InfoCalls, IdeTypeReadsAlAndAh) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.eax = 0x12340901;  // AH = 0x09, AL = 0x01; the high word is not the call's
    channel.AnswerWith(answer);
    std::uint8_t type = 0, second = 0;
    EXPECT_TRUE(GetIdeType(0x82, type, second));
    EXPECT_EQ(type, 0x01);
    EXPECT_EQ(second, 0x09);

    answer.status = kBiosRefused;
    channel.AnswerWith(answer);
    type = second = 0x55;
    EXPECT_FALSE(GetIdeType(0x80, type, second));
    EXPECT_EQ(type, 0x55);
    EXPECT_EQ(second, 0x55);
}

}  // namespace
}  // namespace tlw

namespace tlw {
namespace {

// Answers ZEFACheck with `revision` in BX and every other request with `call`.
void AnswerRevisionThen(test::ScriptedChannel& channel, std::uint16_t revision,
                        std::function<RegisterFrame(const RegisterFrame&)> call) {
    channel.driver().answer = [revision, call](const RegisterFrame& in) {
        if (in.eax == 0x9610 && (in.ebx & 0xFF) == 0) {
            RegisterFrame out = in;
            out.status = 0;
            out.ebx = revision;
            return out;
        }
        return call(in);
    };
}

class MemoryFacts : public MachineFacts {
public:
    explicit MemoryFacts(bool known, std::uint64_t bytes = 0) : known_(known), bytes_(bytes) {}
    bool PhysicalMemory(std::uint64_t& bytes) override { return known_ && (bytes = bytes_, true); }
    bool HardDiskGeometry(unsigned, DiskGeometry&) override { return false; }
    bool FindPortDevice(const std::string&, std::uint32_t& problem) override { return problem = 0, false; }

private:
    bool known_;
    std::uint64_t bytes_;
};

class FactsInUse {
public:
    explicit FactsInUse(std::unique_ptr<MachineFacts> facts) { UseMachineFacts(std::move(facts)); }
    ~FactsInUse() { UseMachineFacts(nullptr); }
};

TEST(InfoCalls, CpuInfoReadsFiveFieldsFromCxDxAndBx) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.ecx = 0xABCD0A00;  // CH type 0x0A, CL vendor 0x00
    answer.edx = 0x12340C09;  // DH multiplier 0x0C, DL bus 0x09
    answer.ebx = 0x567802BC;  // BX speed 700
    channel.AnswerWith(answer);
    std::uint8_t vendor = 9, type = 9, bus = 9, multiplier = 9;
    std::uint16_t speed = 9;
    EXPECT_TRUE(GetCpuInfo(vendor, type, bus, multiplier, speed));
    EXPECT_EQ(vendor, 0);
    EXPECT_EQ(type, 10);
    EXPECT_EQ(bus, 9);
    EXPECT_EQ(multiplier, 12);
    EXPECT_EQ(speed, 700);

    answer.status = kBiosRefused;
    channel.AnswerWith(answer);
    vendor = 0x55;
    EXPECT_FALSE(GetCpuInfo(vendor, type, bus, multiplier, speed));
    EXPECT_EQ(vendor, 0x55) << "a refused call leaves its codes alone";
}

TEST(InfoCalls, MemoryScalingRoundsUpAndMovesOnAt2048) {
    const std::uint64_t KB = 1024, MB = KB * KB, GB = MB * KB;
    struct Case {
        std::uint64_t bytes;
        std::uint32_t size;
        std::uint8_t unit;
    } const cases[] = {
        {536870912, 512, kMemoryMB},
        {1023 * MB + MB / 2, 1024, kMemoryMB},
        {1536 * MB, 1536, kMemoryMB},
        {2047 * MB, 2047, kMemoryMB},
        {2048 * MB, 2, kMemoryGB},
        {2049 * MB, 3, kMemoryGB},
        {2047 * KB, 2047, kMemoryKB},
        {2048 * KB, 2, kMemoryMB},
        {2048 * KB + 1, 3, kMemoryMB},  // 2049 KB, then 2.001 MB up to 3
        {1, 1, kMemoryKB},
        {0, 0, kMemoryKB},
        {64 * GB, 64, kMemoryGB},
        {~std::uint64_t{0}, 0xFFFFFFFFu, kMemoryGB},  // 2^34 GB does not fit: held at the top
    };
    for (const Case& c : cases) {
        const ScaledMemory m = ScaleMemory(c.bytes);
        EXPECT_EQ(m.size, c.size) << c.bytes;
        EXPECT_EQ(m.unit, c.unit) << c.bytes;
    }
}

TEST(InfoCalls, SystemRamAsksTheBiosOrTheFactsByTheRevisionBytes) {
    FactsInUse facts(std::make_unique<MemoryFacts>(true, 536870912));
    struct Case {
        std::uint16_t revision;
        bool fromFacts;
    } const cases[] = {{0x0107, true}, {0x0007, true}, {0x0108, false}, {0x0200, false}, {0x0009, false}};
    for (const Case& c : cases) {
        test::ScriptedChannel channel;
        AnswerRevisionThen(channel, c.revision, [](const RegisterFrame& in) {
            RegisterFrame out = in;
            out.status = 0;
            out.ecx = 0xFFFF0300;  // CX = 768
            return out;
        });
        std::uint32_t size = 0;
        std::uint8_t unit = 9;
        ASSERT_TRUE(GetSystemRam(size, unit)) << std::hex << c.revision;
        EXPECT_EQ(channel.sent.size(), c.fromFacts ? 1u : 2u) << std::hex << c.revision;
        EXPECT_EQ(size, c.fromFacts ? 512u : 768u) << std::hex << c.revision;
        EXPECT_EQ(unit, kMemoryMB);
        if (!c.fromFacts) {
            EXPECT_EQ(channel.last().ebx, 0x0022u);
            EXPECT_EQ(channel.sent.back().call, "GetSystemRam");
        }
    }
}

TEST(InfoCalls, SystemRamFailsWithoutTheCheckOrTheFacts) {
    std::uint32_t size = 7;
    std::uint8_t unit = 7;
    {
        test::ScriptedChannel channel;
        RegisterFrame refused;
        refused.status = kBiosRefused;
        channel.AnswerWith(refused);
        EXPECT_FALSE(GetSystemRam(size, unit));
        EXPECT_EQ(channel.sent.size(), 1u) << "nothing asked after a failed check";
    }
    for (bool factsChosen : {false, true}) {
        FactsInUse facts(factsChosen ? std::make_unique<MemoryFacts>(false) : nullptr);
        test::ScriptedChannel channel;
        AnswerRevisionThen(channel, 0x0105, [](const RegisterFrame& in) { return in; });
        EXPECT_FALSE(GetSystemRam(size, unit));
    }
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(unit, 7);
}

TEST(InfoCalls, VideoRamCountsSixtyFourKilobyteBlocks) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.eax = 0x96020080;
    channel.AnswerWith(answer);
    EXPECT_EQ(GetVideoRam(), 8192u);
    answer.eax = 0x0000FFFF;
    channel.AnswerWith(answer);
    EXPECT_EQ(GetVideoRam(), 0xFFFFu * 64);
    answer.status = kBiosRefused;
    channel.AnswerWith(answer);
    EXPECT_EQ(GetVideoRam(), 0u);
}

TEST(InfoCalls, SerialPortKeepsAhOnARefusal) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.eax = 0x00000102;  // AH 1, AL 2
    answer.ecx = 0x000002F8;
    answer.edx = 0x00000203;  // DH mode 2, DL IRQ 3
    channel.AnswerWith(answer);
    std::uint8_t flags = 0, irq = 0, mode = 0;
    std::uint16_t base = 0;
    EXPECT_TRUE(GetSerialPort(1, flags, base, irq, mode));
    EXPECT_EQ(flags, 2) << "AL, not AH, on success";
    EXPECT_EQ(base, 0x2F8);
    EXPECT_EQ(irq, 3);
    EXPECT_EQ(mode, 2);

    answer.status = kBiosRefused;
    answer.eax = 0x00008601;
    channel.AnswerWith(answer);
    base = 0x1234;
    EXPECT_FALSE(GetSerialPort(0, flags, base, irq, mode));
    EXPECT_EQ(flags, 0x86);
    EXPECT_EQ(base, 0x1234);
}

TEST(InfoCalls, ParallelPortTakesModeAndDmaByTheRevisionBytes) {
    const auto port = [](const RegisterFrame& in) {
        RegisterFrame out = in;
        out.status = 0;
        out.eax = 0x00000000;
        out.ecx = 0x00000378;
        out.edx = 0x0000C307;  // DH 0xC3: mode 3 and DMA 3 packed, or mode 0xC3 whole
        out.ebx = 0x00000103;  // BH 1
        return out;
    };
    struct Case {
        std::uint16_t revision;
        std::uint8_t mode, dma;
    } const cases[] = {{0x0104, 0xC3, 1}, {0x0004, 0xC3, 1}, {0x0105, 3, 3}, {0x0200, 3, 3}, {0x0009, 3, 3}};
    for (const Case& c : cases) {
        test::ScriptedChannel channel;
        AnswerRevisionThen(channel, c.revision, port);
        std::uint8_t flags = 9, irq = 0, mode = 0, dma = 0;
        std::uint16_t base = 0;
        ASSERT_TRUE(GetParellelPort(flags, base, irq, mode, dma));
        EXPECT_EQ(channel.last().ebx, 0x0003u);
        EXPECT_EQ(flags, 0);
        EXPECT_EQ(base, 0x378);
        EXPECT_EQ(irq, 7);
        EXPECT_EQ(mode, c.mode) << std::hex << c.revision;
        EXPECT_EQ(dma, c.dma) << std::hex << c.revision;
    }
}

TEST(InfoCalls, ParallelPortHandsOnTheAhOfWhicheverRequestFailed) {
    std::uint8_t flags = 0, irq = 0, mode = 0, dma = 0;
    std::uint16_t base = 0;
    {
        test::ScriptedChannel channel;
        RegisterFrame refused;
        refused.status = kBiosRefused;
        refused.eax = 0x00008600;
        channel.AnswerWith(refused);
        EXPECT_FALSE(GetParellelPort(flags, base, irq, mode, dma));
        EXPECT_EQ(flags, 0x86) << "the check's AH";
        EXPECT_EQ(channel.sent.size(), 1u);
    }
    {
        test::ScriptedChannel channel;
        AnswerRevisionThen(channel, 0x0108, [](const RegisterFrame& in) {
            RegisterFrame out = in;
            out.status = kBiosRefused;
            out.eax = 0x00000301;
            return out;
        });
        EXPECT_FALSE(GetParellelPort(flags, base, irq, mode, dma));
        EXPECT_EQ(flags, 0x03) << "the port request's AH";
    }
    {
        test::ScriptedChannel channel;
        channel.driver().fail = true;
        flags = 0x42;
        EXPECT_FALSE(GetParellelPort(flags, base, irq, mode, dma));
        EXPECT_EQ(flags, 0x42) << "no answer, no AH to hand on";
    }
}

TEST(InfoCalls, CachesAndTouchPadReadTheirBytes) {
    test::ScriptedChannel channel;
    RegisterFrame answer;
    answer.eax = 0x00000502;
    answer.ecx = 0x0000FF07;
    channel.AnswerWith(answer);
    std::uint8_t flags = 0, code = 0;
    EXPECT_TRUE(GetInternalCacheStatus(flags, code));
    EXPECT_EQ(flags, 2);
    EXPECT_EQ(code, 7);
    EXPECT_TRUE(GetExtCacheStatus(flags, code));
    std::uint8_t touch = 9;
    EXPECT_TRUE(GetTouchPad(touch));
    EXPECT_EQ(touch, 2);

    answer.status = kBiosRefused;
    channel.AnswerWith(answer);
    code = 0x77;
    EXPECT_FALSE(GetExtCacheStatus(flags, code));
    EXPECT_EQ(flags, 0x05) << "AH on a refusal";
    EXPECT_EQ(code, 0x77);
}

}  // namespace
}  // namespace tlw
