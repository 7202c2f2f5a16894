// Reading the identity, and writing the asset tag.
#include "pages/info/identity_settings.h"

#include <string>

#include "bios/asset_tag_call.h"
#include "dmi/dmi_proxy.h"

namespace tlw {
namespace {

// What an apply writes before the new tag, so that none of a longer old tag
// outlives a shorter new one.
constexpr std::size_t kBlankTagLength = 31;

}  // namespace

void IdentitySettings::Load() {
    pending_ = false;
    rows_.clear();
    DmiTable table{};
    std::size_t count = 0;
    if (!ReadDmiTable(table, count)) return;
    const dmi::Walk walk = dmi::WalkIdentity(table.data(), count, identity_);
    rows_ = dmi::IdentityRows(identity_, walk.assetTag());
    if (dmi::HasNonBlank(dmi::TextOf(identity_.assetTag))) tagSeen_ = true;
    // A walk that could not see the enclosure locks the entry only until one
    // that could finds no tag there.
    canChangeTag_ = !tagSeen_ && walk.assetTag() == dmi::AssetTagState::Known;
}

ApplyResult IdentitySettings::Apply() {
    const bool write = pending_;
    pending_ = false;
    if (write) {
        // The BIOS reads the tag from the asset tag field itself; its answer is not looked at.
        dmi::SetText(identity_.assetTag, std::string(kBlankTagLength, ' '));
        SetAssetTag(identity_.assetTag.data());
        dmi::SetText(identity_.assetTag, entry_.newTag);
        SetAssetTag(identity_.assetTag.data());
    }
    entry_.ClearTexts();
    return write ? ApplyResult::Applied : ApplyResult::Nothing;
}

void IdentitySettings::RestorePrevious() {
    pending_ = false;
    entry_.ClearTexts();
}

}  // namespace tlw
