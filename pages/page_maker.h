// Makes the page of a row of the page table (pages/page_table.h).
#pragma once

#include <memory>

#include "pages/page_base.h"

// The page object of `row`: the one place that knows which class draws which
// row. Null for a row no class draws.
std::unique_ptr<CMyPropertyPage> MakePage(const tlw::PageRow& row);
