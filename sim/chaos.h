// A hostile notebook: with `chaos = <seed>` in the state file every read call
// answers random registers and buffer bytes, and every write call succeeds or
// fails at random, the same way again for the same seed. It shows what a
// confused or broken BIOS may answer, so that no page trusts an answer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/simulated_bios.h"

namespace tlw::sim {

class StateKeys;

// The state file's `chaos` line.
void ChaosKeys(StateKeys& keys, NotebookState& state);

// A small generator whose numbers depend on the seed and the draw alone
// (splitmix64), the same on every compiler and platform.
class ChaosDraws {
public:
    ChaosDraws(std::uint32_t seed, std::uint64_t stream);
    std::uint32_t Next();
    // A number below `bound` (bound > 0).
    std::uint32_t Below(std::uint32_t bound) { return Next() % bound; }
    // A byte as a confused BIOS gives it: often 0, 0xFF or small, else anything.
    std::uint8_t Byte();
    // A register: each byte drawn as Byte().
    std::uint32_t Register();

private:
    std::uint64_t state_;
};

// True for the requests that only read, as the catalogue row of `call` says
// (a password check asks the BIOS and stores nothing); a call the catalogue
// does not know counts as a write.
bool IsReadRequest(const std::string& call, const RegisterFrame& in);

struct ChaosAnswer {
    bool channelFails = false;  // the driver request itself fails
    BiosAnswer answer;
};

// The chaos of one notebook: the n-th request after the seed was set draws
// from stream n, so a run replays exactly from its seed.
class Chaos {
public:
    // Reads answer at random and never change `state`; writes either fail at
    // random (nothing changed) or are answered as the notebook would.
    ChaosAnswer Answer(NotebookState& state, const RegisterFrame& in, const std::string& call);

    // What the DMI proxy hands over for `table` (the table the notebook
    // would give): false when the request fails; otherwise `table` is the
    // table damaged at random, or random bytes, at most `capacity` of them.
    bool DmiTable(std::uint32_t seed, std::string& table, std::size_t capacity);

private:
    ChaosDraws Draws(std::uint32_t seed);

    bool seeded_ = false;
    std::uint32_t seed_ = 0;
    std::uint64_t requests_ = 0;
};

}  // namespace tlw::sim
