// Little-endian reads from a file's bytes, each checked against their size:
// a read that would run past the end fails and reads nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tlw {

class Bytes {
public:
    static constexpr std::size_t kMaxLength = 512;  // of a string

    Bytes(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    bool Has(std::size_t offset, std::size_t count) const { return offset <= size_ && count <= size_ - offset; }
    bool U8(std::size_t offset, std::uint8_t& value) const {
        if (!Has(offset, 1)) return false;
        value = data_[offset];
        return true;
    }
    bool U16(std::size_t offset, std::uint16_t& value) const {
        if (!Has(offset, 2)) return false;
        value = static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
        return true;
    }
    bool U32(std::size_t offset, std::uint32_t& value) const {
        if (!Has(offset, 4)) return false;
        value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | data_[offset + static_cast<std::size_t>(i)];
        return true;
    }
    bool U64(std::size_t offset, std::uint64_t& value) const {
        std::uint32_t low = 0, high = 0;
        if (!U32(offset, low) || !U32(offset + 4, high)) return false;
        value = static_cast<std::uint64_t>(high) << 32 | low;
        return true;
    }
    // A NUL-terminated string wholly inside the data.
    bool String(std::size_t offset, std::string& text) const {
        text.clear();
        for (std::size_t i = offset; i < size_ && text.size() < kMaxLength; ++i) {
            if (data_[i] == 0) return true;
            text.push_back(static_cast<char>(data_[i]));
        }
        return false;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
};

}  // namespace tlw
