// Checks that the generated art does its job: pieces, bombs, frames, digits
// and status lines are told apart, and the next piece lands in its box.
#include "ui/AssetFiles.h"
#include "ui/DibImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace brinox {
namespace {

const std::string kGame = BRINOX_GAME_DIR;

struct Rgb {
    double r = 0, g = 0, b = 0;
};

double Distance(const Rgb& a, const Rgb& b) {
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) +
                     (a.b - b.b) * (a.b - b.b));
}

Rgb Mean(const DibImage& image, int x0, int y0, int w, int h) {
    Rgb sum;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            const std::uint32_t p = image.Pixel(x, y);
            sum.r += p >> 16 & 0xFF;
            sum.g += p >> 8 & 0xFF;
            sum.b += p & 0xFF;
        }
    }
    const double n = w * h;
    return {sum.r / n, sum.g / n, sum.b / n};
}

// How two equally sized areas differ: the mean absolute per-channel difference,
// and the count of pixels whose colour differs clearly (one lit segment is enough).
struct Contrast {
    double mean = 0;
    int clearPixels = 0;
};
Contrast Compare(const DibImage& a, int ax, const DibImage& b, int bx, int w, int h) {
    Contrast c;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int channels = 0;
            for (int shift : {0, 8, 16}) {
                channels += std::abs(static_cast<int>(a.Pixel(ax + x, y) >> shift & 0xFF) -
                                     static_cast<int>(b.Pixel(bx + x, y) >> shift & 0xFF));
            }
            c.mean += channels / (w * h * 3.0);
            c.clearPixels += channels > 90;
        }
    }
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
                const double colour = Distance(Mean(blocks, a * cell, 0, cell, cell),
                                               Mean(blocks, b * cell, 0, cell, cell));
                const double pixels = Compare(blocks, a * cell, blocks, b * cell, cell, cell).mean;
                EXPECT_TRUE(colour > 18 || pixels > 30)
                    << "kinds " << a << " and " << b << " of size " << cell << " look alike ("
                    << colour << ", " << pixels << ")";
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
} // namespace brinox
