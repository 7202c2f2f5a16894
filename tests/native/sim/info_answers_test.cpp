// The simulated notebook's configuration answers, read from its state file.
#include <gtest/gtest.h>

#include "bios/info_calls.h"
#include "tests/native/sim/notebook_fixture.h"

namespace tlw::sim {
namespace {

TEST_F(SimulatedNotebook, IdeDevicesAnswerTheirTwoBytesPerDrive) {
    ASSERT_TRUE(Open("ide_type_80 = 01 40\nide_type_81 = 00 00\nide_type_82 = 0901\nide_type_83 = 01 00\n"));
    const std::uint8_t expected[4][2] = {{1, 0x40}, {0, 0}, {9, 1}, {1, 0}};
    for (std::uint8_t n = 0; n < 4; ++n) {
        std::uint8_t type = 0xEE, second = 0xEE;
        EXPECT_TRUE(GetIdeType(kFirstHardDisk + n, type, second)) << int{n};
        EXPECT_EQ(type, expected[n][0]) << int{n};
        EXPECT_EQ(second, expected[n][1]) << int{n};
    }
    std::uint8_t type = 0xEE, second = 0xEE;
    EXPECT_FALSE(GetIdeType(0x84, type, second)) << "no fifth IDE drive";
    EXPECT_FALSE(GetIdeType(0x00, type, second)) << "a floppy is not an IDE drive";
    EXPECT_EQ(type, 0xEE) << "a refused call writes no out-parameter";
}

TEST_F(SimulatedNotebook, IdeTypeKeysWantExactlyTwoHexBytes) {
    for (const char* text : {"ide_type_80 = 01\n", "ide_type_80 = 01 02 03\n", "ide_type_80 = 1 2\n",
                             "ide_type_82 = zz 00\n"}) {
        std::string error;
        EXPECT_FALSE(Open(text, &error)) << text;
        EXPECT_NE(error.find("ide_type_8"), std::string::npos) << error;
    }
}

TEST_F(SimulatedNotebook, IdeQueriesCanBeRefused) {
    ASSERT_TRUE(Open("refuse = GetIdeType status\n"));
    std::uint8_t type = 0, second = 0;
    EXPECT_FALSE(GetIdeType(kFirstHardDisk, type, second));
    CloseBiosChannel();
    // AH alone does not fail a call the status decides.
    ASSERT_TRUE(Open("refuse = GetIdeType ah=86\n"));
    EXPECT_TRUE(GetIdeType(kFirstHardDisk, type, second));
    CloseBiosChannel();
    ASSERT_TRUE(Open("refuse = GetIdeType channel\n"));
    EXPECT_FALSE(GetIdeType(kFirstHardDisk, type, second));
}

}  // namespace
}  // namespace tlw::sim

#include "bios/call_rows.h"
#include "sim/simulated_machine_facts.h"

namespace tlw::sim {
namespace {

TEST_F(SimulatedNotebook, AFreshStateFileGivesAPlausibleNotebookAndItsFacts) {
    ASSERT_TRUE(Open(nullptr));
    const InfoState& info = notebook().info;
    EXPECT_EQ(info.cpu.vendor, 0);
    EXPECT_EQ(info.cpu.type, 10);
    EXPECT_EQ(info.systemRamMb, 128);
    EXPECT_EQ(info.videoRamBlocks * 64, 8192);
    EXPECT_EQ(info.serial.base, 0x3F8);
    EXPECT_EQ(info.parallel.dma, 3);
    const std::string text = ReadFile(state());
    for (const char* line : {"cpu = 0 10 9 12 700", "video_ram_kb = 8192", "serial_port = 0 0x3f8 4 0",
                             "parallel_port = 0 0x378 7 3 3", "internal_cache = 0 2", "external_cache = 0 4",
                             "touch_pad = 1", "physical_memory = 134217728", "hard_disk_geometry = 38760 16 63 512",
                             "hard_disk_geometry_1 = \n", "port_devices = ACPI\\PNP0501\\1:0 ACPI\\PNP0401\\0:0"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    SimulatedMachineFacts facts(state().string());
    std::uint64_t bytes = 0;
    EXPECT_TRUE(facts.PhysicalMemory(bytes));
    EXPECT_EQ(bytes, 134217728u);
    DiskGeometry g;
    EXPECT_TRUE(facts.HardDiskGeometry(0, g));
    EXPECT_EQ(g.cylinders, 38760);
    EXPECT_EQ(g.bytesPerSector, 512u);
    EXPECT_FALSE(facts.HardDiskGeometry(1, g));
    EXPECT_FALSE(facts.HardDiskGeometry(2, g));
}

TEST_F(SimulatedNotebook, ConfigurationAnswersFollowTheKeys) {
    ASSERT_TRUE(Open("cpu = 2 7 0xff 0xff 0x1c2\nsystem_ram_mb = 0x180\nvideo_ram_kb = 2560\n"
                     "serial_port = 2 0x2f8 3 1\ninternal_cache = 2 5\ntouch_pad = 0\n"));
    std::uint8_t vendor = 0, type = 0, bus = 0, multiplier = 0;
    std::uint16_t speed = 0;
    ASSERT_TRUE(GetCpuInfo(vendor, type, bus, multiplier, speed));
    EXPECT_EQ(vendor, 2);
    EXPECT_EQ(type, 7);
    EXPECT_EQ(bus, 0xFF);
    EXPECT_EQ(multiplier, 0xFF);
    EXPECT_EQ(speed, 450);
    std::uint32_t size = 0;
    std::uint8_t unit = 0;
    ASSERT_TRUE(GetSystemRam(size, unit));
    EXPECT_EQ(size, 384u);
    EXPECT_EQ(GetVideoRam(), 2560u);
    std::uint8_t flags = 0, irq = 0, mode = 0;
    std::uint16_t base = 0;
    ASSERT_TRUE(GetSerialPort(0, flags, base, irq, mode));
    EXPECT_EQ(flags, 2);
    EXPECT_EQ(base, 0x2F8);
    EXPECT_EQ(irq, 3);
    EXPECT_EQ(mode, 1);
    ASSERT_TRUE(GetSerialPort(1, flags, base, irq, mode));
    EXPECT_EQ(flags, kNoSuchDevice) << "the notebook has one serial port";
    std::uint8_t code = 0;
    ASSERT_TRUE(GetInternalCacheStatus(flags, code));
    EXPECT_EQ(flags, 2);
    EXPECT_EQ(code, 5);
    std::uint8_t touch = 9;
    ASSERT_TRUE(GetTouchPad(touch));
    EXPECT_EQ(touch, 0);
}

TEST_F(SimulatedNotebook, AnEarlyBiosDoesNotKnowTheMemoryCall) {
    ASSERT_TRUE(Open("revision = 0x0107\n"));
    std::uint32_t size = 0;
    // Asked directly, past the revision test the program makes.
    EXPECT_FALSE(BiosCall(row::GetSystemRam).Out(size, reg::CX).Run());
}

TEST_F(SimulatedNotebook, ConfigurationCallsCanBeRefused) {
    ASSERT_TRUE(Open("refuse = GetSerialPort ah=86\nrefuse = GetExtCacheStatus status\nrefuse = GetVideoRam channel\n"));
    std::uint8_t flags = 0, irq = 0, mode = 0, code = 0;
    std::uint16_t base = 0;
    // A status-rule call is refused by its status: AH alone does not do it.
    EXPECT_TRUE(GetSerialPort(0, flags, base, irq, mode));
    EXPECT_FALSE(GetExtCacheStatus(flags, code));
    EXPECT_EQ(GetVideoRam(), 0u);
    EXPECT_TRUE(GetInternalCacheStatus(flags, code));
}

TEST_F(SimulatedNotebook, ConfigurationKeysRefuseWhatTheBiosCouldNotSay) {
    for (const char* text : {
             "cpu = 0 10 9 12\n", "cpu = 0 10 9 12 700 1\n", "cpu = 256 10 9 12 700\n", "cpu = 0 10 9 12 65536\n",
             "video_ram_kb = 100\n",      // not whole 64 KB blocks
             "video_ram_kb = 4194304\n",  // 65536 blocks do not fit AX
             "video_ram_kb = -64\n", "system_ram_mb = 65536\n", "serial_port = 0 0x10000 4 0\n",
             "serial_port = 0 0x3f8 4\n", "serial_port = 0 0x3f8 4 256\n",
             "parallel_port = 0 0x378 7 64 0\n",
             "parallel_port = 0 0x378 7 3 4\n",  // a later BIOS has two bits for the channel
             "internal_cache = 0\n", "external_cache = 0 4 0\n", "touch_pad = 256\n",
             "physical_memory = 18446744073709551616\n", "physical_memory = 12 MB\n",
             "hard_disk_geometry = 1 2 3\n", "hard_disk_geometry = 1 2 3 4294967296\n",
             "hard_disk_geometry = 9223372036854775808 1 1 1\n", "hard_disk_geometry_1 = x 1 1 1\n",
             "port_devices = ACPI\\PNP0501\\1\n", "port_devices = :0\n", "port_devices = ACPI\\PNP0501\\1:x\n"}) {
        std::string error;
        EXPECT_FALSE(Open(text, &error)) << text;
        const std::string key = std::string(text).substr(0, std::string(text).find(' '));
        EXPECT_NE(error.find(key), std::string::npos) << error;
    }
}

TEST_F(SimulatedNotebook, ConfigurationKeysSurviveASave) {
    const char* text =
        "cpu = 1 5 0x2 3 0\nvideo_ram_kb = 0x1000\nparallel_port = 1 0x3BC 5 63 0\nexternal_cache = 3 255\n"
        "physical_memory = 0xFFFFFFFFFFFFFFFF\nhard_disk_geometry = -9223372036854775808 4294967295 0 1\n"
        "hard_disk_geometry_1 = 0 0 0 0\nport_devices = \n";
    ASSERT_TRUE(Open(text));
    StateFile written;
    WriteState(notebook(), written);
    NotebookState back;
    std::string error;
    ASSERT_TRUE(ReadState(written, back, error)) << error;
    const InfoState& a = notebook().info;
    const InfoState& b = back.info;
    EXPECT_EQ(b.cpu.type, 5);
    EXPECT_EQ(b.cpu.bus, 2);
    EXPECT_EQ(b.videoRamBlocks, 0x40);
    EXPECT_EQ(b.parallel.base, 0x3BC);
    EXPECT_EQ(b.parallel.mode, 63);
    EXPECT_EQ(b.externalCache.sizeCode, 255);
    EXPECT_EQ(b.os.physicalMemory, a.os.physicalMemory);
    EXPECT_EQ(b.os.physicalMemory, ~std::uint64_t{0});
    EXPECT_EQ(b.os.disk[0].cylinders, INT64_MIN);
    EXPECT_EQ(b.os.disk[0].tracksPerCylinder, 0xFFFFFFFFu);
    EXPECT_TRUE(b.os.disk[1].known);
    EXPECT_TRUE(b.os.portDevices.empty());
}

TEST_F(SimulatedNotebook, MachineFactsAreReadAfreshAndNeverLogged) {
    ASSERT_TRUE(Open("physical_memory = 1000\nport_devices = ACPI\\PNP0501\\1:22 ACPI\\PNP0401\\0:0\n"));
    SimulatedMachineFacts facts(state().string());
    std::uint32_t problem = 7;
    EXPECT_TRUE(facts.FindPortDevice("PNP05", problem));
    EXPECT_EQ(problem, 22u);
    EXPECT_TRUE(facts.FindPortDevice("PNP0401", problem));
    EXPECT_EQ(problem, 0u);
    problem = 7;
    EXPECT_FALSE(facts.FindPortDevice("pnp05", problem)) << "instance IDs match case-sensitively";
    EXPECT_EQ(problem, 0u);
    EXPECT_FALSE(facts.FindPortDevice("", problem));

    // An edit is seen at the next question; a key taken out is a fact no longer known.
    WriteFile(state(), "physical_memory = 2000\n");
    std::uint64_t bytes = 0;
    EXPECT_TRUE(facts.PhysicalMemory(bytes));
    EXPECT_EQ(bytes, 2000u);
    EXPECT_FALSE(facts.FindPortDevice("PNP05", problem));
    DiskGeometry g;
    EXPECT_FALSE(facts.HardDiskGeometry(0, g));
    // An edit that keeps the file's length is seen too.
    WriteFile(state(), "physical_memory = 3000\n");
    EXPECT_TRUE(facts.PhysicalMemory(bytes));
    EXPECT_EQ(bytes, 3000u);
    // A file that cannot be used gives no facts at all, until it can again.
    WriteFile(state(), "physical_memory = lots\n");
    EXPECT_FALSE(facts.PhysicalMemory(bytes));
    WriteFile(state(), "physical_memory = 3000\n");
    EXPECT_TRUE(facts.PhysicalMemory(bytes));
    EXPECT_EQ(bytes, 3000u);
    std::filesystem::remove(state());
    EXPECT_FALSE(facts.PhysicalMemory(bytes));
    EXPECT_TRUE(LogLines().empty()) << "the facts are no BIOS requests";
}

}  // namespace
}  // namespace tlw::sim
