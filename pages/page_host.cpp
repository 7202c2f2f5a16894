// The page host travels as a property of the sheet's window.
#include "pages/page_host.h"

namespace {

constexpr const char* kHostProperty = "tlw.PageHost";

}  // namespace

void CPageHost::Attach(HWND sheet, CPageHost* host) { ::SetPropA(sheet, kHostProperty, host); }

void CPageHost::Detach(HWND sheet) { ::RemovePropA(sheet, kHostProperty); }

CPageHost* CPageHost::Of(HWND page) {
    HWND sheet = page ? ::GetParent(page) : nullptr;
    return sheet ? static_cast<CPageHost*>(::GetPropA(sheet, kHostProperty)) : nullptr;
}
