// The machine facts the probes ask: one choice for the whole program.
#include "bios/machine_facts.h"

#include <utility>

namespace tlw {
namespace {

std::unique_ptr<MachineFacts>& Chosen() {
    static std::unique_ptr<MachineFacts> facts;
    return facts;
}

}  // namespace

void UseMachineFacts(std::unique_ptr<MachineFacts> facts) { Chosen() = std::move(facts); }

MachineFacts* MachineFactsInUse() { return Chosen().get(); }

}  // namespace tlw
