// The monkey's seeds under Wine: every run keeps every invariant. The seeds,
// the actions per seed and the folder for the logs come from the environment
// (scripts/monkey sets them); by default a few fixed seeds, and the seeds
// that once found a fault, each kept as a regression run.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/monkey/invariants.h"
#include "tests/wine/harness.h"
#include "tests/wine/monkey/monkey.h"

namespace {

std::string Environment(const char* name, const char* otherwise) {
    const char* value = std::getenv(name);
    return value && *value ? value : otherwise;
}

// "FROM-TO" or "N".
void SeedRange(const std::string& text, unsigned long& from, unsigned long& to) {
    const auto dash = text.find('-');
    from = std::strtoul(text.c_str(), nullptr, 10);
    to = dash == std::string::npos ? from : std::strtoul(text.c_str() + dash + 1, nullptr, 10);
}

void RemoveRun(const wt::MonkeyRun& run) {
    ::DeleteFileA((run.folder + "\\notebook.ini").c_str());
    ::DeleteFileA((run.folder + "\\requests.log").c_str());
    ::DeleteFileA((run.folder + "\\actions.log").c_str());
    ::RemoveDirectoryA(run.folder.c_str());
}

// Seeds that found a fault once, played again in every run.
const std::vector<unsigned long> kRegressionSeeds = {};

TEST(Monkey, EverySeedKeepsEveryInvariant) {
    const std::string skipped = wt::WhatTheMonkeySkips();
    if (!skipped.empty()) std::printf("monkey: skips %s\n", skipped.c_str());
    unsigned long from = 0, to = 0;
    SeedRange(Environment("TALLOWIN_MONKEY_SEEDS", "1-3"), from, to);
    const int steps = std::atoi(Environment("TALLOWIN_MONKEY_STEPS", "40").c_str());
    wt::TempDir temp;
    const std::string out = Environment("TALLOWIN_MONKEY_OUT", temp.path().c_str());

    std::vector<unsigned long> seeds = kRegressionSeeds;
    for (unsigned long seed = from; seed <= to && seed >= from; ++seed) seeds.push_back(seed);
    std::size_t actions = 0, writes = 0, failures = 0;
    for (unsigned long seed : seeds) {
        const wt::MonkeyRun run = wt::PlayMonkey(static_cast<std::uint32_t>(seed), steps, out);
        const tlw::monkey::Verdict verdict = tlw::monkey::CheckRun(run.requests, run.actions);
        actions += verdict.actions;
        if (!Environment("TALLOWIN_MONKEY_VERBOSE", "").empty()) {
            std::printf("seed %lu played:\n", seed);
            for (const std::string& line : run.actions) std::printf("    %s\n", line.c_str());
            for (const std::string& line : run.requests) std::printf("      | %s\n", line.c_str());
        }
        writes += verdict.writes;
        if (verdict.Holds()) {
            RemoveRun(run);
            continue;
        }
        ++failures;
        std::string why;
        for (const std::string& broken : verdict.broken) why += "\n  " + broken;
        ADD_FAILURE() << "seed " << seed << " (logs in " << run.folder << "):" << why;
    }
    std::printf("monkey: %zu seeds, %zu actions, %zu writes checked, %zu failures\n", seeds.size(), actions, writes,
                failures);
    EXPECT_GT(actions, seeds.size()) << "the monkey played next to nothing";
}

}  // namespace
