// The boot sequence page's settings as the console tool reads, checks and
// writes them.
#include "pages/boot/boot_settings.h"

#include <algorithm>
#include <string>
#include <vector>

#include "pages/setting_description.h"
#include "res/resource.h"

namespace tlw {
namespace {

std::vector<std::uint8_t> Listed(const BootOrder& order) {
    std::vector<std::uint8_t> codes;
    for (int entry = 0; entry < order.Count(); ++entry) codes.push_back(order.CodeAt(entry));
    return codes;
}

// Moves the listed entries of `order` into the order of `codes`, by the drag
// list's own drop rule: each wanted entry is dropped before the entry at its
// place, from the top down.
void Arrange(BootOrder& order, const std::vector<std::uint8_t>& codes) {
    for (int place = 0; place < order.Count() && place < static_cast<int>(codes.size()); ++place) {
        for (int entry = place + 1; entry < order.Count(); ++entry) {
            if (order.CodeAt(place) == codes[place]) break;
            if (order.CodeAt(entry) == codes[place]) {
                order.Drop(entry, place);
                break;
            }
        }
    }
}

std::string CheckOrder(const BootSettings& boot, const SettingValue& value) {
    std::vector<std::uint8_t> listed = Listed(boot.order());
    if (listed.empty()) return "cannot be set: the BIOS gave no boot order";
    std::vector<std::uint8_t> wanted = value.codes;
    std::sort(listed.begin(), listed.end());
    std::sort(wanted.begin(), wanted.end());
    if (wanted != listed) {
        return "must list each of the boot devices once, no other: " + std::to_string(listed.size()) +
               " devices are listed now";
    }
    return "";
}

}  // namespace

const SettingTable<BootSettings>& BootSettings::Described() {
    using Row = SettingDescription<BootSettings>;
    static const ChoiceWord hardDisks[] = {{0, IDS_PRIMARY_HDD, ""}, {2, IDS_SECONDARY_HDD, ""}};
    static const Row rows[] = {
        {"boot_order", SettingKind::List, IDS_PAGE_BOOT_SEQUENCE, "", {},
         [](const BootSettings& m, SettingValue& v) {
             v.codes = Listed(m.order());
             return !v.codes.empty();
         },
         CheckOrder,
         [](BootSettings& m, const SettingValue& v) {
             Arrange(m.order(), v.codes);
             m.ChangeOrder();
         }},
        {"hdd_boot", SettingKind::Choice, IDS_HDD_BOOT_GROUP, "", hardDisks,
         [](const BootSettings& m, SettingValue& v) {
             v.number = m.HardDiskChoice() * 2;
             return m.HardDiskChoice() >= 0;
         },
         [](const BootSettings& m, const SettingValue&) {
             return std::string(m.OffersHardDisk() ? ""
                                                   : "cannot be set: the page offers it only while drive 0x82 is a "
                                                     "hard disk");
         },
         [](BootSettings& m, const SettingValue& v) { m.ChooseHardDisk(v.number / 2); }},
    };
    static const SettingTable<BootSettings> table = {
        IDD_BOOT_PAGE, [](BootSettings& m) { m.Load(); }, [](BootSettings& m) { return m.Apply(); }, rows};
    return table;
}

}  // namespace tlw
