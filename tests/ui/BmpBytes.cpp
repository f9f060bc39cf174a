#include "BmpBytes.h"

namespace brinox::test {

std::vector<std::uint8_t> MakeBmp(const BmpSpec& spec) {
    const auto w = static_cast<std::uint32_t>(spec.width > 0 ? spec.width : 0);
    const auto h = static_cast<std::uint32_t>(spec.height > 0 ? spec.height : 0);
    const std::uint32_t stride = (w * spec.bitCount + 31) / 32 * 4;
    const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(spec.palette.size());
    std::vector<std::uint8_t> out = {'B', 'M'};
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    // File header, then the 40-byte info header (2835 pixels per metre).
    // clang-format off
    const std::pair<std::uint32_t, int> fields[] = {
        {offset + stride * h, 4}, {0, 4}, {offset, 4}, {40, 4},
        {static_cast<std::uint32_t>(spec.width), 4}, {static_cast<std::uint32_t>(spec.height), 4},
        {1, 2}, {spec.bitCount, 2}, {0, 4}, {0, 4},
        {2835, 4}, {2835, 4}, {spec.usedColors, 4}, {0, 4}};
    // clang-format on
    for (const auto& [value, bytes] : fields) {
        put(value, bytes);
    }
    for (std::uint32_t rgb : spec.palette) {
        put(rgb & 0xFFFFFF, 4); // stored blue, green, red, 0
    }
    for (std::uint32_t row = h; row-- > 0;) {
        std::vector<std::uint8_t> line(stride, 0);
        for (std::uint32_t x = 0; x < w; ++x) {
            const std::size_t at = static_cast<std::size_t>(row) * w + x;
            const std::uint32_t v = at < spec.pixels.size() ? spec.pixels[at] : 0;
            for (std::uint32_t c = 0; spec.bitCount >= 24 && c < 3; ++c) {
                line[x * (spec.bitCount / 8u) + c] = static_cast<std::uint8_t>(v >> (8 * c));
            }
            if (spec.bitCount < 24) {
                const std::uint32_t bit = x * spec.bitCount;
                line[bit / 8] =
                    static_cast<std::uint8_t>(line[bit / 8] | v << (8 - spec.bitCount - bit % 8));
            }
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

} // namespace brinox::test
