// The simulated driver's request log: one line per request.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bios/register_frame.h"

namespace tlw::sim {

// `<call> EAX=.. EBX=.. ECX=.. EDX=.. [BUF=..] -> STATUS=.. EAX=.. EBX=.. ECX=.. EDX=..`,
// or ending in `-> FAILED` when `out` is null (the driver request failed).
std::string FormatRequestLine(const std::string& call, const RegisterFrame& in, const RegisterFrame* out,
                              const std::vector<std::uint8_t>* buffer);

// Appends one line to the log file at `path`; nothing when `path` is empty.
void AppendLogLine(const std::string& path, const std::string& line);

}  // namespace tlw::sim
