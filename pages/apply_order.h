// The order in which the settings reach the BIOS, shared by the sheet's Apply
// and OK and by the console tool: the pages in the page table's order, then
// what belongs to no page, then the BIOS's CMOS checksum over what was written.
// No windows.h.
#pragma once

#include "pages/page_table.h"
#include "pages/settings_model.h"

namespace tlw {

// When the checksum follows the writes.
enum class Checksum {
    Always,       // the sheet's Apply and OK: also when no page had anything to write
    AfterWrites,  // the console tool: only when something was written
};

// Has the BIOS recompute its checksum as `when` says after `result`; true
// when that result needs a restart.
bool EndApply(ApplyResult result, Checksum when);

// Calls `applyPage(index, row)` for every page of the page table, in its
// order (each page, also after one needed a restart), then `afterPages()`
// for the writes of no page, then has the BIOS recompute its checksum as
// `when` says. True when a written setting takes effect only after a restart.
template <typename ApplyPage, typename AfterPages>
bool ApplyInPageOrder(ApplyPage applyPage, AfterPages afterPages, Checksum when) {
    ApplyResult result = ApplyResult::Nothing;
    std::size_t page = 0;
    for (const PageRow& row : PageTable()) result |= applyPage(page++, row);
    result |= afterPages();
    return EndApply(result, when);
}

// Has the BIOS recompute its CMOS checksum after a set of writes; its answer
// is not looked at.
void RecomputeChecksum();

}  // namespace tlw
