// Judging a run: which action each write follows, whether that action asks
// for it, and whether the value written lies in its domain.
#include "tests/monkey/invariants.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "sim/chaos.h"

namespace tlw::monkey {
namespace {

using test::Words;

std::string HexText(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char byte[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(byte, sizeof byte, "%s%02X", text.empty() ? "" : " ", b);
        text += byte;
    }
    return text;
}

// The codes of a 16-byte boot list up to its end marker, in order.
std::vector<std::uint8_t> BootCodes(const std::vector<std::uint8_t>& list) {
    return {list.begin(), std::find(list.begin(), list.end(), std::uint8_t{0xFF})};
}

enum class Writes { Hotkey, Live, Defaults, Commit };

Writes KindOf(const std::string& call) {
    if (call == "SetHotkeyButton") return Writes::Hotkey;
    if (call == "SetDisplayDevice" || call == "SetDisplayBrightness" || call == "SetDisplayContrast") {
        return Writes::Live;
    }
    if (call == "LoadSetupDefault") return Writes::Defaults;
    return Writes::Commit;
}

bool Allows(const Action* action, Writes kind) {
    if (kind == Writes::Hotkey) return true;
    if (!action) return false;  // start-up writes nothing but the hotkey button
    switch (kind) {
        case Writes::Live:
            return action->page == kDisplayPage;
        case Writes::Defaults:
            return action->kind == "DEFAULT_YES";
        default:
            return action->kind == "OK" || action->kind == "APPLY" || action->kind == "PREVIOUS_YES";
    }
}

// What the run has read so far, the domains of later writes.
struct ReadSoFar {
    std::vector<std::vector<std::uint8_t>> bootLists;
    bool rangesRead = false;
    std::uint8_t brightness[2] = {0, 0};  // minimum, maximum
    std::uint8_t contrast[2] = {0, 0};

    void Take(const LoggedRequest& r) {
        // The boot page takes the list from its buffer, whatever the status
        // says: what the BIOS wrote there is what was read, and a request
        // that never reached the BIOS leaves the buffer's end markers alone.
        if (r.call == "GetBootSeq" && r.in.bh() == 0) {
            bootLists.push_back(r.answered && r.hasBuffer ? BootCodes(r.buffer) : std::vector<std::uint8_t>());
        }
        if (r.call == "GetBrightnessContrastRange" && r.StatusOk()) {
            rangesRead = true;
            brightness[0] = r.out.dl();
            brightness[1] = r.out.dh();
            contrast[0] = r.out.cl();
            contrast[1] = r.out.ch();
        }
    }
};

// Why the value `r` writes lies outside its domain; empty when it lies inside.
std::string OutsideDomain(const LoggedRequest& r, const ReadSoFar& read) {
    const std::uint8_t bh = r.in.bh();
    // A request that never reached the BIOS shows no buffer: only its registers can be judged.
    const bool bufferUnseen = !r.answered && !r.hasBuffer;
    if (r.call == "SetBootSeq" && bh == 1 && !bufferUnseen) {
        if (!r.hasBuffer || r.buffer.size() != 16) return "a boot list that is not 16 bytes";
        std::vector<std::uint8_t> written = BootCodes(r.buffer);
        std::sort(written.begin(), written.end());
        for (std::vector<std::uint8_t> codes : read.bootLists) {
            std::sort(codes.begin(), codes.end());
            if (codes == written) return {};
        }
        return "the boot list " + HexText(r.buffer) +
               (read.bootLists.empty() ? ", with no list read before"
                                       : ", not a permutation of the codes of the list read (" +
                                             HexText(read.bootLists.back()) + ")");
    }
    if (r.call == "SetBootSeq" && bh == 3 && r.in.edx != 0 && r.in.edx != 2) {
        return "the hard disk boot byte " + std::to_string(r.in.edx) + ", neither 0 nor 2";
    }
    const bool brightness = r.call == "SetDisplayBrightness";
    if (brightness || r.call == "SetDisplayContrast") {
        const std::uint8_t* range = brightness ? read.brightness : read.contrast;
        if (!read.rangesRead) return "a level with no range read before";
        if (r.in.cl() < range[0] || r.in.cl() > range[1]) {
            return "the level " + std::to_string(r.in.cl()) + " outside the range " + std::to_string(range[0]) +
                   " to " + std::to_string(range[1]) + " the BIOS gave";
        }
    }
    if (r.call == "SetDisplayDevice" && r.in.cl() > 2) return "the display device " + std::to_string(r.in.cl());
    if (r.call == "SetBootDisplay" && r.in.cl() != 2 && r.in.cl() != 3) {
        return "the boot display " + std::to_string(r.in.cl());
    }
    if (r.call.rfind("SetChk", 0) == 0 && bh == 2) {
        const std::uint32_t count = r.in.ecx & 0xFFFF;
        if (count == 0 || count > 8 || (r.hasBuffer && r.buffer.size() > 8)) {
            return "a password of " + std::to_string(count) + " codes";
        }
    }
    if (r.call == "SetAssetTag" && !bufferUnseen) {
        if (!r.hasBuffer || r.buffer.empty() || r.buffer.back() != 0) return "an asset tag without its NUL";
        if (r.buffer.size() > 33) return "an asset tag of " + std::to_string(r.buffer.size() - 1) + " characters";
    }
    if (r.call == "EnableFan" && bh > 1) return "the fan state " + std::to_string(bh);
    return {};
}

}  // namespace

bool ParseActionLine(const std::string& line, Action& action) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 3 || words[0] == "!") return false;
    char* end = nullptr;
    const unsigned long lines = std::strtoul(words[0].c_str(), &end, 10);
    if (*end != '\0' || words[0][0] == '-') return false;
    const long page = std::strtol(words[1].c_str(), &end, 10);
    if (*end != '\0' || page < -1) return false;
    action.logLines = lines;
    action.page = static_cast<int>(page);
    action.kind = words[2];
    action.words.assign(words.begin() + 3, words.end());
    return true;
}

Verdict CheckRun(const std::vector<std::string>& requestLog, const std::vector<std::string>& actionLog) {
    Verdict verdict;
    std::vector<Action> actions;
    for (const std::string& line : actionLog) {
        Action action;
        if (line.rfind("! ", 0) == 0) {
            verdict.broken.push_back("the monkey saw " + line.substr(2));
        } else if (ParseActionLine(line, action)) {
            if (!actions.empty() && action.logLines < actions.back().logLines) {
                verdict.broken.push_back("the action log goes back in the request log at \"" + line + "\"");
            }
            actions.push_back(action);
        } else if (!line.empty()) {
            verdict.broken.push_back("the action log line \"" + line + "\" does not read");
        }
    }
    verdict.actions = actions.size();

    ReadSoFar read;
    std::size_t next = 0;  // the first action not yet begun
    for (std::size_t i = 0; i < requestLog.size(); ++i) {
        while (next < actions.size() && actions[next].logLines <= i) ++next;
        LoggedRequest r;
        if (!ParseRequestLine(requestLog[i], r)) continue;
        if (sim::IsReadRequest(r.call, r.in)) {
            read.Take(r);
            continue;
        }
        ++verdict.writes;
        const Action* cause = next == 0 ? nullptr : &actions[next - 1];
        const std::string where = "request log line " + std::to_string(i + 1) + " (" + r.call + ")";
        if (!Allows(cause, KindOf(r.call))) {
            verdict.broken.push_back(where + " is written " +
                                     (cause ? "after " + cause->kind + " on page " + std::to_string(cause->page) +
                                                  ", which does not ask for it"
                                            : "before any user action"));
        }
        const std::string outside = OutsideDomain(r, read);
        if (!outside.empty()) verdict.broken.push_back(where + " writes " + outside);
    }
    return verdict;
}

}  // namespace tlw::monkey
