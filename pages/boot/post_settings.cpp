// The POST page's model over the boot options and fan calls.
#include "pages/boot/post_settings.h"

#include "bios/boot_calls.h"

namespace tlw {

PostSettings::PostSettings()
    : pendingSimpleBoot_([](std::uint8_t on) { EnableSimpleBoot(on != 0); }, Effect::AfterRestart),
      pendingFastPost_([](std::uint8_t on) { EnableFastPOST(on != 0); }, Effect::AfterRestart) {}

void PostSettings::Load() {
    // A read that fails leaves its box as it was.
    std::uint8_t on = 0;
    if (GetFanStatus(on)) fan_ = on != 0;
    if (GetSimpleBoot(on)) simpleBoot_ = on != 0;
    if (GetFastPOST(on)) fastPost_ = on != 0;
    pendingSimpleBoot_.Drop();
    pendingFastPost_.Drop();
}

void PostSettings::ChooseSimpleBoot(bool on) {
    simpleBoot_ = on;
    pendingSimpleBoot_.Choose(on ? 1 : 0);
}

void PostSettings::ChooseFastPost(bool on) {
    fastPost_ = on;
    pendingFastPost_.Choose(on ? 1 : 0);
}

ApplyResult PostSettings::Apply() {
    EnableFan(fan_);
    fanAppliedOn_ = fan_;
    ApplyResult result = ApplyResult::Applied;
    result |= pendingSimpleBoot_.Apply();
    result |= pendingFastPost_.Apply();
    return result;
}

void PostSettings::RestorePrevious() {
    pendingSimpleBoot_.Restore();
    pendingFastPost_.Restore();
    if (fanAppliedOn_) EnableFan(true);
    fanAppliedOn_ = false;
}

}  // namespace tlw
