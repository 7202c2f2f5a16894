// tlwctl's commands over the BIOS channel.
#include "ctl/commands.h"

#include <map>

#include "bios/bios_channel.h"
#include "bios/shell_calls.h"
#include "bios/wipe.h"
#include "controls/password_keys.h"
#include "ctl/json_text.h"
#include "ctl/machine_settings.h"
#include "ctl/settings_file.h"
#include "pages/page_table.h"
#include "pages/password/password_settings.h"
#include "res/resource.h"
#include "sim/file_system.h"
#include "sim/notebook_paths.h"
#include "sim/simulated_driver.h"

namespace tlw::ctl {
namespace {

constexpr int kPasswordTries = 3;
constexpr std::uint8_t kCheckPassword = 3;

// A value as read, for the console: a text's control characters escaped.
std::string Shown(const SettingInfo& setting, const Reading& reading, const TextSource& texts) {
    return reading.known ? EscapedControls(FormatValue(setting, reading.value, texts)) : "unknown";
}

int Gate(Console& console, const TextSource& texts) {
    std::uint8_t ah = 0;
    if (!AskSetupPasswd(ah)) return kDone;
    console.Err(texts.Text(IDS_PASSWORD_PROMPT) + "\n");
    for (int attempt = 0; attempt < kPasswordTries; ++attempt) {
        console.Err(texts.Text(IDS_PASSWORD_LABEL) + ": ");
        std::string line;
        if (!console.ReadSecretLine(line)) {
            console.Err("\nNo password was given; nothing was read or written.\n");
            return kPasswordRequired;
        }
        const PasswordRecord typed = RecordOfLine(line, console);
        if (!line.empty()) WipeBytes(&line[0], line.size());
        // The BIOS judges every entry, an empty one too.
        if (SetChkSetupPasswd(ah, kCheckPassword, typed.codes, static_cast<std::uint16_t>(typed.length))) {
            return kDone;
        }
        console.Err(texts.Text(IDS_INVALID_PASSWORD) + "\n");
    }
    console.Err(texts.Text(IDS_PASSWORD_TOO_MANY_FAILURES) + "\n");
    return kPasswordRequired;
}

// Whether each password is set, as the password page's dialogs open with it;
// the BIOS never gives a password back.
struct PasswordStates {
    bool powerOn = false;
    bool setup = false;
};

std::string JsonValue(const SettingInfo& setting, const Reading& reading, const TextSource& texts) {
    if (!reading.known) return "null";
    switch (setting.kind) {
        case ValueKind::OnOff: return reading.value.number ? "true" : "false";
        case ValueKind::Level: return std::to_string(reading.value.number);
        case ValueKind::List: {
            std::string list = "[";
            for (std::size_t i = 0; i < reading.value.codes.size(); ++i) {
                list += (i ? ", " : "") + JsonString(DeviceWord(reading.value.codes[i], texts));
            }
            return list + "]";
        }
        default: return JsonString(FormatValue(setting, reading.value, texts));
    }
}

std::string ShowJson(const InfoRows& rows, const MachineSettings& machine, PasswordStates passwords,
                     const TextSource& texts) {
    std::string out = "{\n  \"information\": [";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out += std::string(i ? "," : "") + "\n    {\"label\": " + JsonString(rows[i].label) +
               ", \"value\": " + JsonString(rows[i].value) + "}";
    }
    out += "\n  ],\n  \"settings\": {";
    bool first = true;
    for (const SettingInfo& setting : Settings()) {
        if (!setting.readable) continue;
        out += std::string(first ? "" : ",") + "\n    " + JsonString(setting.name) + ": " +
               JsonValue(setting, machine.Current(setting.id), texts);
        first = false;
    }
    return out + "\n  },\n  \"passwords\": {\"power_on\": " + (passwords.powerOn ? "true" : "false") +
           ", \"setup\": " + (passwords.setup ? "true" : "false") + "}\n}\n";
}

std::string ShowText(const InfoRows& rows, const MachineSettings& machine, PasswordStates passwords,
                     const TextSource& texts) {
    const auto enabled = [&](bool on) { return texts.Text(on ? IDS_ENABLED : IDS_DISABLED); };
    // One section per page, in the sheet's order; the information page's
    // rows open the first.
    std::string out;
    for (const PageRow& page : PageTable()) {
        out += (out.empty() ? "[" : "\n[") + texts.Text(page.captionId) + "]\n";
        if (page.templateId == IDD_INFO_PAGE) {
            // The rows hold the DMI table's strings, whatever bytes the BIOS put there.
            for (const InfoRow& row : rows) {
                const std::string value = EscapedControls(row.value);
                out += row.label.empty() ? "  " + value + "\n" : EscapedControls(row.label) + ": " + value + "\n";
            }
        }
        if (page.templateId == IDD_PASSWORD_PAGE) {
            // What the page's dialogs open with: whether each password is set.
            out += texts.Text(IDS_POWER_ON_PASSWORD_GROUP) + ": " + enabled(passwords.powerOn) + "\n" +
                   texts.Text(IDS_SETUP_PASSWORD_GROUP) + ": " + enabled(passwords.setup) + "\n";
        }
        for (const SettingInfo& setting : Settings()) {
            if (setting.page != page.templateId) continue;
            out += setting.name + std::string(" (") + LabelOf(setting, texts) +
                   "): " + Shown(setting, machine.Current(setting.id), texts) + "\n";
        }
    }
    return out;
}

int Show(Console& console, const TextSource& texts, bool windows2000, bool json) {
    const InfoRows rows = InformationRows(texts, windows2000);
    MachineSettings machine;
    machine.Read();
    PasswordSettings settings;
    settings.Load();
    PasswordStates passwords;
    passwords.powerOn = settings.record(Password::PowerOn).enabled != 0;
    passwords.setup = settings.record(Password::Setup).enabled != 0;
    console.Out(json ? ShowJson(rows, machine, passwords, texts) : ShowText(rows, machine, passwords, texts));
    return kDone;
}

int Get(const std::string& name, Console& console, const TextSource& texts) {
    const SettingInfo* setting = FindSetting(name);
    if (!setting) {
        console.Err("No setting is named \"" + name + "\".\n");
        return kBadInput;
    }
    if (!setting->readable) {
        console.Err(name + " cannot be read: the BIOS has no call that reads it; it can only be set.\n");
        return kBadInput;
    }
    MachineSettings machine;
    machine.Read();
    console.Out(Shown(*setting, machine.Current(setting->id), texts) + "\n");
    return kDone;
}

// Checks, shows and (unless `dryRun`) writes the values in `wanted` that
// differ from the machine's, then reads every written one back.
int Apply(const ChangeSet& wanted, bool dryRun, Console& console, const TextSource& texts) {
    MachineSettings machine;
    machine.Read();
    ChangeSet changes;
    std::string refusals;
    for (const Change& change : wanted) {
        const SettingInfo& setting = InfoOf(change.id);
        const Reading& now = machine.Current(change.id);
        if (now.known && now.value == change.value) continue;
        const std::string why = machine.Check(change.id, change.value);
        if (!why.empty()) {
            refusals += setting.name + std::string(": ") + FormatValue(setting, change.value, texts) + " " + why + "\n";
        }
        changes.push_back(change);
    }
    if (!refusals.empty()) {
        console.Err(refusals + "Nothing was written.\n");
        return kBadInput;
    }
    if (changes.empty()) {
        console.Out("No changes: every setting already holds its value.\n");
        return kDone;
    }
    std::string shown;
    for (const Change& change : changes) {
        const SettingInfo& setting = InfoOf(change.id);
        shown += setting.name + std::string(": ") + Shown(setting, machine.Current(change.id), texts) + " -> " +
                 FormatValue(setting, change.value, texts) + "\n";
    }
    console.Out(shown);
    if (dryRun) {
        console.Out("Dry run: nothing was written.\n");
        return kDone;
    }

    const bool restart = WriteChanges(changes);

    MachineSettings after;
    after.Read();
    std::string differences;
    for (const Change& change : changes) {
        const SettingInfo& setting = InfoOf(change.id);
        if (!setting.readable) continue;
        const Reading& read = after.Current(change.id);
        if (read.known && read.value == change.value) continue;
        differences += setting.name + std::string(": wrote ") + FormatValue(setting, change.value, texts) +
                       ", reads " + Shown(setting, read, texts) + "\n";
    }
    if (differences.empty()) console.Out("Applied; every setting the BIOS can read back reads as written.\n");
    console.Err(differences);
    if (restart) console.Out("A restart is needed for the change to take effect.\n");
    if (!differences.empty()) return kReadBackDiffers;
    return restart ? kRestartNeeded : kDone;
}

int Set(const std::vector<std::string>& assignments, Console& console, const TextSource& texts) {
    ChangeSet wanted;
    std::map<SettingId, std::string> given;  // each setting's assignment, as typed
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        const std::string name = Trimmed(assignment.substr(0, equals));
        const SettingInfo* setting = FindSetting(name);
        std::string why;
        Value value;
        if (equals == std::string::npos) {
            why = "\"" + assignment + "\" is not NAME=VALUE";
        } else if (!setting) {
            why = "no setting is named \"" + name + "\"";
        } else if (!given.emplace(setting->id, assignment).second) {
            // As import refuses a file that gives a setting twice: which one was meant?
            why = std::string(setting->name) + " is given twice, \"" + given[setting->id] + "\" and \"" + assignment +
                  "\"";
        } else if (!ParseValue(*setting, assignment.substr(equals + 1), texts, value, why)) {
            why = name + " " + why + ", found \"" + assignment.substr(equals + 1) + "\"";
        }
        if (!why.empty()) {
            console.Err(why + ". Nothing was written.\n");
            return kBadInput;
        }
        Stage(wanted, Change{setting->id, value});
    }
    return Apply(wanted, false, console, texts);
}

// Why `path` is one of the simulated notebook's own files, which an export
// would destroy (its keys are not the settings file's); empty when it is not.
std::string NotebooksOwnFile(const std::string& path) {
    const auto* notebook = dynamic_cast<const sim::SimulatedDriver*>(ChannelDriver());
    if (!notebook) return "";
    if (sim::SameFile(path, notebook->statePath())) {
        return std::string("it is the simulated notebook's state file (") + sim::kStateVariable + ")";
    }
    if (sim::IsNotebookFile(path, notebook->statePath())) {
        return "it is a file the simulated notebook keeps beside its state file";
    }
    if (!notebook->logPath().empty() && sim::SameFile(path, notebook->logPath())) {
        return std::string("it is the simulated notebook's request log (") + sim::kLogVariable + ")";
    }
    return "";
}

int Export(const std::string& path, Console& console, const TextSource& texts) {
    std::string reason = NotebooksOwnFile(path);
    if (!reason.empty()) {
        console.Err("Cannot write " + path + ": " + reason + "; nothing was written.\n");
        return kBadInput;
    }
    MachineSettings machine;
    machine.Read();
    if (!console.WriteFile(path, ExportText(machine, texts), reason)) {
        console.Err("Cannot write " + path + ": " + reason + "\n");
        return kBadInput;
    }
    console.Out("Settings written to " + path + ".\n");
    return kDone;
}

int Import(const std::string& path, bool dryRun, Console& console, const TextSource& texts) {
    std::string text, reason;
    if (!console.ReadFile(path, text, reason)) {
        console.Err("Cannot read " + path + ": " + reason + ". Nothing was written.\n");
        return kBadInput;
    }
    ChangeSet wanted;
    std::string error;
    if (!ParseSettingsText(text, texts, wanted, error)) {
        console.Err(path + ", " + error + ". Nothing was written.\n");
        return kBadInput;
    }
    return Apply(wanted, dryRun, console, texts);
}

}  // namespace

std::string UsageText() {
    std::string names;
    for (const SettingInfo& setting : Settings()) names += std::string("  ") + setting.name + "\n";
    return "Usage:\n"
           "  tlwctl show [--json]          every information row and setting\n"
           "  tlwctl get NAME               one setting\n"
           "  tlwctl set NAME=VALUE ...     checks, writes and reads back settings\n"
           "  tlwctl export FILE            writes the settings to FILE\n"
           "  tlwctl import FILE [--dry-run]  shows the changes FILE makes, and applies them\n"
           "Values are the words the pages show, or their codes; names and words in any case.\n"
           "-- ends the options: every argument after it is a name or a file (tlwctl import -- -x.txt).\n"
           "Settings:\n" +
           names +
           "Exit codes: 0 done, 1 bad usage or input (nothing written), 2 no driver or the platform check failed,\n"
           "3 a setting reads back otherwise, 4 a restart is needed, 5 the setup password was not given.\n"
           "A setup password is asked at the console, or read from standard input, never from the command line.\n";
}

bool ParseCommandLine(const std::vector<std::string>& arguments, Invocation& invocation, std::string& error) {
    invocation = Invocation();
    if (arguments.empty()) {
        error = "no command given";
        return false;
    }
    const std::string& verb = arguments[0];
    std::vector<std::string> operands;
    bool options = true;  // until `--`, after which every argument is an operand (a file named -x.txt)
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!options) {
            operands.push_back(argument);
        } else if (argument == "--") {
            options = false;
        } else if (argument == "--json" && verb == "show") {
            invocation.json = true;
        } else if (argument == "--dry-run" && verb == "import") {
            invocation.dryRun = true;
        } else if (argument.size() > 1 && argument[0] == '-' && argument.find('=') == std::string::npos) {
            error = verb + " takes no option " + argument;
            return false;
        } else {
            operands.push_back(argument);
        }
    }
    invocation.operands = operands;
    std::size_t least = 0, most = 0;
    if (verb == "show") {
        invocation.verb = Verb::Show;
    } else if (verb == "get") {
        invocation.verb = Verb::Get;
        least = most = 1;
    } else if (verb == "set") {
        invocation.verb = Verb::Set;
        least = 1;
        most = static_cast<std::size_t>(-1);
    } else if (verb == "export" || verb == "import") {
        invocation.verb = verb == "export" ? Verb::Export : Verb::Import;
        least = most = 1;
    } else if (verb == "help" || verb == "--help" || verb == "-h" || verb == "/?") {
        invocation.verb = Verb::Help;
    } else {
        error = "unknown command \"" + verb + "\"";
        return false;
    }
    if (operands.size() < least || operands.size() > most) {
        const char* wanted = invocation.verb == Verb::Get   ? "one setting name"
                             : invocation.verb == Verb::Set ? "NAME=VALUE"
                             : least                        ? "one file"
                                                            : "no operand";
        error = verb + (least == 0 ? " takes " : operands.size() < least ? " wants " : " takes only ") + wanted;
        return false;
    }
    return true;
}

PasswordRecord RecordOfLine(const std::string& line, Console& console) {
    PasswordKeys keys;
    for (char character : line) {
        std::uint8_t scanCode = 0;
        unsigned virtualKey = 0;
        if (!console.KeyOf(character, scanCode, virtualKey)) {
            scanCode = 0;
            virtualKey = 0;
        }
        keys.Type(static_cast<unsigned char>(character), scanCode, virtualKey);
    }
    return keys.record();
}

int Run(const Invocation& invocation, Console& console, const TextSource& texts, bool windows2000) {
    if (invocation.verb == Verb::Help) {
        console.Out(UsageText());
        return kDone;
    }
    std::uint8_t ah = 0;
    std::uint16_t revision = 0;
    if (!ZEFACheck(ah, revision)) {
        console.Err(texts.Text(IDS_INCORRECT_BIOS_VERSION) + "\n");
        return kNoDriver;
    }
    const int gate = Gate(console, texts);
    if (gate != kDone) return gate;
    switch (invocation.verb) {
        case Verb::Show: return Show(console, texts, windows2000, invocation.json);
        case Verb::Get: return Get(invocation.operands[0], console, texts);
        case Verb::Set: return Set(invocation.operands, console, texts);
        case Verb::Export: return Export(invocation.operands[0], console, texts);
        case Verb::Import: return Import(invocation.operands[0], invocation.dryRun, console, texts);
        case Verb::Help: break;
    }
    return kDone;
}

}  // namespace tlw::ctl
