// What a settings page holds apart from its controls: the settings it read
// from the BIOS, the user's choices not yet written, and what it last wrote in
// this run. The model alone talks to the BIOS; its page only moves values
// between the controls and the model. No windows.h here: the models are tested
// natively against the simulated notebook.
#pragma once

namespace tlw {

// What one apply did, ordered from least to most.
enum class ApplyResult {
    // Nothing was pending: no BIOS call was made.
    Nothing,
    // Settings were written and act without a restart (the fan, a password:
    // the BIOS holds them from now on).
    Applied,
    // At least one written setting is read by the BIOS only when it runs again
    // (the boot order, fast boot, the boot display): the sheet offers to
    // restart the computer.
    AppliedNeedsRestart,
};

// Two applies made together: the more of the two, so a single setting that
// needs a restart makes the whole page need one. Apply settings one statement
// each (`result |= b.Apply();`): the operands of `a.Apply() | b.Apply()` run in
// no fixed order, and the BIOS writes must keep the page's order.
ApplyResult operator|(ApplyResult a, ApplyResult b);
ApplyResult& operator|=(ApplyResult& a, ApplyResult b);

// What ApplySettings reports to the sheet.
bool NeedsRestart(ApplyResult result);

// The interface each page's model implements. Writes are counted as done
// whatever the BIOS answers: a refused write is still "applied" and still
// asks for its restart.
class SettingsModel {
public:
    virtual ~SettingsModel() = default;

    // Reads the page's settings from the BIOS and drops every pending choice
    // (at first activation, and after a restore). A read that fails leaves its
    // value as it was.
    virtual void Load() = 0;

    // Writes the pending choices and records them as last applied. Called only
    // when the user changed something on the page since its last apply.
    virtual ApplyResult Apply() = 0;

    // Writes again what Apply last wrote in this run, then forgets it; writes
    // nothing when nothing was applied. The page loads again afterwards.
    virtual void RestorePrevious() = 0;
};

}  // namespace tlw
