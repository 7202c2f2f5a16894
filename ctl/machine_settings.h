// The settings as the BIOS holds them, read and written through the pages'
// own models, so that each setting means here what it means on its page:
// what each holds now, what the BIOS allows, the writes in the sheet's order
// with the checksum after them, and the information rows. No windows.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ctl/setting_names.h"
#include "pages/info/info_probes.h"

namespace tlw::ctl {

// One setting as read: `known` is false when the BIOS has no call that reads
// it or refused the read (or the page would not offer it).
struct Reading {
    bool known = false;
    Value value;
};

// One change to write: a setting and its new value.
struct Change {
    SettingId id;
    Value value;
};
// At most one change per setting, in the order of Settings().
using ChangeSet = std::vector<Change>;

// Puts `change` into `changes` at its setting's place, replacing an earlier
// change of the same setting.
void Stage(ChangeSet& changes, const Change& change);

class MachineSettings {
public:
    // Loads every model, as its page does when first shown, and reads every
    // readable setting from it.
    void Read();

    const Reading& Current(SettingId id) const;

    // Empty when the BIOS allows `value` for the setting, by its model's rule
    // as last read; else why not, in words. May ask the BIOS (whether a
    // monitor is connected), never writes.
    std::string Check(SettingId id, const Value& value);

private:
    std::vector<std::unique_ptr<ModelSettings>> models_;
    std::vector<Reading> readings_;
};

// Writes `changes` as the sheet writes them: the pages in their order, each
// model with a change loaded, given its changes and applied, then the
// shell's settings, then the CMOS checksum. True when a written setting takes effect only at the next boot.
bool WriteChanges(const ChangeSet& changes);

// Every row of the information page, label and value, in the page's order:
// the machine rows, then the identity rows.
InfoRows InformationRows(const TextSource& texts, bool windows2000);

}  // namespace tlw::ctl
