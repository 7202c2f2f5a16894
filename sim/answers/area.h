// One area of the simulated BIOS, as sim/answers/<area>.cpp describes it: its
// handlers beside the catalogue rows they answer, its keys in the state file,
// and what loading the setup defaults does to its part of the state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bios/bios_call.h"
#include "sim/notebook_state.h"
#include "sim/simulated_bios.h"
#include "sim/state_keys.h"

namespace tlw::sim {

// One request as a handler sees it: the state, the input frame, the answer
// being built (the input frame, status 0 and AH 0 until the handler says more).
struct Request {
    NotebookState& state;
    const RegisterFrame& in;
    BiosAnswer& answer;

    RegisterFrame& out() { return answer.out; }
    std::uint8_t bh() const { return in.ebx >> 8 & 0xFF; }
    void SetAh(std::uint8_t ah) { answer.out.eax = (answer.out.eax & 0xFFFF00FFu) | (std::uint32_t{ah} << 8); }
    void Refuse(std::uint8_t ah) {
        answer.out.status = kBiosRefused;
        SetAh(ah);
    }
    void Changed() { answer.changedSettings = true; }
    // Reads `size` bytes at ESI; false when they are not all lent memory.
    bool ReadBuffer(std::size_t size, std::vector<std::uint8_t>& bytes);
    // Writes `bytes` at ESI; false, and nothing written, when they would not
    // all land in lent memory.
    bool WriteBuffer(const std::vector<std::uint8_t>& bytes);
};

using Handler = void (*)(Request&);

// A handler and the row whose EAX and BL it answers.
struct Answer {
    const CallRow* row;
    Handler handler;
};

struct Area {
    const Answer* answers;
    std::size_t answerCount;
    void (*keys)(StateKeys& keys, NotebookState& state);  // one typed line per key
    void (*loadSetupDefaults)(NotebookState& state);      // one assignment: the area's settings
};

template <std::size_t N>
constexpr Area MakeArea(const Answer (&answers)[N], void (*keys)(StateKeys&, NotebookState&),
                        void (*loadSetupDefaults)(NotebookState&)) {
    return {answers, N, keys, loadSetupDefaults};
}

// Every area (sim/answers/areas.cpp).
extern const Area* const kAreas[];
extern const std::size_t kAreaCount;

// Every key of every area.
void VisitKeys(StateKeys& keys, NotebookState& state);

// The BIOS setup defaults: every area's settings, never the passwords.
void LoadSetupDefaults(NotebookState& state);

}  // namespace tlw::sim
