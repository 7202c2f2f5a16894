// The simulated notebook's operating-system facts: its total physical memory,
// its hard disks' geometry and its port devices, read from the state file
// afresh at each question. They are not BIOS requests: nothing is logged.
#pragma once

#include <string>

#include "bios/machine_facts.h"
#include "sim/notebook_state.h"
#include "sim/state_reader.h"

namespace tlw::sim {

class SimulatedMachineFacts : public MachineFacts {
public:
    explicit SimulatedMachineFacts(std::string statePath);

    bool PhysicalMemory(std::uint64_t& bytes) override;
    bool HardDiskGeometry(unsigned number, DiskGeometry& geometry) override;
    bool FindPortDevice(const std::string& idText, std::uint32_t& problem) override;

private:
    // The facts as the state file gives them now; false when it cannot be
    // read or used (then every fact is one the system cannot give).
    bool Read(InfoState::OsFacts& facts);

    StateReader reader_;
};

}  // namespace tlw::sim
