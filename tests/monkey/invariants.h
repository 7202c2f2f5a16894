// The invariants a run on a hostile notebook must keep, judged afterwards
// from the request log and the monkey's action log.
//
// The action log has one line per user action, written just before it:
//
//     <request log lines so far> <page shown, or -1> <ACTION> [words...]
//
// ACTION is TAB, CLICK, CHECK, COMBO, TRACK, DRAG, TYPE, MENU (the context
// menu's commands), OK, APPLY, CANCEL, or an answer to a dialog:
// PREVIOUS_YES / PREVIOUS_NO (Load Previous), DEFAULT_YES / DEFAULT_NO
// (Load Default), RESTART_YES / RESTART_NO, DIALOG <button> (any other).
// Requests logged after one action line and before the next are that
// action's consequences. A line `! <what>` is a fault the monkey saw itself
// (a crash, a hang, a dialog left unanswered, a control out of its range).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bios/register_frame.h"
#include "tests/common/logged_request.h"

namespace tlw::monkey {

// The display device page's index in the sheet: what the user does there
// acts on the BIOS at once.
constexpr int kDisplayPage = 4;

// The request log's reader, shared with the other tests.
using test::LoggedRequest;
using test::ParseRequestLine;

struct Action {
    std::size_t logLines = 0;
    int page = -1;
    std::string kind;
    std::vector<std::string> words;
};

// Reads one action log line; false for a fault line or anything else.
bool ParseActionLine(const std::string& line, Action& action);

struct Verdict {
    std::size_t actions = 0;
    std::size_t writes = 0;        // write requests checked
    std::vector<std::string> broken;  // one sentence per broken invariant

    bool Holds() const { return broken.empty(); }
};

// Every invariant over one run's logs.
Verdict CheckRun(const std::vector<std::string>& requestLog, const std::vector<std::string>& actionLog);

}  // namespace tlw::monkey
