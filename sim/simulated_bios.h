// The simulated ZEFA BIOS: answers a register frame as the notebook's BIOS
// would, from and into a NotebookState.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bios/register_frame.h"
#include "sim/notebook_state.h"

namespace tlw::sim {

// A file beside the state file that an answer wrote, with what it held
// before (`existed` false: it was not there).
struct WrittenFile {
    std::string path;
    bool existed = false;
    std::string before;
};

// The answer to one request, with what the driver read from or wrote to the
// caller's buffer (for the request log), and the files it wrote, so that a
// write the notebook cannot keep is undone whole.
struct BiosAnswer {
    RegisterFrame out;
    bool changedSettings = false;
    bool passesBuffer = false;
    std::vector<std::uint8_t> buffer;
    std::vector<WrittenFile> written;
};

// The BIOS's answer to `in`. Buffers named by ESI are reached through the
// channel's lent memory and never beyond it.
BiosAnswer AnswerRequest(NotebookState& state, const RegisterFrame& in);

// Return codes this BIOS puts in AH.
constexpr std::uint8_t kAhNotSet = 0x01;          // no such password
constexpr std::uint8_t kAhWrongPassword = 0x02;
constexpr std::uint8_t kAhBadArgument = 0x03;
constexpr std::uint8_t kAhUnsupported = 0x86;     // no such function

}  // namespace tlw::sim
