// The state file's keys: one row each, with how it reads and writes.
#include "sim/notebook_state.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace tlw::sim {
namespace {

bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value) {
    if (text.empty()) return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty()) return false;
    unsigned long result = 0;
    for (char c : digits) {
        const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : (hex && std::isxdigit(static_cast<unsigned char>(c)))
                          ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                          : -1;
        if (d < 0) return false;
        result = result * (hex ? 16 : 10) + static_cast<unsigned long>(d);
        if (result > max) return false;
    }
    value = result;
    return true;
}

bool ParseByte(const std::string& text, std::uint8_t& out) {
    unsigned long v = 0;
    if (!ParseNumber(text, 0xFF, v)) return false;
    out = static_cast<std::uint8_t>(v);
    return true;
}

// "1E 30 2E" or "1e302e"; empty for none.
bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>& out) {
    std::string digits;
    for (char c : text) {
        if (c == ' ' || c == ',') continue;
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
        digits += c;
    }
    if (digits.size() % 2 != 0) return false;
    out.clear();
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        out.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return true;
}

std::string Hex(unsigned value, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%0*X", digits, value);
    return buf;
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        if (!text.empty()) text += ' ';
        text += buf;
    }
    return text;
}

bool ParseOnOff(const std::string& text, bool& out) {
    if (text == "on" || text == "1") return out = true, true;
    if (text == "off" || text == "0") return out = false, true;
    return false;
}

bool ParseRefusal(const std::string& text, Refusal& out) {
    std::istringstream in(text);
    std::string call, mode, extra;
    if (!(in >> call >> mode) || (in >> extra)) return false;
    out.call = call;
    if (mode == "status") {
        out.mode = RefusalMode::Status;
    } else if (mode == "channel") {
        out.mode = RefusalMode::Channel;
    } else if (mode.rfind("ah=", 0) == 0) {
        unsigned long v = 0;
        if (!ParseNumber("0x" + mode.substr(3), 0xFF, v) || v == 0) return false;
        out.mode = RefusalMode::Ah;
        out.ah = static_cast<std::uint8_t>(v);
    } else {
        return false;
    }
    return true;
}

struct Key {
    const char* name;
    const char* help;  // what a new state file says about the key
    const char* expected;  // what a bad value is told it should be
    bool (*read)(const std::string&, NotebookState&);
    std::string (*write)(const NotebookState&);
};

const Key kKeys[] = {
    {"revision", "interface revision the platform check returns in BX (BH major, BL minor)",
     "a 16-bit number such as 0x0108",
     [](const std::string& v, NotebookState& s) {
         unsigned long n = 0;
         return ParseNumber(v, 0xFFFF, n) && (s.revision = static_cast<std::uint16_t>(n), true);
     },
     [](const NotebookState& s) { return Hex(s.revision, 4); }},
    {"setup_password", "setup password as keyboard scan codes in hex, e.g. 1E 30 2E; empty: none",
     "up to 8 hex bytes",
     [](const std::string& v, NotebookState& s) {
         std::vector<std::uint8_t> codes;
         return ParseHexBytes(v, codes) && codes.size() <= 8 && (s.setupPassword = codes, true);
     },
     [](const NotebookState& s) { return HexBytes(s.setupPassword); }},
    {"hotkey_button", "the hotkey button: on or off", "on or off",
     [](const std::string& v, NotebookState& s) { return ParseOnOff(v, s.hotkeyButtonOn); },
     [](const NotebookState& s) { return std::string(s.hotkeyButtonOn ? "on" : "off"); }},
    {"lid_button_action", "action of closing the lid: 0 none, 1 standby, 2 hibernate, 3 shutdown",
     "a byte",
     [](const std::string& v, NotebookState& s) { return ParseByte(v, s.buttonAction[kLidButton]); },
     [](const NotebookState& s) { return std::to_string(s.buttonAction[kLidButton]); }},
    {"power_button_action", "action of the power button, coded as lid_button_action", "a byte",
     [](const std::string& v, NotebookState& s) { return ParseByte(v, s.buttonAction[kPowerButton]); },
     [](const NotebookState& s) { return std::to_string(s.buttonAction[kPowerButton]); }},
    {"sleep_button_action", "action of the sleep button, coded as lid_button_action", "a byte",
     [](const std::string& v, NotebookState& s) { return ParseByte(v, s.buttonAction[kSleepButton]); },
     [](const NotebookState& s) { return std::to_string(s.buttonAction[kSleepButton]); }},
};

constexpr const char* kRefuseKey = "refuse";

}  // namespace

void NotebookState::LoadSetupDefaults() {
    const NotebookState defaults;
    for (int b = 0; b < kButtonCount; ++b) buttonAction[b] = defaults.buttonAction[b];
}

const Refusal* NotebookState::RefusalFor(const std::string& call) const {
    for (const Refusal& r : refusals) {
        if (r.call == call) return &r;
    }
    return nullptr;
}

bool ReadState(const StateFile& file, NotebookState& state, std::string& error) {
    state.refusals.clear();
    for (const StateLine& line : file.lines()) {
        if (line.key.empty()) continue;
        const std::string where = "line " + std::to_string(line.number) + ": ";
        if (line.key == kRefuseKey) {
            Refusal r;
            if (!ParseRefusal(line.value, r)) {
                error = where + "refuse wants `<call name> status`, `<call name> ah=XX` (XX non-zero hex) "
                                "or `<call name> channel`, found \"" + line.value + "\"";
                return false;
            }
            state.refusals.push_back(r);
            continue;
        }
        const Key* key = nullptr;
        for (const Key& k : kKeys) {
            if (line.key == k.name) key = &k;
        }
        if (!key) {
            error = where + "unknown key \"" + line.key + "\"";
            return false;
        }
        if (!key->read(line.value, state)) {
            error = where + line.key + " wants " + key->expected + ", found \"" + line.value + "\"";
            return false;
        }
    }
    return true;
}

void WriteState(const NotebookState& state, StateFile& file) {
    for (const Key& k : kKeys) file.Set(k.name, k.write(state));
}

std::string DefaultStateText() {
    const NotebookState defaults;
    std::string text = "# The simulated notebook. Saved after every request that changes a setting.\n";
    for (const Key& k : kKeys) {
        text += "\n# " + std::string(k.help) + "\n" + k.name + " = " + k.write(defaults) + "\n";
    }
    text += "\n# refuse = <call name> status | ah=XX | channel   (any number of lines)\n";
    return text;
}

}  // namespace tlw::sim
