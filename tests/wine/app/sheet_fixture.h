// The settings sheet run in the test's own process on a simulated notebook of
// the test's own, for the sheet's tests and the pages': the sheet runs modally
// on the test's thread while a second thread plays the user, finding windows
// and pressing their buttons; afterwards the test reads the request log.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/all_controls_sheet.h"
#include "tests/wine/harness.h"

namespace wt {

// How long the user waits for a window that should come.
constexpr DWORD kSheetWait = 20000;

class SheetFixture : public ::testing::Test {
protected:
    // An untouched default notebook; the channel closes after each test.
    void SetUp() override;
    void TearDown() override;

    // Opens the channel again on a notebook whose state file holds `state`,
    // with an empty request log.
    void OpenNotebook(const std::string& state);

    using User = std::function<void(HWND sheet)>;
    // Runs the sheet over `pages` modally here while `user` acts on it from
    // another thread; returns the sheet's result. Whatever the user leaves
    // open is closed after it, and the sheet cancelled. The sheet stays in
    // sheet_ for the test to question.
    INT_PTR RunSheet(CAllControlsSheet::Pages pages, const User& user);
    // The same over the program's own pages.
    INT_PTR RunSheet(const User& user);

    // One page per row of the page table, each made by `make`.
    using PageMaker = std::function<std::unique_ptr<CMyPropertyPage>(const tlw::PageRow& row)>;
    static CAllControlsSheet::Pages PagesOf(const PageMaker& make);

    // Every request since the notebook was opened, one line each.
    std::vector<std::string> Log() const;
    // The notebook's state file as it is now.
    std::string StateText() const;

    TempDir dir_;
    std::unique_ptr<CAllControlsSheet> sheet_;

private:
    INT_PTR Run(const User& user);
};

// The user's side.

// The dialog of this process titled `title`, waited for; null when none came.
HWND WaitForDialog(const char* title);
// True when no dialog titled `title` comes up within a second.
bool NoDialog(const char* title);
// Presses button `id` of `window` and gives the press a moment to act.
void Click(HWND window, int id);
// Waits for the dialog titled `title`, presses `button`, waits until it is
// gone and until its owner has done what the answer asked (Settle).
void Answer(const char* title, int button);
// Returns once `window`'s thread takes messages again: a message sent from
// another thread waits until then. After a modal dialog is gone, what its
// owner's handler does next has finished, or waits for the user again.
void Settle(HWND window);
// Brings page `index` to the front (creating its window) and returns it.
HWND ShowPage(HWND sheet, int index);
// Every page's index, the boot page last and only when `bootPageCanBeMade`:
// where WoW64 cannot make its combo box, no page follows it.
std::vector<int> PagesBootPageLast(bool bootPageCanBeMade);
bool ApplyEnabled(HWND sheet);
// Waits up to `ms` for `condition`: clicks are posted, so what they change
// shows only once the sheet's thread has taken them. Its last answer.
// The wait is long: on a machine busy with other work the sheet's thread may
// take seconds; a condition met returns at once.
bool Eventually(const std::function<bool()>& condition, DWORD ms = kSheetWait);

}  // namespace wt
