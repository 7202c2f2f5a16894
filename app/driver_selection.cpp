// Opening the driver the environment selects.
#include "app/driver_selection.h"

#include <windows.h>

#include <memory>

#include "bios/bios_channel.h"
#include "bios/device_driver.h"
#include "sim/simulated_driver.h"

namespace {

std::string Environment(const char* name) {
    char value[MAX_PATH * 2] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string& LastSimulatorError() {
    static std::string error;
    return error;
}

}  // namespace

bool SimulatorSelected() { return !Environment("TALLOWIN_SIMULATOR").empty(); }

const std::string& SimulatorError() { return LastSimulatorError(); }

bool LogSimulatedRestart() {
    auto* simulator = dynamic_cast<tlw::sim::SimulatedDriver*>(tlw::ChannelDriver());
    if (!simulator) return false;
    simulator->LogRestart();
    return true;
}

std::unique_ptr<tlw::BiosDriver> tlw::CreateBiosDriver() {
    if (!SimulatorSelected()) return OpenDeviceDriver();
    return sim::SimulatedDriver::Open(Environment("TALLOWIN_SIMULATOR"), Environment("TALLOWIN_SIMULATOR_LOG"),
                                      LastSimulatorError());
}
