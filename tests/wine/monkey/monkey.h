// The monkey: plays a bounded random sequence of user actions on the real
// tlw.exe, started on a hostile notebook (`chaos = <seed>`), and logs each
// action before playing it, so that a seed replays the same run. What it
// plays and how it logs is tests/monkey/invariants.h's action log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace wt {

struct MonkeyRun {
    std::vector<std::string> actions;  // the action log, fault lines included
    std::vector<std::string> requests;  // the request log
    std::string folder;                 // where both logs were left
};

// Plays seed `seed` with at most `steps` actions on the sheet (the dialogs
// they open are answered on top), in a folder of its own under `outFolder`.
MonkeyRun PlayMonkey(std::uint32_t seed, int steps, const std::string& outFolder);

// What the monkey leaves out in this process, and why; empty when nothing.
// Under Wine's WoW64 mode a 32-bit process has no display driver: there are
// no combo boxes to choose from, and an edit given a typed character crashes.
std::string WhatTheMonkeySkips();

}  // namespace wt
