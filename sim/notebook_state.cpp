// Reading and writing the notebook's state through every area's keys.
#include "sim/notebook_state.h"

#include <map>

#include "sim/answers/area.h"

namespace tlw::sim {
namespace {

constexpr const char* kRefuseKey = "refuse";

bool ParseRefusal(const std::string& text, Refusal& out) {
    const std::vector<std::string> words = StateKeys::Words(text);
    if (words.size() != 2) return false;
    out.call = words[0];
    const std::string& mode = words[1];
    if (mode == "status") {
        out.mode = RefusalMode::Status;
    } else if (mode == "channel") {
        out.mode = RefusalMode::Channel;
    } else if (mode.rfind("ah=", 0) == 0) {
        unsigned long v = 0;
        if (!StateKeys::ParseNumber("0x" + mode.substr(3), 0xFF, v) || v == 0) return false;
        out.mode = RefusalMode::Ah;
        out.ah = static_cast<std::uint8_t>(v);
    } else {
        return false;
    }
    return true;
}

// Finds the key of one line and reads its value.
class LineReader : public StateKeys {
public:
    explicit LineReader(const StateLine& line) : line_(line) {}
    bool found = false;
    bool parsed = false;
    std::string expected;

protected:
    void Visit(const char* name, const char*, const std::string&, const std::string& wants,
               const std::function<bool(const std::string&)>& parse) override {
        if (found || line_.key != name) return;
        found = true;
        expected = wants;
        parsed = parse(line_.value);
    }

private:
    const StateLine& line_;
};

class FileWriter : public StateKeys {
public:
    explicit FileWriter(StateFile& file) : file_(file) {}

protected:
    void Visit(const char* name, const char*, const std::string& text, const std::string&,
               const std::function<bool(const std::string&)>&) override {
        file_.Set(name, text);
    }

private:
    StateFile& file_;
};

class ExplainedText : public StateKeys {
public:
    std::string text;

protected:
    void Visit(const char* name, const char* help, const std::string& value, const std::string&,
               const std::function<bool(const std::string&)>&) override {
        text += "\n# " + std::string(help) + "\n" + name + " = " + value + "\n";
    }
};

}  // namespace

const Refusal* NotebookState::RefusalFor(const std::string& call) const {
    for (const Refusal& r : refusals) {
        if (r.call == call) return &r;
    }
    return nullptr;
}

bool ReadState(const StateFile& file, NotebookState& state, std::string& error) {
    state.refusals.clear();
    // A key given twice would be read from one line and written to the other.
    std::map<std::string, int> firstLine;
    const auto givenBefore = [&](const std::string& what, int number) {
        const auto [first, isNew] = firstLine.emplace(what, number);
        if (isNew) return false;
        error = "line " + std::to_string(number) + ": " + what + " is given again; line " +
                std::to_string(first->second) + " gave it first";
        return true;
    };
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
            // Refuse lines repeat, one per call; a call refused twice is not.
            if (givenBefore("refuse = " + r.call, line.number)) return false;
            state.refusals.push_back(r);
            continue;
        }
        if (givenBefore(line.key, line.number)) return false;
        LineReader reader(line);
        VisitKeys(reader, state);
        if (!reader.found) {
            error = where + "unknown key \"" + line.key + "\"";
            return false;
        }
        if (!reader.parsed) {
            error = where + line.key + " wants " + reader.expected + ", found \"" + line.value + "\"";
            return false;
        }
    }
    return true;
}

bool ReadStateText(const std::string& text, StateFile& file, NotebookState& state, std::string& error) {
    if (text.empty()) {
        error = "it is empty";
        return false;
    }
    return file.Parse(text, error) && ReadState(file, state, error);
}

void WriteState(const NotebookState& state, StateFile& file) {
    NotebookState copy = state;  // the keys lend each value for reading and writing alike
    FileWriter writer(file);
    VisitKeys(writer, copy);
}

std::string DefaultStateText() {
    NotebookState defaults;
    defaults.info.os = NewNotebookOsFacts();
    ExplainedText explained;
    VisitKeys(explained, defaults);
    return "# The simulated notebook. Saved after every request that changes a setting.\n" + explained.text +
           "\n# refuse = <call name> status | ah=XX | channel   (any number of lines)\n";
}

}  // namespace tlw::sim
