// The power-on password, and the password logic the setup password shares.
#include "sim/answers/password.h"

#include "bios/call_rows.h"

namespace tlw::sim {

void AnswerPassword(Request& r, std::vector<std::uint8_t>& stored) {
    switch (r.bh()) {
        case 0:  // disable
            stored.clear();
            return r.Changed();
        case 1:  // ask
            return r.SetAh(stored.empty() ? kAhNotSet : 0);
        case 2:    // store a new one
        case 3: {  // check
            const std::size_t count = r.in.ecx & 0xFFFF;
            std::vector<std::uint8_t> codes;
            if (count > 8 || !r.ReadBuffer(count, codes)) return r.Refuse(kAhBadArgument);
            if (r.bh() == 2) {
                stored = codes;
                return r.Changed();
            }
            if (stored.empty()) return r.SetAh(kAhNotSet);
            return r.SetAh(codes == stored ? 0 : kAhWrongPassword);
        }
        default:
            return r.Refuse(kAhUnsupported);
    }
}

namespace {

// Every BH of BL 0x07 comes here.
void PowerOnPassword(Request& r) { AnswerPassword(r, r.state.password.powerOnPassword); }

const Answer kAnswers[] = {
    {&row::SetChkPowerOnPasswd, PowerOnPassword},
};

void Keys(StateKeys& keys, NotebookState& state) {
    keys.ByteList("poweron_password", state.password.powerOnPassword, 8,
                  "power-on password as keyboard scan codes in hex, e.g. 1E 30 2E; empty: none");
}

// Loading the setup defaults never touches a password.
void LoadDefaults(NotebookState&) {}

}  // namespace

extern const Area kPasswordArea = MakeArea(kAnswers, Keys, LoadDefaults);

}  // namespace tlw::sim
