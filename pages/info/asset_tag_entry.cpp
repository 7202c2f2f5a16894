// The asset tag dialog's decision on OK.
#include "pages/info/asset_tag_entry.h"

namespace tlw {

EntryVerdict JudgeEntry(const AssetTagEntry& entry, const std::string& newTag, const std::string& confirmation) {
    if (!entry.newTagChanged && !entry.confirmationChanged) return EntryVerdict::Cancel;
    return newTag == confirmation ? EntryVerdict::Accept : EntryVerdict::Mismatch;
}

}  // namespace tlw
