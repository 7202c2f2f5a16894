// The pages' writes in order, then the checksum.
#include "pages/apply_order.h"

#include <cstdint>

#include "bios/shell_calls.h"

namespace tlw {
namespace {

// The checksum the BIOS keeps over its setup settings.
constexpr std::uint8_t kChecksumMode = 1;

}  // namespace

bool EndApply(ApplyResult result, Checksum when) {
    if (when == Checksum::Always || result != ApplyResult::Nothing) RecomputeChecksum();
    return NeedsRestart(result);
}

void RecomputeChecksum() {
    std::uint8_t ah = 0;
    CMOSChecksum(ah, kChecksumMode);
}

}  // namespace tlw
