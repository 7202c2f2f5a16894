// The settings tlwctl reads and writes: every setting the page models and
// the shell's settings publish (pages/setting_description.h), walked in the
// order the sheet writes them, and how a value is read from a word or a code
// and written back as a word. No windows.h: the texts come through a
// TextSource.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "pages/info/info_probes.h"
#include "pages/setting_description.h"

namespace tlw::ctl {

// A setting's place in Settings().
using SettingId = std::size_t;
using ValueKind = SettingKind;
using Value = SettingValue;

struct SettingInfo {
    SettingId id;
    const char* name;
    // The template of the page that shows it (pages/page_table.h); 0 for the
    // settings of no page, the button actions and the hotkey button.
    unsigned page;
    ValueKind kind;
    // The string id of the label the pages show beside it; 0: `label`.
    unsigned labelId;
    const char* label;
    // False for the settings the BIOS has no call to read: they are written,
    // never shown, exported or read back.
    bool readable;
    Items<ChoiceWord> choices;
    // The model that holds it (MakeModel) and its row in that model's table.
    std::size_t model;
    std::size_t row;
};

// One model that publishes settings, made afresh and driven through its table.
class ModelSettings {
public:
    virtual ~ModelSettings() = default;
    virtual void Load() = 0;
    // False when the model holds no value for the setting, or cannot read it.
    virtual bool Read(std::size_t row, Value& value) const = 0;
    virtual std::string Check(std::size_t row, const Value& value) const = 0;
    virtual void Stage(std::size_t row, const Value& value) = 0;
    virtual ApplyResult Apply() = 0;
};

// The models, in the order the sheet writes them: the pages' in the page
// table's order, then the shell's.
std::size_t ModelCount();
std::unique_ptr<ModelSettings> MakeModel(std::size_t model);

// Every setting, model by model.
const std::vector<SettingInfo>& Settings();
// The setting named `name`, in any case (the list's names are lower case);
// null when none. The state file's name of the boot order, boot_sequence,
// names it too, so that a line copied from there is understood.
const SettingInfo* FindSetting(const std::string& name);
const SettingInfo& InfoOf(SettingId id);

Value NumberValue(int number);

// The value `text` names for `setting`: a word the pages use (any case), or
// a code. False, with `error` saying what was wanted, when it names none.
// Whether the BIOS allows the value is not judged here.
bool ParseValue(const SettingInfo& setting, const std::string& text, const TextSource& texts, Value& value,
                std::string& error);

// The value in words (a code where its word is empty): what show, get and
// export print, and what ParseValue reads back to the same value.
std::string FormatValue(const SettingInfo& setting, const Value& value, const TextSource& texts);

// The label the pages show for the setting.
std::string LabelOf(const SettingInfo& setting, const TextSource& texts);

// A boot device's word; its code in decimal when the page lists it without one.
std::string DeviceWord(std::uint8_t code, const TextSource& texts);

// `text` without blanks at either end.
std::string Trimmed(const std::string& text);

}  // namespace tlw::ctl
