// Password records.
#include "controls/password_record.h"

#include <algorithm>

#include "bios/wipe.h"

namespace tlw {

PasswordRecord PasswordRecord::State(bool set) {
    PasswordRecord record;
    record.enabled = set ? 1 : 0;
    return record;
}

void PasswordRecord::Wipe() { WipeBytes(this, sizeof *this); }

bool SamePassword(const PasswordRecord& a, const PasswordRecord& b) {
    if (a.length != b.length || a.length > kMaxPasswordKeys) return false;
    return std::equal(a.codes, a.codes + a.length, b.codes);
}

}  // namespace tlw
