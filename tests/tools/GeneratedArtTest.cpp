// Checks that the generated art does its job: pieces, bombs and digits are
// told apart.
#include "ui/AssetFiles.h"
#include "ui/DibImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace brinox::test {
namespace {

const std::string kGame = BRINOX_GAME_DIR;

// How two equally sized areas differ: the distance of their mean colours, the
// mean absolute per-channel difference, and the count of pixels whose colour
// differs clearly (one lit segment is enough).
struct Contrast {
    double colour = 0;
    double mean = 0;
    int clearPixels = 0;
};
Contrast Compare(const DibImage& a, int ax, const DibImage& b, int bx, int w, int h) {
    Contrast c;
    double shift[3] = {}; // of the mean red, green and blue
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int channels = 0;
            for (int k = 0; k < 3; ++k) {
                const int d = static_cast<int>(a.Pixel(ax + x, y) >> (8 * k) & 0xFF) -
                              static_cast<int>(b.Pixel(bx + x, y) >> (8 * k) & 0xFF);
                shift[k] += d / (w * h * 1.0);
                channels += std::abs(d);
            }
            c.mean += channels / (w * h * 3.0);
            c.clearPixels += channels > 90;
        }
    }
    c.colour = std::hypot(shift[0], shift[1], shift[2]);
    return c;
}

class BlockSet : public ::testing::TestWithParam<int> {};

TEST_P(BlockSet, PiecesAndBombsAreToldApartInBothSizes) {
    for (int size = 0; size < 2; ++size) {
        const int cell = size == 0 ? 20 : 30;
        const DibImage blocks = LoadPicture(kGame, assets::BlockPicture(GetParam(), size));
        ASSERT_FALSE(blocks.Empty());
        for (int a = 0; a < 19; ++a) {
            for (int b = a + 1; b < 19; ++b) {
                const Contrast c = Compare(blocks, a * cell, blocks, b * cell, cell, cell);
                EXPECT_TRUE(c.colour > 18 || c.mean > 30)
                    << "kinds " << a << " and " << b << " of size " << cell << " look alike ("
                    << c.colour << ", " << c.mean << ")";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllSets, BlockSet, ::testing::Range(0, 14));

TEST(GeneratedArt, EveryDigitCellIsDistinct) {
    for (int set = 0; set < 3; ++set) {
        const DibImage digits = LoadPicture(kGame, assets::DigitPicture(set));
        for (int a = 0; a <= 10; ++a) { // 10 is the blank cell
            for (int b = a + 1; b <= 10; ++b) {
                EXPECT_GE(Compare(digits, a * 16, digits, b * 16, 16, 21).clearPixels, 10)
                    << "set " << set << " cells " << a << " and " << b;
            }
        }
    }
    const DibImage clock = LoadPicture(kGame, assets::File(Picture::ClockDigits));
    for (int a = 0; a < 12; ++a) {
        for (int b = a + 1; b < 12; ++b) {
            EXPECT_GE(Compare(clock, a * 5, clock, b * 5, 5, 9).clearPixels, 2)
                << "clock cells " << a << " and " << b;
        }
    }
}

} // namespace
} // namespace brinox::test
