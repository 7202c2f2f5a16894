// The settings tlwctl reads and writes, by their stable names: what kind of
// value each holds, the words the pages show for its codes, and how a value
// is read from a word or a code and written back as a word. No windows.h:
// the texts come through a TextSource.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/info/info_probes.h"

namespace tlw::ctl {

enum class SettingId {
    AssetTag,
    FastBoot,
    FanAlwaysOn,
    BootOrder,
    HddBoot,
    BootDisplay,
    DisplayDevice,
    Brightness,
    Contrast,
    LidButtonAction,
    PowerButtonAction,
    SleepButtonAction,
    HotkeyButton,
};

enum class ValueKind {
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
    std::vector<ChoiceWord> choices;
};

// Every setting, in the order the sheet writes them: the information page's
// asset tag, the POST page, the boot sequence page, the display page, then
// the shell's button actions and hotkey button.
const std::vector<SettingInfo>& Settings();
// The setting named `name`, in any case (the list's names are lower case);
// null when none. The state file's name of the boot order, boot_sequence,
// names it too, so that a line copied from there is understood.
const SettingInfo* FindSetting(const std::string& name);
const SettingInfo& InfoOf(SettingId id);

// A setting's value. `number` holds OnOff (0 or 1), Choice and Level values;
// `codes` the boot order; `text` the asset tag.
struct Value {
    int number = 0;
    std::vector<std::uint8_t> codes;
    std::string text;

    bool operator==(const Value& other) const {
        return number == other.number && codes == other.codes && text == other.text;
    }
    bool operator!=(const Value& other) const { return !(*this == other); }
};

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
