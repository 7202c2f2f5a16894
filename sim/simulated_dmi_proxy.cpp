// One DMI proxy request on the simulated notebook: log lines
// `DmiProxy -> BYTES=<count>` or `DmiProxy -> FAILED[: <reason>]`.
#include "sim/simulated_dmi_proxy.h"

#include <algorithm>
#include <utility>

#include "sim/file_system.h"
#include "sim/identity_table.h"
#include "sim/notebook_state.h"
#include "sim/request_log.h"

namespace tlw::sim {

SimulatedDmiProxy::SimulatedDmiProxy(std::string statePath, std::string logPath)
    : statePath_(statePath), logPath_(std::move(logPath)), reader_(std::move(statePath)) {}

bool SimulatedDmiProxy::Fail(const std::string& reason) {
    AppendLogLine(logPath_, std::string(kDmiProxyCall) + " -> FAILED" + (reason.empty() ? "" : ": " + reason));
    return false;
}

bool SimulatedDmiProxy::Read(DmiTable& table, std::size_t& count) {
    std::string reason;
    switch (reader_.Read(reason)) {
        case StateReader::Result::Unreadable:
            return Fail("the state file " + statePath_ + " cannot be read" + (reason.empty() ? "" : ": " + reason));
        case StateReader::Result::Unusable:
            return Fail("the state file " + statePath_ + " cannot be used: " + reason);
        case StateReader::Result::Usable:
            break;
    }
    const NotebookState& state = reader_.state();
    // The proxy has no status to answer: any refusal fails the request.
    if (state.RefusalFor(kDmiProxyCall)) return Fail("");

    std::string bytes;
    if (state.identity.dmiTable.empty()) {
        bytes = BuildIdentityTable(state.identity);
    } else if (ReadWholeFile(state.identity.dmiTable, bytes, reason) != ReadResult::Read) {
        return Fail("the table " + state.identity.dmiTable + " cannot be read" + (reason.empty() ? "" : ": " + reason));
    }
    if (state.chaos.on && !chaos_.DmiTable(state.chaos.seed, bytes, table.size())) return Fail("");
    count = std::min(bytes.size(), table.size());
    std::copy_n(bytes.begin(), count, table.begin());
    AppendLogLine(logPath_, std::string(kDmiProxyCall) + " -> BYTES=" + std::to_string(count));
    return true;
}

}  // namespace tlw::sim
