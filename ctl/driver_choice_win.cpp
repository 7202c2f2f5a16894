// Opening the driver the environment selects.
#include "ctl/driver_choice_win.h"

#include <windows.h>

#include "bios/bios_channel.h"
#include "bios/device_driver.h"
#include "bios/machine_facts.h"
#include "dmi/dmi_proxy.h"
#include "sim/notebook_paths.h"
#include "sim/simulated_dmi_proxy.h"
#include "sim/simulated_driver.h"
#include "sim/simulated_machine_facts.h"

namespace tlw::ctl {
namespace {

// False when the variable is not set; its whole value otherwise.
bool ReadVariable(const char* name, std::string& value) {
    value.clear();
    ::SetLastError(ERROR_SUCCESS);
    DWORD size = ::GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) return ::GetLastError() != ERROR_ENVVAR_NOT_FOUND;
    std::string buffer(size, '\0');
    size = ::GetEnvironmentVariableA(name, &buffer[0], size);
    if (size < buffer.size()) value.assign(buffer, 0, size);
    return true;
}

}  // namespace

bool OpenSelectedChannel(std::string& error) {
    std::string statePath, logPath;
    if (!ReadVariable(sim::kStateVariable, statePath)) {
        UseDmiProxy(DmiDevice());
        UseMachineFacts(OperatingSystemFacts());
        if (OpenBiosChannelWith(OpenDeviceDriver())) return true;
        error = "The BIOS driver (\\\\.\\tlwkmd) cannot be opened.";
        return false;
    }
    if (ReadVariable(sim::kLogVariable, logPath) && logPath.empty()) {
        error = sim::SetButEmpty(sim::kLogVariable);
        return false;
    }
    auto simulator = sim::SimulatedDriver::Open(statePath, logPath, error);
    if (!simulator) return false;
    UseDmiProxy(std::make_unique<sim::SimulatedDmiProxy>(statePath, logPath));
    UseMachineFacts(std::make_unique<sim::SimulatedMachineFacts>(statePath));
    return OpenBiosChannelWith(std::move(simulator));
}

}  // namespace tlw::ctl
