#include "BmpBytes.h"

namespace brinox::test {

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

} // namespace

std::vector<std::uint8_t> MakeBmp(const BmpSpec& spec) {
    const auto w = static_cast<std::uint32_t>(spec.width > 0 ? spec.width : 0);
    const auto h = static_cast<std::uint32_t>(spec.height > 0 ? spec.height : 0);
    const std::uint32_t stride = (w * spec.bitCount + 31) / 32 * 4;
    const std::uint32_t tableSize = static_cast<std::uint32_t>(spec.palette.size()) * 4;
    const std::uint32_t offset = 14 + spec.headerSize + tableSize;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put(out, offset + stride * h, 4);
    Put(out, 0, 4);
    Put(out, offset, 4);
    Put(out, spec.headerSize, 4);
    Put(out, static_cast<std::uint32_t>(spec.width), 4);
    Put(out, static_cast<std::uint32_t>(spec.height), 4);
    Put(out, spec.planes, 2);
    Put(out, spec.bitCount, 2);
    Put(out, spec.compression, 4);
    Put(out, spec.imageSize, 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, spec.usedColors, 4);
    Put(out, 0, 4);
    for (std::uint32_t i = 40; i < spec.headerSize; ++i) {
        out.push_back(0);
    }
    for (std::uint32_t rgb : spec.palette) {
        Put(out, rgb & 0xFFFFFF, 4); // stored blue, green, red, 0
    }
    for (std::uint32_t row = h; row-- > 0;) {
        std::vector<std::uint8_t> line(stride, 0);
        for (std::uint32_t x = 0; x < w; ++x) {
            const std::size_t at = static_cast<std::size_t>(row) * w + x;
            const std::uint32_t v = at < spec.pixels.size() ? spec.pixels[at] : 0;
            if (spec.bitCount >= 24) {
                const std::size_t p = x * (spec.bitCount / 8u);
                line[p] = static_cast<std::uint8_t>(v);
                line[p + 1] = static_cast<std::uint8_t>(v >> 8);
                line[p + 2] = static_cast<std::uint8_t>(v >> 16);
            } else {
                const std::uint32_t bitPos = x * spec.bitCount;
                const std::uint32_t shift = 8 - spec.bitCount - bitPos % 8;
                line[bitPos / 8] = static_cast<std::uint8_t>(line[bitPos / 8] | (v << shift));
            }
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

} // namespace brinox::test
