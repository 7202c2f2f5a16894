// The table of buffers lent to the driver. Requests are synchronous and one at
// a time, so the table holds at most a handful of entries.
#include "bios/buffer_lease.h"

#include <algorithm>
#include <vector>

namespace tlw {
namespace {

struct Lent {
    std::uint32_t address;
    std::uint8_t* data;
    std::size_t size;
};

std::vector<Lent>& LentBuffers() {
    static std::vector<Lent> lent;
    return lent;
}

std::uint32_t AddressFor(void* data) {
    if constexpr (sizeof(void*) <= sizeof(std::uint32_t)) {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(data));
    } else {
        // Stand-in addresses, 64 KB apart, never 0.
        static std::uint32_t next = 0x00010000u;
        const std::uint32_t address = next;
        next += 0x00010000u;
        if (next == 0) next = 0x00010000u;
        return address;
    }
}

}  // namespace

BufferLease::BufferLease(void* data, std::size_t size) : address_(AddressFor(data)) {
    LentBuffers().push_back({address_, static_cast<std::uint8_t*>(data), size});
}

BufferLease::~BufferLease() {
    auto& lent = LentBuffers();
    auto it = std::find_if(lent.rbegin(), lent.rend(),
                           [this](const Lent& l) { return l.address == address_; });
    if (it != lent.rend()) lent.erase(std::next(it).base());
}

std::uint8_t* LentMemory(std::uint32_t address, std::size_t size) {
    for (const Lent& l : LentBuffers()) {
        if (address < l.address) continue;
        const std::size_t offset = address - l.address;
        if (offset <= l.size && size <= l.size - offset) return l.data + offset;
    }
    return nullptr;
}

}  // namespace tlw
