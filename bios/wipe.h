// Clearing memory that held a password, in a way the compiler may not drop
// as a store nobody reads afterwards.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tlw {

inline void WipeBytes(void* data, std::size_t size) {
    volatile std::uint8_t* bytes = static_cast<volatile std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = 0;
}

}  // namespace tlw
