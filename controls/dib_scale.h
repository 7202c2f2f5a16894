// Smooth scaling of a page picture for large fonts: a packed bitmap's pixels resampled to a new size with a tent
// filter, which blends neighbouring pixels when enlarging (no blocks, no jagged edges) and averages the pixels each
// new one covers when reducing. Portable: the picture control hands in the locked bitmap resource and makes a
// device bitmap of the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/dib_layout.h"

namespace tlw {

// The pixels of the packed bitmap at data[0, size), laid out by `layout` (ParseDib of the same bytes), scaled to
// width x height: one 32-bit value per pixel, blue in the low byte, then green, then red, the high byte 0, rows from
// the top. Empty when the layout is unusable or a size is not positive. 16-bit pixels are read as 5-5-5.
std::vector<std::uint32_t> ScaleDib(const DibLayout& layout, const unsigned char* data, std::size_t size, int width,
                                    int height);

}  // namespace tlw
