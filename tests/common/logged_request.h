// The simulated notebook's request log read back: one request per line,
//
//     <call> EAX=.. EBX=.. ECX=.. EDX=.. [BUF=<hex>] -> STATUS=.. EAX=.. EBX=.. ECX=.. EDX=..
//
// or "-> FAILED" when the driver request itself failed. Native tests, Wine
// tests and the monkey's checker all read it here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bios/register_frame.h"

namespace tlw::test {

struct LoggedRequest {
    std::string call;
    RegisterFrame in;
    bool answered = false;  // false: the driver request itself failed
    RegisterFrame out;
    bool hasBuffer = false;
    std::vector<std::uint8_t> buffer;

    // True when the BIOS reported success by the status rule: any status
    // but 0xFFFFFFFF, which alone says the BIOS refused.
    bool StatusOk() const { return answered && out.status != kBiosRefused; }
};

// The words of `text`, split at spaces.
std::vector<std::string> Words(const std::string& text);

// Reads one request log line; false for the log's other lines (RESTART,
// DmiProxy, STATE NOT ...) and anything that does not read as a request.
bool ParseRequestLine(const std::string& line, LoggedRequest& request);

// The requests among `lines`, in order.
std::vector<LoggedRequest> ParseRequests(const std::vector<std::string>& lines);

// `value` as `digits` upper-case hex digits, as the log writes it.
std::string Hex(std::uint32_t value, int digits = 8);
// `bytes` as the log writes a buffer: upper-case hex pairs, no spaces.
std::string HexBytes(const std::vector<std::uint8_t>& bytes);

}  // namespace tlw::test
