// The settings' names, kinds and words, gathered from the models' tables.
#include "ctl/setting_names.h"

#include "bios/boot_calls.h"
#include "pages/boot/boot_order.h"
#include "pages/boot/boot_settings.h"
#include "pages/boot/post_settings.h"
#include "pages/display/display_settings.h"
#include "pages/info/identity_settings.h"
#include "pages/shell_settings.h"
#include "res/resource.h"
#include "sim/state_keys.h"

namespace tlw::ctl {
namespace {

// A model of type `Model` driven through the table it publishes.
template <typename Model>
class Described final : public ModelSettings {
public:
    void Load() override { Table().load(model_); }
    bool Read(std::size_t row, Value& value) const override {
        const auto read = Table().settings[row].read;
        return read && read(model_, value);
    }
    std::string Check(std::size_t row, const Value& value) const override {
        const auto check = Table().settings[row].check;
        return check ? check(model_, value) : std::string();
    }
    void Stage(std::size_t row, const Value& value) override { Table().settings[row].stage(model_, value); }
    ApplyResult Apply() override { return Table().apply(model_); }

    static const SettingTable<Model>& Table() { return Model::Described(); }
    static std::unique_ptr<ModelSettings> Make() { return std::make_unique<Described>(); }
    static void List(std::size_t model, std::vector<SettingInfo>& settings) {
        std::size_t row = 0;
        for (const SettingDescription<Model>& s : Table().settings) {
            settings.push_back({settings.size(), s.name, Table().page, s.kind, s.labelId, s.label, s.read != nullptr,
                                s.choices, model, row++});
        }
    }

private:
    Model model_;
};

struct ModelRow {
    std::unique_ptr<ModelSettings> (*make)();
    void (*list)(std::size_t model, std::vector<SettingInfo>& settings);
};

template <typename Model>
constexpr ModelRow RowOf() {
    return {&Described<Model>::Make, &Described<Model>::List};
}

// The models in the sheet's write order: the pages' in the page table's order
// (a page's several in the order the page writes them), then the shell's.
constexpr ModelRow kModels[] = {
    RowOf<IdentitySettings>(), RowOf<PostSettings>(), RowOf<BootSettings>(),
    RowOf<BootDisplaySettings>(), RowOf<DisplayInUse>(), RowOf<PanelLevels>(),
    RowOf<ShellSettings>(),
};

// ASCII only: the pages' words are, and a byte of another code page is left as it is.
std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool SameWord(const std::string& a, const std::string& b) { return !a.empty() && Lower(Trimmed(a)) == Lower(Trimmed(b)); }

std::string WordOf(const ChoiceWord& choice, const TextSource& texts) {
    return choice.textId ? texts.Text(choice.textId) : std::string(choice.word);
}

bool ParseCode(const std::string& text, unsigned long max, unsigned long& code) {
    return sim::StateKeys::ParseNumber(Trimmed(text), max, code);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

bool ParseDevice(const std::string& item, const TextSource& texts, std::uint8_t& code) {
    unsigned long number = 0;
    if (ParseCode(item, kBootListEnd - 1, number)) {
        code = static_cast<std::uint8_t>(number);
        return true;
    }
    for (unsigned c = 0; c < kBootListEnd; ++c) {
        const unsigned id = BootDeviceTextId(static_cast<std::uint8_t>(c));
        if (id == 0) continue;
        if (SameWord(item, texts.Text(id))) {
            code = static_cast<std::uint8_t>(c);
            return true;
        }
    }
    return false;
}

}  // namespace

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::size_t ModelCount() { return sizeof kModels / sizeof kModels[0]; }

std::unique_ptr<ModelSettings> MakeModel(std::size_t model) { return kModels[model].make(); }

const std::vector<SettingInfo>& Settings() {
    static const std::vector<SettingInfo> settings = [] {
        std::vector<SettingInfo> all;
        for (std::size_t model = 0; model < ModelCount(); ++model) kModels[model].list(model, all);
        return all;
    }();
    return settings;
}

const SettingInfo* FindSetting(const std::string& name) {
    const std::string lower = Lower(name);
    if (lower == "boot_sequence") return FindSetting("boot_order");
    for (const SettingInfo& setting : Settings()) {
        if (lower == setting.name) return &setting;
    }
    return nullptr;
}

const SettingInfo& InfoOf(SettingId id) { return Settings().at(id); }

Value NumberValue(int number) {
    Value value;
    value.number = number;
    return value;
}

std::string LabelOf(const SettingInfo& setting, const TextSource& texts) {
    return setting.labelId ? texts.Text(setting.labelId) : std::string(setting.label);
}

std::string DeviceWord(std::uint8_t code, const TextSource& texts) {
    const unsigned id = BootDeviceTextId(code);
    const std::string word = id ? texts.Text(id) : std::string();
    return word.empty() ? std::to_string(code) : word;
}

bool ParseValue(const SettingInfo& setting, const std::string& text, const TextSource& texts, Value& value,
                std::string& error) {
    const std::string given = Trimmed(text);
    value = Value();
    switch (setting.kind) {
        case ValueKind::OnOff:
            if (SameWord(given, "on") || given == "1" || SameWord(given, texts.Text(IDS_ENABLED))) {
                value.number = 1;
                return true;
            }
            if (SameWord(given, "off") || given == "0" || SameWord(given, texts.Text(IDS_DISABLED))) return true;
            error = "wants on or off (1 or 0)";
            return false;
        case ValueKind::Choice: {
            unsigned long code = 0;
            std::string wanted;
            for (const ChoiceWord& choice : setting.choices) {
                const std::string word = WordOf(choice, texts);
                if (SameWord(given, word) || (ParseCode(given, 0xFF, code) && code == choice.code)) {
                    value.number = choice.code;
                    return true;
                }
                wanted += (wanted.empty() ? "" : ", ") + std::string("\"") + word + "\" (" +
                          std::to_string(choice.code) + ")";
            }
            error = "wants one of " + wanted;
            return false;
        }
        case ValueKind::Level: {
            unsigned long level = 0;
            if (!ParseCode(given, 0xFF, level)) {
                error = "wants a level from 0 to 255";
                return false;
            }
            value.number = static_cast<int>(level);
            return true;
        }
        case ValueKind::List:
            if (!given.empty()) {
                for (const std::string& item : Split(given, ',')) {
                    std::uint8_t code = 0;
                    if (!ParseDevice(item, texts, code)) {
                        error = "names no boot device: \"" + Trimmed(item) + "\" (a device's words or its code, "
                                "devices separated by commas)";
                        return false;
                    }
                    value.codes.push_back(code);
                }
            }
            if (value.codes.empty() || value.codes.size() > kBootListSize) {
                error = "wants 1 to " + std::to_string(kBootListSize) + " boot devices separated by commas";
                return false;
            }
            return true;
        case ValueKind::Text:
            // Blanks are part of a tag; the caller has cut what is not.
            value.text = text;
            return true;
    }
    return false;
}

std::string FormatValue(const SettingInfo& setting, const Value& value, const TextSource& texts) {
    switch (setting.kind) {
        case ValueKind::OnOff:
            return value.number ? "on" : "off";
        case ValueKind::Choice:
            for (const ChoiceWord& choice : setting.choices) {
                if (choice.code == value.number) return WordOf(choice, texts);
            }
            return std::to_string(value.number);
        case ValueKind::Level:
            return std::to_string(value.number);
        case ValueKind::List: {
            std::string list;
            for (std::uint8_t code : value.codes) list += (list.empty() ? "" : ", ") + DeviceWord(code, texts);
            return list;
        }
        case ValueKind::Text:
            return value.text;
    }
    return "";
}

}  // namespace tlw::ctl
