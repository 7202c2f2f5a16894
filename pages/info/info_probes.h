// The information page's rows before the identity rows: processor, memory,
// video memory, the first IDE drive, the first serial port, the parallel
// port, the caches and the touch pad, each worded from the BIOS's answers and
// the machine's facts. No windows.h here: the page inserts the rows as they
// come, the tests read them natively.
#pragma once

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

// Every row before the identity rows, in the page's order, asking the BIOS
// and `facts` (null: none to ask) afresh. `windows2000` is the sheet's flag:
// set, the port rows come from the device manager's view.
InfoRows MachineRows(const TextSource& texts, MachineFacts* facts, bool windows2000);

}  // namespace tlw
