// The resource tree down to the version resource's bytes (type 16, then its
// first name and first language), then its blocks: the root holds
// "StringFileInfo", which holds string tables, which hold the texts. Every
// block gives its own length; a length that runs past its parent, a key
// without its end or an offset outside the file ends the walk with nothing.
#include "tools/version_resource.h"

#include <cstdint>

#include "tools/checked_bytes.h"

namespace tlw {
namespace {

constexpr std::uint32_t kVersionType = 16;
constexpr std::uint32_t kSubdirectory = 0x80000000u;
constexpr std::uint16_t kTextValue = 1;

// The entry of the resource directory at `directory` whose id is `id`, or its
// first entry when `id` is 0: what its offset field holds.
bool DirectoryEntry(const Bytes& r, std::size_t directory, std::uint32_t id, std::uint32_t& offset) {
    std::uint16_t named = 0, numbered = 0;
    if (!r.U16(directory + 12, named) || !r.U16(directory + 14, numbered)) return false;
    for (std::size_t i = 0; i < static_cast<std::size_t>(named) + numbered; ++i) {
        std::uint32_t name = 0;
        const std::size_t entry = directory + 16 + 8 * i;
        if (!r.U32(entry, name) || !r.U32(entry + 4, offset)) return false;
        if (id == 0 || name == id) return true;
    }
    return false;
}

// The file offset and size of the version resource's bytes.
bool FindVersionResource(const Bytes& r, const PeImage& image, std::size_t& start, std::size_t& size) {
    std::size_t root = 0;
    if (image.resourceRva == 0 || !FileOffsetOf(image, image.resourceRva, root)) return false;
    std::uint32_t offset = 0;
    // The type's and the name's entries lead to directories, the language's to the data's entry.
    if (!DirectoryEntry(r, root, kVersionType, offset) || !(offset & kSubdirectory)) return false;
    if (!DirectoryEntry(r, root + (offset & ~kSubdirectory), 0, offset) || !(offset & kSubdirectory)) return false;
    if (!DirectoryEntry(r, root + (offset & ~kSubdirectory), 0, offset) || (offset & kSubdirectory)) return false;
    std::uint32_t dataRva = 0, dataSize = 0;
    if (!r.U32(root + offset, dataRva) || !r.U32(root + offset + 4, dataSize)) return false;
    if (!FileOffsetOf(image, dataRva, start) || !r.Has(start, dataSize)) return false;
    size = dataSize;
    return true;
}

// One block: its length, key, value and children, all inside its parent.
struct Block {
    std::size_t end = 0;
    std::string key;
    std::size_t value = 0;     // where its value starts
    std::size_t children = 0;  // where its first child starts
};

// Blocks start on 32-bit boundaries, counted from the resource's first byte.
std::size_t Aligned(std::size_t offset, std::size_t base, std::size_t limit) {
    const std::size_t aligned = base + ((offset - base + 3) & ~static_cast<std::size_t>(3));
    return aligned < limit ? aligned : limit;
}

bool ReadBlock(const Bytes& r, std::size_t at, std::size_t limit, std::size_t base, Block& block) {
    std::uint16_t length = 0, valueLength = 0, type = 0;
    if (!r.U16(at, length) || !r.U16(at + 2, valueLength) || !r.U16(at + 4, type)) return false;
    if (length < 6 || length > limit - at) return false;
    block.end = at + length;
    block.key.clear();
    std::size_t p = at + 6;
    for (std::uint16_t c = 1; c != 0; p += 2) {
        if (p + 2 > block.end || !r.U16(p, c)) return false;
        if (c != 0) block.key.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    block.value = Aligned(p, base, block.end);
    const std::size_t valueBytes = type == kTextValue ? 2u * valueLength : valueLength;
    block.children = Aligned(block.value + (valueBytes < block.end - block.value ? valueBytes : block.end - block.value),
                             base, block.end);
    return true;
}

// Calls `visit` with each child block of `parent` until it returns true;
// false when a child is damaged.
template <typename Visit>
bool EachChild(const Bytes& r, const Block& parent, std::size_t base, Visit visit) {
    Block child;
    for (std::size_t at = parent.children; at + 6 <= parent.end; at = Aligned(child.end, base, parent.end)) {
        if (!ReadBlock(r, at, parent.end, base, child)) return false;
        if (visit(child)) return true;
    }
    return true;
}

std::string TextValue(const Bytes& r, const Block& block) {
    std::string text;
    std::uint16_t c = 0;
    for (std::size_t p = block.value; p + 2 <= block.end && r.U16(p, c) && c != 0; p += 2) {
        text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return text;
}

}  // namespace

std::map<std::string, std::string> VersionTexts(const unsigned char* data, std::size_t size, const PeImage& image) {
    const Bytes r(data, size);
    std::size_t start = 0, length = 0;
    Block root;
    if (!FindVersionResource(r, image, start, length) || !ReadBlock(r, start, start + length, start, root) ||
        root.key != "VS_VERSION_INFO") {
        return {};
    }
    std::map<std::string, std::string> texts;
    EachChild(r, root, start, [&](const Block& info) {
        if (info.key != "StringFileInfo") return false;
        return EachChild(r, info, start, [&](const Block& table) {
            std::map<std::string, std::string> found;
            const bool whole = EachChild(r, table, start, [&](const Block& text) {
                found[text.key] = TextValue(r, text);
                return false;
            });
            if (whole) texts = found;
            return true;  // only the first table
        });
    });
    return texts;
}

}  // namespace tlw
