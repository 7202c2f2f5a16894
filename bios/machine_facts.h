// What the information page asks of the operating system rather than of the
// BIOS: the total physical memory, a hard disk's geometry, and the port
// devices the device manager lists. Behind one small interface so that the
// probes stay portable and the simulated notebook can answer from its state
// file while it is selected.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tlw {

// A drive's geometry as the disk driver reports it.
struct DiskGeometry {
    std::int64_t cylinders = 0;
    std::uint32_t tracksPerCylinder = 0;
    std::uint32_t sectorsPerTrack = 0;
    std::uint32_t bytesPerSector = 0;
};

class MachineFacts {
public:
    virtual ~MachineFacts() = default;
    MachineFacts() = default;
    MachineFacts(const MachineFacts&) = delete;
    MachineFacts& operator=(const MachineFacts&) = delete;

    // The total physical memory in bytes. False when it cannot be had.
    virtual bool PhysicalMemory(std::uint64_t& bytes) = 0;

    // The geometry of physical drive `number` (0 = "\\.\PhysicalDrive0").
    // False when the drive cannot be opened or the request fails.
    virtual bool HardDiskGeometry(unsigned number, DiskGeometry& geometry) = 0;

    // The first present device of the Ports class whose instance ID holds
    // `idText` (case-sensitive) and its problem number (0 = no problem).
    // False when none matches or the devices cannot be listed; `problem` is
    // 0 then.
    virtual bool FindPortDevice(const std::string& idText, std::uint32_t& problem) = 0;
};

// The facts the probes ask from now on (the program's choice, see
// app/driver_selection.h, or a test's); null for none.
void UseMachineFacts(std::unique_ptr<MachineFacts> facts);

// The facts in use, or null when none were chosen.
MachineFacts* MachineFactsInUse();

// The operating system's own: GlobalMemoryStatus, the drive geometry request,
// the device installer and the configuration manager (Windows only:
// bios/machine_facts_win.cpp).
std::unique_ptr<MachineFacts> OperatingSystemFacts();

}  // namespace tlw
