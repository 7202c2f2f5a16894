// Reading, checking and writing the settings through the models' tables.
#include "ctl/machine_settings.h"

#include <algorithm>

#include "bios/machine_facts.h"
#include "dmi/identity_rows.h"
#include "pages/apply_order.h"
#include "pages/info/identity_settings.h"

namespace tlw::ctl {
namespace {

// The changes of the settings shown on page `page` (0: of no page), each
// model with one loaded, given its changes and applied; Nothing, and no
// request, when none of them changes.
ApplyResult WriteModels(unsigned page, const ChangeSet& changes) {
    ApplyResult result = ApplyResult::Nothing;
    for (std::size_t model = 0; model < ModelCount(); ++model) {
        std::unique_ptr<ModelSettings> written;
        for (const Change& change : changes) {
            const SettingInfo& setting = InfoOf(change.id);
            if (setting.model != model || setting.page != page) continue;
            if (!written) {
                written = MakeModel(model);
                written->Load();
            }
            written->Stage(setting.row, change.value);
        }
        if (written) result |= written->Apply();
    }
    return result;
}

}  // namespace

void Stage(ChangeSet& changes, const Change& change) {
    for (Change& staged : changes) {
        if (staged.id == change.id) {
            staged.value = change.value;
            return;
        }
    }
    // Ids are places in the write order.
    const auto at =
        std::find_if(changes.begin(), changes.end(), [&](const Change& c) { return c.id > change.id; });
    changes.insert(at, change);
}

void MachineSettings::Read() {
    models_.clear();
    readings_.assign(Settings().size(), Reading());
    for (std::size_t model = 0; model < ModelCount(); ++model) {
        models_.push_back(MakeModel(model));
        models_.back()->Load();
        for (const SettingInfo& setting : Settings()) {
            if (setting.model != model) continue;
            Reading& reading = readings_[setting.id];
            reading.known = models_.back()->Read(setting.row, reading.value);
            if (!reading.known) reading.value = Value();
        }
    }
}

const Reading& MachineSettings::Current(SettingId id) const {
    static const Reading unknown;
    return id < readings_.size() ? readings_[id] : unknown;
}

std::string MachineSettings::Check(SettingId id, const Value& value) {
    const SettingInfo& setting = InfoOf(id);
    if (setting.kind == ValueKind::Choice) {
        const bool listed = std::any_of(setting.choices.begin(), setting.choices.end(),
                                        [&](const ChoiceWord& c) { return c.code == value.number; });
        if (!listed) return "is not one of the codes the page lists";
    }
    return setting.model < models_.size() ? models_[setting.model]->Check(setting.row, value) : std::string();
}

bool WriteChanges(const ChangeSet& changes) {
    // The console writes nothing it was not asked to: no checksum without a write.
    return ApplyInPageOrder([&](std::size_t, const PageRow& page) { return WriteModels(page.templateId, changes); },
                            [&] { return WriteModels(0, changes); }, Checksum::AfterWrites);
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
