// The machine's identity: the keys its DMI table is built from, and the asset
// tag the BIOS writes into it.
#include <algorithm>

#include "bios/buffer_lease.h"
#include "bios/call_rows.h"
#include "sim/answers/area.h"
#include "sim/file_system.h"
#include "sim/identity_table.h"
#include "sim/notebook_paths.h"

namespace tlw::sim {
namespace {

// The longest tag this BIOS keeps; it reads no further than the NUL after it.
constexpr std::size_t kMostTagCharacters = 32;

// With a real table: its enclosure gets the tag in a copy beside the state
// file (so that the table file a person named is only ever read), and the
// copy becomes the notebook's table. False when the table cannot be read, has
// no enclosure to patch, or the copy cannot be written.
bool PatchTableCopy(Request& r, const std::string& tag) {
    NotebookState& state = r.state;
    std::string table;
    std::string reason;
    if (state.path.empty() || ReadWholeFile(state.identity.dmiTable, table, reason) != ReadResult::Read) return false;
    if (!PatchEnclosureAssetTag(table, tag)) return false;
    const std::string copy = TableCopyPathFor(state.path);
    WrittenFile written{copy};
    const ReadResult before = ReadWholeFile(copy, written.before, reason);
    if (before == ReadResult::Failed) return false;
    written.existed = before == ReadResult::Read;
    if (!ReplaceWholeFile(copy, table, reason)) return false;
    r.answer.written.push_back(std::move(written));
    state.identity.dmiTable = copy;
    return true;
}

void AssetTag(Request& r) {
    // The BIOS reads the string at ESI byte by byte up to its NUL, never past
    // the memory the caller lent, and keeps at most 32 characters.
    std::size_t count = 0;
    bool ended = false;
    const std::uint8_t* memory = nullptr;
    while (!ended && count <= kMostTagCharacters && (memory = LentMemory(r.in.esi, count + 1))) {
        ended = memory[count] == 0;
        ++count;
    }
    std::vector<std::uint8_t> bytes;
    if (count == 0 || !r.ReadBuffer(count, bytes)) return r.Refuse(kAhBadArgument);
    const std::size_t kept = std::min(ended ? count - 1 : count, kMostTagCharacters);
    const std::string tag(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kept));
    // A refused write keeps the tag it had.
    if (!r.state.identity.dmiTable.empty() && !PatchTableCopy(r, tag)) return r.Refuse(kAhBadArgument);
    r.state.identity.assetTag = tag;
    r.Changed();
}

const Answer kAnswers[] = {
    {&row::SetAssetTag, AssetTag},
};

void Keys(StateKeys& keys, NotebookState& state) {
    IdentityState& s = state.identity;
    keys.Text("manufacturer", s.manufacturer, "the system's manufacturer in the DMI table; empty: none");
    keys.Text("product_name", s.productName, "the system's product name; empty: none");
    keys.Text("serial_number", s.serialNumber, "the system's serial number; empty: none");
    keys.HexBytes("uuid", s.uuid, 16, "the system's UUID, 32 hex digits in the table's byte order");
    keys.Text("asset_tag", s.assetTag, "the enclosure's asset tag, as SetAssetTag last wrote it; empty: none");
    keys.Text("dmi_table", s.dmiTable,
              "the path of a real DMI structure table the DMI proxy hands over instead of one built from the keys "
              "above; empty: built. SetAssetTag then patches a copy beside this file and points here to it");
}

// The identity is the machine's, not a setup setting.
void LoadDefaults(NotebookState&) {}

}  // namespace

extern const Area kIdentityArea = MakeArea(kAnswers, Keys, LoadDefaults);

}  // namespace tlw::sim
