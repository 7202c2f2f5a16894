// The simulated BIOS's dispatch: the area whose row matches EAX and BL answers.
#include "sim/simulated_bios.h"

#include <algorithm>

#include "bios/buffer_lease.h"
#include "sim/answers/area.h"

namespace tlw::sim {
namespace {

Handler HandlerFor(const RegisterFrame& in) {
    for (std::size_t a = 0; a < kAreaCount; ++a) {
        const Area& area = *kAreas[a];
        for (std::size_t i = 0; i < area.answerCount; ++i) {
            const CallRow& row = *area.answers[i].row;
            if (row.eax == in.eax && (row.ebx & 0xFF) == (in.ebx & 0xFF)) return area.answers[i].handler;
        }
    }
    return nullptr;
}

}  // namespace

bool Request::ReadBuffer(std::size_t size, std::vector<std::uint8_t>& bytes) {
    answer.passesBuffer = true;
    const std::uint8_t* memory = LentMemory(in.esi, size);
    if (!memory) return false;
    bytes.assign(memory, memory + size);
    answer.buffer = bytes;
    return true;
}

bool Request::WriteBuffer(const std::vector<std::uint8_t>& bytes) {
    answer.passesBuffer = true;
    std::uint8_t* memory = LentMemory(in.esi, bytes.size());
    if (!memory) return false;
    std::copy(bytes.begin(), bytes.end(), memory);
    answer.buffer = bytes;
    return true;
}

BiosAnswer AnswerRequest(NotebookState& state, const RegisterFrame& in) {
    BiosAnswer answer;
    answer.out = in;
    answer.out.status = 0;
    Request request{state, in, answer};
    request.SetAh(0);
    if (const Handler handler = HandlerFor(in)) {
        handler(request);
    } else {
        request.Refuse(kAhUnsupported);
    }
    return answer;
}

}  // namespace tlw::sim
