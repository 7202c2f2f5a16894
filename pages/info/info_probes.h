// The information page's rows before the identity rows: processor, memory,
// video memory, the first IDE drive, the first serial port, the parallel
// port, the caches and the touch pad, each worded from the BIOS's answers and
// the machine's facts. No windows.h here: the page inserts the rows as they
// come, the tests read them natively.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bios/machine_facts.h"

namespace tlw {

// The program's strings by resource id: the page reads its string table,
// tests a table of their own.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string Text(unsigned id) const = 0;
};

// One row of the list: its label (empty for a continuation row) and value.
struct InfoRow {
    std::string label;
    std::string value;
};
using InfoRows = std::vector<InfoRow>;

// A hard disk's size in decimal megabytes (a half rounds up). False, no size,
// for a negative cylinder count or a product past 64 bits: no disk has
// either, so the geometry is not believed rather than shown wrapped.
bool DiskMegabytes(const DiskGeometry& geometry, std::uint64_t& megabytes);

// A cache's size from its code: 2^code times the base size (2^baseKbPower KB),
// in KB below code 7 and in MB from there. A size whose MB figure would not
// fit the 16 bits the row's number has moves on to GB; one past that too is
// unknown (the row then reads "Cache ON Unknown").
struct CacheSize {
    enum Unit { kKB = 0, kMB = 1, kGB = 2, kUnknown = 3 };
    std::uint16_t figure;
    Unit unit;
};
CacheSize ScaleCacheSize(std::uint8_t sizeCode, unsigned baseKbPower);

// Every row before the identity rows, in the page's order, asking the BIOS
// and `facts` (null: none to ask) afresh. `windows2000` is the sheet's flag:
// set, the port rows come from the device manager's view.
InfoRows MachineRows(const TextSource& texts, MachineFacts* facts, bool windows2000);

}  // namespace tlw
