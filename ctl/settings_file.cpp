// Writing and reading the settings file.
#include "ctl/settings_file.h"

#include <set>

#include "sim/state_file.h"
#include "sim/state_keys.h"

namespace tlw::ctl {
namespace {

// The state file's own text rule, lent by its key visitor.
class TagText : public sim::StateKeys {
public:
    explicit TagText(const std::string* toParse) : toParse_(toParse) {}
    std::string written;
    bool parsed = false;

protected:
    void Visit(const char*, const char*, const std::string& text, const std::string&,
               const std::function<bool(const std::string&)>& parse) override {
        written = text;
        if (toParse_) parsed = parse(*toParse_);
    }

private:
    const std::string* toParse_;
};

}  // namespace

std::string QuotedTag(const std::string& tag) {
    std::string value = tag;
    TagText keys(nullptr);
    keys.Text("asset_tag", value, "");
    return keys.written;
}

bool UnquotedTag(const std::string& text, std::string& tag) {
    std::string value;
    TagText keys(&text);
    keys.Text("asset_tag", value, "");
    if (keys.parsed) tag = value;
    return keys.parsed;
}

std::string ExportText(const MachineSettings& machine, const TextSource& texts) {
    std::string text = "# BIOS settings written by tlwctl export; tlwctl import applies them again.\n";
    for (const SettingInfo& setting : Settings()) {
        const Reading& reading = machine.Current(setting.id);
        if (!setting.readable || !reading.known) continue;
        const std::string value = setting.kind == ValueKind::Text ? QuotedTag(reading.value.text)
                                                                  : FormatValue(setting, reading.value, texts);
        text += std::string(setting.name) + " = " + value + "\n";
    }
    return text;
}

bool ParseSettingsText(const std::string& text, const TextSource& texts, ChangeSet& values, std::string& error) {
    // The byte order mark an editor may write at the start of a UTF-8 file is no part of the first name.
    const std::string mark = "\xEF\xBB\xBF";
    sim::StateFile file;
    if (!file.Parse(text.compare(0, mark.size(), mark) == 0 ? text.substr(mark.size()) : text, error)) return false;
    std::set<SettingId> named;
    for (const sim::StateLine& line : file.lines()) {
        if (line.key.empty()) continue;
        const std::string where = "line " + std::to_string(line.number) + ": ";
        const SettingInfo* setting = FindSetting(line.key);
        if (!setting) {
            error = where + "no setting is named \"" + line.key + "\"";
            return false;
        }
        if (!named.insert(setting->id).second) {
            error = where + line.key + " is given again";
            return false;
        }
        Value value;
        std::string why;
        if (setting->kind == ValueKind::Text) {
            if (!UnquotedTag(line.value, value.text)) {
                error = where + line.key + " wants a text, bare or in double quotes, found " + line.value;
                return false;
            }
        } else if (!ParseValue(*setting, line.value, texts, value, why)) {
            error = where + line.key + " " + why + ", found \"" + line.value + "\"";
            return false;
        }
        Stage(values, Change{setting->id, value});
    }
    return true;
}

}  // namespace tlw::ctl
