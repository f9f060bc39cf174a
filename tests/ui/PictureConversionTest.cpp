#include "ui/PictureConversion.h"
#include "BmpBytes.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

// Each stored pixel in its colour, top row first: an index in its palette's
// (black past a short palette), 24 and 32 bits as stored; 1-bit rows cross a byte.
TEST(PictureConversion, EachDepthShowsEachPixelInItsColourTopRowFirst) {
    const std::uint32_t a = 0x102030, b = 0x405060, c = 0x708090;
    const struct {
        std::uint16_t depth;
        std::int32_t width;
        std::vector<std::uint32_t> pixels, shown; // from the top; shown empty: the pixels
    } cases[] = {{1, 10, {1, 0, 0, 0, 0, 0, 0, 1, 1, 0}, {b, a, a, a, a, a, a, b, b, a}},
                 {4, 3, {2, 1, 0, 3, 15, 2}, {c, b, a, 0, 0, c}},
                 {8, 2, {2, 1, 0, 255}, {c, b, a, 0}},
                 {24, 3, {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0}, {}},
                 {32, 2, {0x336699, 0xFEDCBA, 0x010203, 0}, {}}};
    for (const auto& [depth, width, pixels, shown] : cases) {
        const auto height = static_cast<std::int32_t>(pixels.size()) / width;
        BmpSpec spec{width,     height, depth, depth > 8 ? 0u : depth == 1 ? 2u : 3u,
                     {a, b, c}, pixels};
        spec.palette.resize(spec.usedColors);
        const QImage image = ToQImage(DibImage::FromFileBytes(MakeBmp(spec)));
        ASSERT_EQ(image.size(), QSize(width, height)) << depth;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const auto x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
            EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, (shown.empty() ? pixels : shown)[i])
                << depth << " bits at " << i;
        }
    }
}

} // namespace
} // namespace brinox::test
