// What the asset tag dialog collects: the new tag typed twice. The page keeps
// it, so that the texts survive from one showing of the dialog to the next
// until the page applies or discards them.
#pragma once

#include <cstddef>
#include <string>

namespace tlw {

struct AssetTagEntry {
    // The most characters each edit takes.
    static constexpr std::size_t kMostCharacters = 32;

    std::string newTag;
    std::string confirmation;
    // Set by the first change of each edit's text; never cleared, so a second
    // showing accepts the texts of the first without typing.
    bool newTagChanged = false;
    bool confirmationChanged = false;

    // Empties both texts (after an apply, and when a pending tag is discarded).
    void ClearTexts() {
        newTag.clear();
        confirmation.clear();
    }
};

// What OK does with the texts in the edits.
enum class EntryVerdict {
    Cancel,    // nothing was ever typed: the dialog ends as if cancelled
    Mismatch,  // the two texts differ (case counts): the dialog says so and stays
    Accept,    // the dialog ends with OK and the page will write the new tag
};

EntryVerdict JudgeEntry(const AssetTagEntry& entry, const std::string& newTag, const std::string& confirmation);

}  // namespace tlw
