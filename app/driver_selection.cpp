// Opening the driver the environment selects; on the simulated notebook,
// restarts are simulated and logged too, and the DMI proxy is the notebook's.
#include "app/driver_selection.h"

#include <windows.h>

#include "app/system_restart.h"
#include "bios/bios_channel.h"
#include "bios/device_driver.h"
#include "bios/machine_facts.h"
#include "dmi/dmi_proxy.h"
#include "sim/notebook_paths.h"
#include "sim/simulated_dmi_proxy.h"
#include "sim/simulated_driver.h"
#include "sim/simulated_machine_facts.h"

namespace {

using tlw::sim::kLogVariable;
using tlw::sim::kStateVariable;

enum class Variable { Unset, Set };

// The variable's whole value, however long.
Variable ReadEnvironment(const char* name, std::string& value) {
    value.clear();
    ::SetLastError(ERROR_SUCCESS);
    DWORD size = ::GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) return ::GetLastError() == ERROR_ENVVAR_NOT_FOUND ? Variable::Unset : Variable::Set;
    std::string buffer(size, '\0');
    size = ::GetEnvironmentVariableA(name, &buffer[0], size);
    if (size < buffer.size()) value.assign(buffer, 0, size);
    return Variable::Set;
}

std::string& LastSimulatorError() {
    static std::string error;
    return error;
}

void LogSimulatedRestart(RestartEvent event) {
    auto* simulator = dynamic_cast<tlw::sim::SimulatedDriver*>(tlw::ChannelDriver());
    if (simulator) simulator->LogRestart(event == RestartEvent::Cancelled);
}

}  // namespace

bool SimulatorSelected() {
    std::string value;
    return ReadEnvironment(kStateVariable, value) == Variable::Set;
}

const std::string& SimulatorError() { return LastSimulatorError(); }

namespace {

// The device, or the simulated notebook when one is selected; null when
// neither can be opened.
std::unique_ptr<tlw::BiosDriver> SelectedDriver() {
    std::string statePath;
    std::string logPath;
    std::string& error = LastSimulatorError();
    error.clear();
    if (ReadEnvironment(kStateVariable, statePath) == Variable::Unset) {
        tlw::UseDmiProxy(tlw::DmiDevice());
        tlw::UseMachineFacts(tlw::OperatingSystemFacts());
        return tlw::OpenDeviceDriver();
    }
    if (ReadEnvironment(kLogVariable, logPath) == Variable::Set && logPath.empty()) {
        error = tlw::sim::SetButEmpty(kLogVariable);
        return nullptr;
    }
    return OpenSimulatedNotebook(statePath, logPath, error);
}

}  // namespace

bool OpenBiosChannel() { return tlw::OpenBiosChannelWith(SelectedDriver()); }

std::unique_ptr<tlw::BiosDriver> OpenSimulatedNotebook(const std::string& statePath, const std::string& logPath,
                                                       std::string& error) {
    auto simulator = tlw::sim::SimulatedDriver::Open(statePath, logPath, error);
    if (simulator) {
        SimulateRestarts(LogSimulatedRestart);
        tlw::UseDmiProxy(std::make_unique<tlw::sim::SimulatedDmiProxy>(statePath, logPath));
        tlw::UseMachineFacts(std::make_unique<tlw::sim::SimulatedMachineFacts>(statePath));
    }
    return simulator;
}
