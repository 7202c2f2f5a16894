// The hostile notebook's draws and answers.
#include "sim/chaos.h"

#include <algorithm>

#include "bios/buffer_lease.h"
#include "bios/call_rows.h"
#include "sim/notebook_state.h"
#include "sim/state_keys.h"

namespace tlw::sim {

void ChaosKeys(StateKeys& keys, NotebookState& state) {
    ChaosState& chaos = state.chaos;
    keys.Form("chaos", chaos.on ? std::to_string(chaos.seed) : "off", "off or a seed from 0 to 4294967295",
              [&chaos](const std::string& text) {
                  if (text == "off") return chaos = {}, true;
                  unsigned long seed = 0;
                  if (!StateKeys::ParseNumber(text, 0xFFFFFFFFul, seed)) return false;
                  chaos = {true, static_cast<std::uint32_t>(seed)};
                  return true;
              },
              "off, or a seed: every read call answers random registers and buffer bytes and every write "
              "succeeds or fails at random, the same again for the same seed");
}

ChaosDraws::ChaosDraws(std::uint32_t seed, std::uint64_t stream)
    : state_((std::uint64_t{seed} << 32 | 0x5EEDu) ^ (stream * 0xD1B54A32D192ED03ull)) {}

std::uint32_t ChaosDraws::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 16);
}

std::uint8_t ChaosDraws::Byte() {
    // Codes just past a table's end and upside-down ranges come from the
    // small values and the extremes more often than from any byte at all.
    switch (Below(8)) {
        case 0:
            return 0;
        case 1:
            return 0xFF;
        case 2:
        case 3:
            return static_cast<std::uint8_t>(Below(16));
        default:
            return static_cast<std::uint8_t>(Next());
    }
}

std::uint32_t ChaosDraws::Register() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
    return value;
}

bool IsReadRequest(const std::string& call, const RegisterFrame& in) {
    // Rows that share a name share their access.
    for (const CallRow* row : row::kCatalogue) {
        if (call == row->name) return OnlyReads(*row, in);
    }
    return false;
}

ChaosDraws Chaos::Draws(std::uint32_t seed) {
    if (!seeded_ || seed != seed_) {
        seeded_ = true;
        seed_ = seed;
        requests_ = 0;
    }
    return ChaosDraws(seed, requests_++);
}

ChaosAnswer Chaos::Answer(NotebookState& state, const RegisterFrame& in, const std::string& call) {
    ChaosDraws draws = Draws(state.chaos.seed);
    ChaosAnswer chaos;
    if (draws.Below(16) == 0) {
        chaos.channelFails = true;
        return chaos;
    }
    BiosAnswer& answer = chaos.answer;
    if (!IsReadRequest(call, in)) {
        if (draws.Below(8) < 5) {
            answer = AnswerRequest(state, in);
            return chaos;
        }
        // What the caller passed is logged as always: the notebook's answer
        // on a copy that saves nothing beside the state file.
        NotebookState scratch = state;
        scratch.path.clear();
        answer = AnswerRequest(scratch, in);
        answer.changedSettings = false;
        // Refused both ways, so that a call judged by its status and one
        // judged by AH both see the failure.
        answer.out = in;
        answer.out.status = kBiosRefused;
        answer.out.eax = (in.eax & 0xFFFF00FFu) | (1 + draws.Below(0xFF)) << 8;
        return chaos;
    }

    // The notebook's own answer, on a copy, only to learn which buffer the call fills.
    NotebookState scratch = state;
    answer = AnswerRequest(scratch, in);
    const std::uint32_t pick = draws.Below(8);
    answer.out.status = pick < 4 ? 0 : pick < 6 ? kBiosRefused : draws.Next();
    answer.out.eax = draws.Register();
    if (draws.Below(2) == 0) answer.out.eax &= 0xFFFF00FFu;  // AH 0, the success the Ah calls look for
    answer.out.ebx = draws.Register();
    answer.out.ecx = draws.Register();
    answer.out.edx = draws.Register();
    answer.out.esi = draws.Register();
    answer.out.edi = draws.Register();
    if (answer.passesBuffer && !answer.buffer.empty()) {
        for (std::uint8_t& byte : answer.buffer) byte = draws.Byte();
        if (std::uint8_t* memory = LentMemory(in.esi, answer.buffer.size())) {
            std::copy(answer.buffer.begin(), answer.buffer.end(), memory);
        }
    }
    return chaos;
}

bool Chaos::DmiTable(std::uint32_t seed, std::string& table, std::size_t capacity) {
    ChaosDraws draws = Draws(seed);
    const std::uint32_t pick = draws.Below(8);
    if (pick == 0) return false;
    if (pick == 1) {
        table.assign(draws.Below(static_cast<std::uint32_t>(std::min<std::size_t>(capacity, 4096)) + 1), '\0');
        for (char& c : table) c = static_cast<char>(draws.Byte());
    } else if (!table.empty()) {
        for (std::uint32_t n = 1 + draws.Below(8); n > 0; --n) {
            table[draws.Below(static_cast<std::uint32_t>(table.size()))] = static_cast<char>(draws.Byte());
        }
        if (draws.Below(4) == 0) table.resize(draws.Below(static_cast<std::uint32_t>(table.size())));
    }
    if (table.size() > capacity) table.resize(capacity);
    return true;
}

}  // namespace tlw::sim
