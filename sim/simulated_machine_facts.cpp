// The state file's operating-system facts, as the machine facts interface asks them.
#include "sim/simulated_machine_facts.h"

#include <utility>


namespace tlw::sim {

SimulatedMachineFacts::SimulatedMachineFacts(std::string statePath) : reader_(std::move(statePath)) {}

bool SimulatedMachineFacts::Read(InfoState::OsFacts& facts) {
    std::string reason;
    if (reader_.Read(reason) != StateReader::Result::Usable) return false;
    facts = reader_.state().info.os;
    return true;
}

bool SimulatedMachineFacts::PhysicalMemory(std::uint64_t& bytes) {
    InfoState::OsFacts facts;
    if (!Read(facts) || !facts.memoryKnown) return false;
    bytes = facts.physicalMemory;
    return true;
}

bool SimulatedMachineFacts::HardDiskGeometry(unsigned number, DiskGeometry& geometry) {
    InfoState::OsFacts facts;
    if (number >= sizeof facts.disk / sizeof facts.disk[0] || !Read(facts) || !facts.disk[number].known) return false;
    const InfoState::Geometry& g = facts.disk[number];
    geometry = {g.cylinders, g.tracksPerCylinder, g.sectorsPerTrack, g.bytesPerSector};
    return true;
}

bool SimulatedMachineFacts::FindPortDevice(const std::string& idText, std::uint32_t& problem) {
    problem = 0;
    InfoState::OsFacts facts;
    if (idText.empty() || !Read(facts)) return false;
    for (const InfoState::PortDevice& device : facts.portDevices) {
        if (device.instanceId.find(idText) == std::string::npos) continue;
        problem = device.problem;
        return true;
    }
    return false;
}

}  // namespace tlw::sim
