// Combining apply results.
#include "pages/settings_model.h"

namespace tlw {

ApplyResult operator|(ApplyResult a, ApplyResult b) { return a < b ? b : a; }

ApplyResult& operator|=(ApplyResult& a, ApplyResult b) { return a = a | b; }

bool NeedsRestart(ApplyResult result) { return result == ApplyResult::AppliedNeedsRestart; }

}  // namespace tlw
