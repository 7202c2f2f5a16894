// The simulated notebook's DMI proxy: hands over the table its state file
// describes, read afresh at each request, and logs each request beside the
// BIOS's.
#pragma once

#include <string>

#include "dmi/dmi_proxy.h"
#include "sim/chaos.h"
#include "sim/state_reader.h"

namespace tlw::sim {

// The call name a `refuse = DmiProxy channel` line names.
constexpr const char* kDmiProxyCall = "DmiProxy";

class SimulatedDmiProxy : public DmiProxy {
public:
    SimulatedDmiProxy(std::string statePath, std::string logPath);

    // The table built from the identity keys, or the file `dmi_table` names,
    // as much of it as the buffer holds. Fails, and logs why, when the
    // request is refused, or the state file or the table file cannot be read.
    bool Read(DmiTable& table, std::size_t& count) override;

private:
    bool Fail(const std::string& reason);

    std::string statePath_;
    std::string logPath_;
    StateReader reader_;
    Chaos chaos_;  // the draws of a notebook that answers at random
};

}  // namespace tlw::sim
