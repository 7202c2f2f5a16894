// Lends a buffer of the caller's memory to the driver for one request. ESI
// carries a 32-bit address; on a 32-bit build that is the buffer's own address,
// as the real driver expects. On a wider host (the native tests) a pointer does
// not fit, so the lease hands out a stand-in address that only a driver in this
// process (the simulated notebook) can turn back into memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tlw {

class BufferLease {
public:
    BufferLease(void* data, std::size_t size);
    ~BufferLease();
    BufferLease(const BufferLease&) = delete;
    BufferLease& operator=(const BufferLease&) = delete;

    std::uint32_t address() const { return address_; }

private:
    std::uint32_t address_;
};

// The memory behind [address, address + size) if it lies wholly inside a
// buffer lent right now; null otherwise.
std::uint8_t* LentMemory(std::uint32_t address, std::size_t size);

}  // namespace tlw
