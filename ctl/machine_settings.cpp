// Reading, checking and writing the settings through the pages' models.
#include "ctl/machine_settings.h"

#include <algorithm>

#include "bios/display_calls.h"
#include "bios/machine_facts.h"
#include "bios/shell_calls.h"
#include "dmi/identity_rows.h"
#include "pages/apply_order.h"
#include "pages/boot/boot_settings.h"
#include "pages/boot/post_settings.h"
#include "pages/info/asset_tag_entry.h"
#include "pages/info/identity_settings.h"

namespace tlw::ctl {
namespace {

const Change* Find(const ChangeSet& changes, SettingId id) {
    for (const Change& change : changes) {
        if (change.id == id) return &change;
    }
    return nullptr;
}

int PlaceOf(SettingId id) {
    const auto& settings = Settings();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        if (settings[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

Reading Known(const Value& value) { return Reading{true, value}; }

std::string RangeText(const LevelRange& range) {
    return "from " + std::to_string(range.minimum) + " to " + std::to_string(range.maximum);
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

bool SameDevices(std::vector<std::uint8_t> a, std::vector<std::uint8_t> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

}  // namespace

void Stage(ChangeSet& changes, const Change& change) {
    for (Change& staged : changes) {
        if (staged.id == change.id) {
            staged.value = change.value;
            return;
        }
    }
    const auto at = std::find_if(changes.begin(), changes.end(),
                                 [&](const Change& c) { return PlaceOf(c.id) > PlaceOf(change.id); });
    changes.insert(at, change);
}

void MachineSettings::Read() {
    readings_.clear();

    IdentitySettings identity;
    identity.Load();
    const std::string tag = dmi::TextOf(identity.identity().assetTag);
    // A tag is entered once only: not while the table could not be read at
    // all, since a tag may be there that nobody saw.
    tagWritable_ = identity.CanChangeTag() && !identity.rows().empty();
    // A tag is known when the table was read and reached the enclosure:
    // either it holds one, or the page would let one be entered.
    if (!identity.rows().empty() && (dmi::HasNonBlank(tag) || tagWritable_)) {
        Value value;
        value.text = tag;
        readings_[SettingId::AssetTag] = Known(value);
    }

    PostSettings post;
    post.Load();
    readings_[SettingId::FastBoot] = Known(NumberValue(post.simpleBoot() ? 1 : 0));
    readings_[SettingId::FanAlwaysOn] = Known(NumberValue(post.fanAlwaysOn() ? 1 : 0));

    BootSettings boot;
    boot.Load();
    listedDevices_.clear();
    for (int entry = 0; entry < boot.order().Count(); ++entry) listedDevices_.push_back(boot.order().CodeAt(entry));
    if (!listedDevices_.empty()) {
        Value value;
        value.codes = listedDevices_;
        readings_[SettingId::BootOrder] = Known(value);
    }
    hardDiskOffered_ = boot.OffersHardDisk();
    if (boot.HardDiskChoice() >= 0) readings_[SettingId::HddBoot] = Known(NumberValue(boot.HardDiskChoice() * 2));

    BootDisplaySettings bootDisplay;
    bootDisplay.Load();
    if (const auto code = bootDisplay.lastRead()) readings_[SettingId::BootDisplay] = Known(NumberValue(*code));

    DisplaySwitch display;
    if (auto device = display.Read()) readings_[SettingId::DisplayDevice] = Known(NumberValue(*device));

    PanelLevels levels;
    if (levels.ReadRanges()) levels.ReadPanelType();
    brightnessOffered_ = levels.Offered(PanelLevel::Brightness);
    contrastOffered_ = levels.Offered(PanelLevel::Contrast);
    brightnessRange_ = levels.range(PanelLevel::Brightness);
    contrastRange_ = levels.range(PanelLevel::Contrast);
    if (auto level = levels.Read(PanelLevel::Brightness)) readings_[SettingId::Brightness] = Known(NumberValue(*level));
    if (auto level = levels.Read(PanelLevel::Contrast)) readings_[SettingId::Contrast] = Known(NumberValue(*level));
}

const Reading& MachineSettings::Current(SettingId id) const {
    static const Reading unknown;
    const auto found = readings_.find(id);
    return found == readings_.end() ? unknown : found->second;
}

std::string MachineSettings::Check(SettingId id, const Value& value) {
    const SettingInfo& setting = InfoOf(id);
    if (setting.kind == ValueKind::Choice) {
        const bool listed = std::any_of(setting.choices.begin(), setting.choices.end(),
                                        [&](const ChoiceWord& c) { return c.code == value.number; });
        if (!listed) return "is not one of the codes the page lists";
    }
    switch (id) {
        case SettingId::AssetTag: {
            const Reading& now = Current(id);
            if (now.known && now.value.text == value.text) return "";
            if (!tagWritable_) {
                return "cannot be changed: the asset tag is entered once only, and this machine's is " +
                       std::string(now.known ? "set" : "unknown");
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
        case SettingId::BootOrder: {
            if (listedDevices_.empty()) return "cannot be set: the BIOS gave no boot order";
            if (!SameDevices(value.codes, listedDevices_)) {
                return "must list each of the boot devices once, no other: " +
                       std::to_string(listedDevices_.size()) + " devices are listed now";
            }
            return "";
        }
        case SettingId::HddBoot:
            return hardDiskOffered_ ? "" : "cannot be set: the page offers it only while drive 0x82 is a hard disk";
        case SettingId::DisplayDevice:
            if (NeedsMonitor(static_cast<std::uint8_t>(value.number)) && !CheckMonitorConnected()) {
                return "needs a connected monitor";
            }
            return "";
        case SettingId::Brightness:
            if (!brightnessOffered_) return "cannot be set: the BIOS reports no brightness range";
            if (!brightnessRange_.Contains(value.number)) {
                return "is outside the range the BIOS reports, " + RangeText(brightnessRange_);
            }
            return "";
        case SettingId::Contrast:
            if (!contrastOffered_) return "cannot be set: this panel has no contrast control";
            if (!contrastRange_.Contains(value.number)) {
                return "is outside the range the BIOS reports, " + RangeText(contrastRange_);
            }
            return "";
        default:
            return "";
    }
}

namespace {

// The changes of one page, written through its model as its Apply writes
// them; Nothing, and no request, when none of its settings changes.
ApplyResult WritePage(const PageRow& page, const ChangeSet& changes) {
    const auto change = [&](SettingId id) {
        const Change* found = Find(changes, id);
        return found && InfoOf(id).page == page.templateId ? found : nullptr;
    };
    ApplyResult result = ApplyResult::Nothing;
    if (const Change* tag = change(SettingId::AssetTag)) {
        IdentitySettings identity;
        identity.Load();
        identity.entry().newTag = tag->value.text;
        identity.entry().confirmation = tag->value.text;
        identity.TagEntered();
        result |= identity.Apply();
    }

    const Change* fastBoot = change(SettingId::FastBoot);
    const Change* fan = change(SettingId::FanAlwaysOn);
    if (fastBoot || fan) {
        PostSettings post;
        post.Load();
        if (fastBoot) post.ChooseSimpleBoot(fastBoot->value.number != 0);
        if (fan) post.ChooseFan(fan->value.number != 0);
        result |= post.Apply();
    }

    const Change* order = change(SettingId::BootOrder);
    const Change* hardDisk = change(SettingId::HddBoot);
    if (order || hardDisk) {
        BootSettings boot;
        boot.Load();
        if (order) {
            Arrange(boot.order(), order->value.codes);
            boot.ChangeOrder();
        }
        if (hardDisk) boot.ChooseHardDisk(hardDisk->value.number / 2);
        result |= boot.Apply();
    }

    if (const Change* bootDisplay = change(SettingId::BootDisplay)) {
        BootDisplaySettings display;
        display.Load();
        display.Choose(static_cast<std::uint8_t>(bootDisplay->value.number));
        result |= display.Apply();
    }
    if (const Change* device = change(SettingId::DisplayDevice)) {
        DisplaySwitch display;
        display.Read();
        display.Choose(static_cast<std::uint8_t>(device->value.number));
        result |= ApplyResult::Applied;
    }
    const Change* brightness = change(SettingId::Brightness);
    const Change* contrast = change(SettingId::Contrast);
    if (brightness || contrast) {
        PanelLevels levels;
        if (levels.ReadRanges()) levels.ReadPanelType();
        if (brightness) levels.Send(PanelLevel::Brightness, brightness->value.number);
        if (contrast) levels.Send(PanelLevel::Contrast, contrast->value.number);
        result |= ApplyResult::Applied;
    }
    return result;
}

// The writes of no page: the button actions, then the hotkey button.
ApplyResult WriteShell(const ChangeSet& changes) {
    ApplyResult result = ApplyResult::Nothing;
    constexpr SettingId kButtons[] = {SettingId::LidButtonAction, SettingId::PowerButtonAction,
                                      SettingId::SleepButtonAction};
    for (std::uint8_t button = 0; button < 3; ++button) {
        if (const Change* action = Find(changes, kButtons[button])) {
            SetPowerButtonAction(button, static_cast<std::uint8_t>(action->value.number));
            result |= ApplyResult::Applied;
        }
    }
    if (const Change* hotkey = Find(changes, SettingId::HotkeyButton)) {
        SetHotkeyButton(hotkey->value.number ? 1 : 0);
        result |= ApplyResult::Applied;
    }
    return result;
}

}  // namespace

bool WriteChanges(const ChangeSet& changes) {
    // The console writes nothing it was not asked to: no checksum without a write.
    return ApplyInPageOrder([&](std::size_t, const PageRow& page) { return WritePage(page, changes); },
                            [&] { return WriteShell(changes); }, Checksum::AfterWrites);
}

InfoRows InformationRows(const TextSource& texts, bool windows2000) {
    InfoRows rows = MachineRows(texts, MachineFactsInUse(), windows2000);
    IdentitySettings identity;
    identity.Load();
    for (const dmi::IdentityRow& row : identity.rows()) {
        rows.push_back({row.labelId ? texts.Text(row.labelId) : std::string(),
                        row.valueId ? texts.Text(row.valueId) : row.text});
    }
    return rows;
}

}  // namespace tlw::ctl
