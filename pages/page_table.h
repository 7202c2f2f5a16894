// The settings sheet's pages, one row each, in the order the sheet shows
// them and writes them: what a page is made from (its dialog template, its
// caption, its picture and the texts its controls take from the string
// table). The sheet, the console tool's sections (each of its settings
// names its page's template) and the tests go through this table rather than
// counting the pages; MakePage (pages/page_maker.h) makes each row's page.
// No windows.h: the console tool and the native tests read it too.
#pragma once

#include <cstddef>

namespace tlw {

// A constant array's items, where a row lists some.
template <typename T>
struct Items {
    const T* first = nullptr;
    std::size_t count = 0;

    constexpr Items() = default;
    template <std::size_t N>
    constexpr Items(const T (&items)[N]) : first(items), count(N) {}
    constexpr const T* begin() const { return first; }
    constexpr const T* end() const { return first + count; }
    constexpr std::size_t size() const { return count; }
    constexpr const T& operator[](std::size_t i) const { return first[i]; }
};

// A control whose text is a string of the string table.
struct PageText {
    unsigned short control;
    unsigned short text;
};

struct PageRow {
    unsigned templateId;
    // The tab's text and the page's title.
    unsigned captionId;
    // The picture at the page's side: its control, its bitmap and, where it
    // has one, the mask that lets the page show through (0: none).
    int pictureControl;
    unsigned pictureId;
    unsigned maskId;
    Items<PageText> texts;
};

// Every page, in the sheet's order.
Items<PageRow> PageTable();
inline std::size_t PageCount() { return PageTable().size(); }

// The row of the page made from template `templateId`; null when no page is.
const PageRow* PageRowOf(unsigned templateId);
// That page's place in the sheet, from 0; -1 when no page is made from it.
int PageIndexOf(unsigned templateId);

}  // namespace tlw
