// What a model publishes about the settings it holds, so that the console
// tool reads, checks and writes each one through the model that the page
// uses: its stable name, the kind of value, the words of its codes, the rule
// a value must pass and how a value is put into the model. A model's table
// (its static Described()) lives in a file of its own, `<model>_table.cpp`,
// which only the console tool's link pulls in: tlw.exe, which never asks for
// it, does not carry it. No windows.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/page_table.h"
#include "pages/settings_model.h"

namespace tlw {

enum class SettingKind {
    OnOff,   // a box: on or off (1 or 0)
    Choice,  // one of a few codes, each with its word
    Level,   // a number within the range the BIOS reports
    List,    // the boot order: device codes, top first
    Text,    // the asset tag
};

// One code of a Choice and the string id of its word (0: a word of no page,
// given in `word`).
struct ChoiceWord {
    std::uint8_t code;
    unsigned textId;
    const char* word;
};

// A setting's value. `number` holds OnOff (0 or 1), Choice and Level values;
// `codes` the boot order; `text` the asset tag.
struct SettingValue {
    int number = 0;
    std::vector<std::uint8_t> codes;
    std::string text;

    bool operator==(const SettingValue& other) const {
        return number == other.number && codes == other.codes && text == other.text;
    }
    bool operator!=(const SettingValue& other) const { return !(*this == other); }
};

template <typename Model>
struct SettingDescription {
    // Lower case, never changed: files and scripts name the setting by it.
    const char* name;
    SettingKind kind;
    // The string id of the label the page shows beside it; 0: `label`.
    unsigned labelId;
    const char* label;
    Items<ChoiceWord> choices;
    // The value the loaded model holds; false when it holds none (the BIOS
    // refused the read, or the page would not offer the setting). Null when
    // the BIOS has no call that reads it: it is written, never shown.
    bool (*read)(const Model& model, SettingValue& value);
    // Empty when the loaded model's rule allows `value`, else why not, in
    // words. May ask the BIOS, never writes. Null: every value of its kind
    // (and, for a Choice, every listed code) is allowed.
    std::string (*check)(const Model& model, const SettingValue& value);
    // Puts a checked `value` into the loaded model as the page's control
    // would; the model's apply writes it (a setting that acts at once is
    // written here).
    void (*stage)(Model& model, const SettingValue& value);
};

template <typename Model>
struct SettingTable {
    // The template of the page that shows the settings (pages/page_table.h);
    // 0 for settings of no page, written after the pages.
    unsigned page;
    // Reads what the model holds, as its page does when first shown.
    void (*load)(Model& model);
    // Writes what was staged.
    ApplyResult (*apply)(Model& model);
    Items<SettingDescription<Model>> settings;
};

}  // namespace tlw
