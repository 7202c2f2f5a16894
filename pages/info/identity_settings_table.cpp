// The information page's one setting, the asset tag, as the console tool
// reads, checks and writes it.
#include "pages/info/identity_settings.h"

#include <string>

#include "dmi/identity_rows.h"
#include "pages/setting_description.h"
#include "res/resource.h"

namespace tlw {
namespace {

// A tag is entered once only: not while the table could not be read at all,
// since a tag may be there that nobody saw.
bool TagWritable(const IdentitySettings& identity) { return identity.CanChangeTag() && !identity.rows().empty(); }

// A tag is known when the table was read and reached the enclosure: either it
// holds one, or the page would let one be entered.
bool ReadTag(const IdentitySettings& identity, SettingValue& value) {
    value.text = dmi::TextOf(identity.identity().assetTag);
    return !identity.rows().empty() && (dmi::HasNonBlank(value.text) || TagWritable(identity));
}

std::string CheckTag(const IdentitySettings& identity, const SettingValue& value) {
    SettingValue now;
    const bool known = ReadTag(identity, now);
    if (known && now.text == value.text) return "";
    if (!TagWritable(identity)) {
        return "cannot be changed: the asset tag is entered once only, and this machine's is " +
               std::string(known ? "set" : "unknown");
    }
    if (value.text.empty()) return "is empty";
    if (value.text.size() > AssetTagEntry::kMostCharacters) {
        return "is longer than " + std::to_string(AssetTagEntry::kMostCharacters) + " characters";
    }
    for (char c : value.text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return "holds a control character";
    }
    return "";
}

}  // namespace

const SettingTable<IdentitySettings>& IdentitySettings::Described() {
    static const SettingDescription<IdentitySettings> rows[] = {
        {"asset_tag", SettingKind::Text, IDS_DMI_ASSET_TAG, "", {}, ReadTag, CheckTag,
         [](IdentitySettings& m, const SettingValue& v) {
             m.entry().newTag = v.text;
             m.entry().confirmation = v.text;
             m.TagEntered();
         }},
    };
    static const SettingTable<IdentitySettings> table = {
        IDD_INFO_PAGE, [](IdentitySettings& m) { m.Load(); }, [](IdentitySettings& m) { return m.Apply(); }, rows};
    return table;
}

}  // namespace tlw
