// The tent filter over a packed bitmap's pixels, across and then down.
#include "controls/dib_scale.h"

#include <algorithm>
#include <cmath>

namespace tlw {
namespace {

struct Tap {
    int index;
    float weight;
};

// For each of `to` new pixels along one axis, the old pixels it takes from and their weights. The tent is one old
// pixel wide on each side when enlarging (linear interpolation) and one new pixel wide when reducing.
std::vector<std::vector<Tap>> Taps(int from, int to) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(to) / from;
    const double radius = scale < 1.0 ? 1.0 / scale : 1.0;
    for (int o = 0; o < to; ++o) {
        const double centre = (o + 0.5) / scale - 0.5;
        std::vector<Tap>& row = taps[static_cast<std::size_t>(o)];
        double total = 0.0;
        for (int i = static_cast<int>(std::floor(centre - radius)) + 1; i < centre + radius; ++i) {
            const double weight = 1.0 - std::fabs(i - centre) / radius;
            if (weight <= 0.0) continue;
            const int clamped = std::min(std::max(i, 0), from - 1);
            row.push_back({clamped, static_cast<float>(weight)});
            total += weight;
        }
        if (row.empty()) row.push_back({std::min(std::max(static_cast<int>(centre + 0.5), 0), from - 1), 1.0f});
        for (Tap& tap : row) tap.weight = static_cast<float>(tap.weight / (total > 0.0 ? total : 1.0));
    }
    return taps;
}

std::uint32_t ReadU16(const unsigned char* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }

// The source's pixels as blue-green-red values, rows from the top.
std::vector<std::uint32_t> Decode(const DibLayout& layout, const unsigned char* data) {
    const int width = layout.width;
    const int height = layout.height < 0 ? -layout.height : layout.height;
    const std::size_t stride = layout.bitsSize / static_cast<std::size_t>(height);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int stored = layout.height < 0 ? y : height - 1 - y;
        const unsigned char* row = data + layout.bitsOffset + static_cast<std::size_t>(stored) * stride;
        for (int x = 0; x < width; ++x) {
            std::uint32_t value = 0;
            switch (layout.bitCount) {
                case 1:
                case 4:
                case 8: {
                    const int bits = layout.bitCount;
                    const int perByte = 8 / bits;
                    const int shift = 8 - bits * (x % perByte + 1);
                    const unsigned index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
                    const DibColour& c = layout.palette[index];
                    value = (static_cast<std::uint32_t>(c.red) << 16) | (c.green << 8) | c.blue;
                    break;
                }
                case 16: {
                    const std::uint32_t v = ReadU16(row + 2 * x);
                    const auto widen = [](std::uint32_t five) { return (five << 3) | (five >> 2); };
                    value = (widen((v >> 10) & 31) << 16) | (widen((v >> 5) & 31) << 8) | widen(v & 31);
                    break;
                }
                default: {  // 24 or 32 bits: blue, green, red
                    const unsigned char* p = row + static_cast<std::size_t>(x) * (layout.bitCount / 8);
                    value = (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
                    break;
                }
            }
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = value;
        }
    }
    return pixels;
}

}  // namespace

std::vector<std::uint32_t> ScaleDib(const DibLayout& layout, const unsigned char* data, std::size_t size, int width,
                                    int height) {
    if (layout.usability == DibUsability::Unusable || data == nullptr || width <= 0 || height <= 0) return {};
    if (layout.bitCount <= 8 && layout.palette.size() < (1u << layout.bitCount)) return {};
    if (layout.bitsOffset + layout.bitsSize > size) return {};
    const int fromWidth = layout.width;
    const int fromHeight = layout.height < 0 ? -layout.height : layout.height;
    const std::vector<std::uint32_t> source = Decode(layout, data);

    // Across: every old row to the new width, three channels each.
    const auto across = Taps(fromWidth, width);
    std::vector<float> rows(static_cast<std::size_t>(fromHeight) * static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < fromHeight; ++y) {
        const std::uint32_t* in = &source[static_cast<std::size_t>(y) * static_cast<std::size_t>(fromWidth)];
        float* out = &rows[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3];
        for (int x = 0; x < width; ++x) {
            float sum[3] = {0, 0, 0};
            for (const Tap& tap : across[static_cast<std::size_t>(x)]) {
                const std::uint32_t v = in[tap.index];
                for (int c = 0; c < 3; ++c) sum[c] += tap.weight * static_cast<float>((v >> (8 * c)) & 0xFF);
            }
            for (int c = 0; c < 3; ++c) out[3 * x + c] = sum[c];
        }
    }
    // Down: the new rows from those.
    const auto down = Taps(fromHeight, height);
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float sum[3] = {0, 0, 0};
            for (const Tap& tap : down[static_cast<std::size_t>(y)]) {
                const float* in = &rows[(static_cast<std::size_t>(tap.index) * static_cast<std::size_t>(width) +
                                         static_cast<std::size_t>(x)) * 3];
                for (int c = 0; c < 3; ++c) sum[c] += tap.weight * in[c];
            }
            std::uint32_t value = 0;
            for (int c = 0; c < 3; ++c) {
                const long channel = std::lround(sum[c]);
                value |= static_cast<std::uint32_t>(std::min(255L, std::max(0L, channel))) << (8 * c);
            }
            scaled[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = value;
        }
    }
    return scaled;
}

}  // namespace tlw
