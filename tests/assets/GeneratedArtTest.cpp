// Checks that the generated art does its job: pieces, bombs, frames, digits
// and status lines are told apart, and the next piece lands in its box.
#include "ui/AssetFiles.h"
#include "ui/DibImage.h"

#include "engine/PieceShape.h"

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

// Mean absolute per-channel difference of two equally sized areas.
double Difference(const DibImage& a, int ax, const DibImage& b, int bx, int w, int h, int ay = 0,
                  int by = 0) {
    double total = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = a.Pixel(ax + x, ay + y);
            const std::uint32_t q = b.Pixel(bx + x, by + y);
            for (int shift : {0, 8, 16}) {
                total += std::abs(static_cast<int>(p >> shift & 0xFF) -
                                  static_cast<int>(q >> shift & 0xFF));
            }
        }
    }
    return total / (w * h * 3);
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
                const double pixels = Difference(blocks, a * cell, blocks, b * cell, cell, cell);
                EXPECT_TRUE(colour > 18 || pixels > 30)
                    << "kinds " << a << " and " << b << " of size " << cell << " look alike ("
                    << colour << ", " << pixels << ")";
            }
        }
    }
}

TEST_P(BlockSet, RemovalFramesDissolveEachKind) {
    for (int size = 0; size < 2; ++size) {
        const int cell = size == 0 ? 20 : 30;
        const DibImage frames = LoadPicture(kGame, assets::RemovalPicture(GetParam(), size));
        const DibImage blocks = LoadPicture(kGame, assets::BlockPicture(GetParam(), size));
        ASSERT_FALSE(frames.Empty());
        for (int kind = 0; kind < 16; ++kind) {
            const int first = kind * 5 * cell;
            for (int f = 1; f < 5; ++f) {
                EXPECT_GT(Difference(frames, first + (f - 1) * cell, frames, first + f * cell, cell,
                                     cell),
                          2.0)
                    << "kind " << kind << " frame " << f << " repeats the one before";
            }
            // By the last frame the block is mostly gone.
            EXPECT_GT(Difference(frames, first + 4 * cell, blocks, kind * cell, cell, cell), 15.0)
                << "kind " << kind << " is still whole in the last frame";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllSets, BlockSet, ::testing::Range(0, 14));

TEST(GeneratedArt, BlockSetsDifferFromEachOther) {
    for (int a = 0; a < 14; ++a) {
        const DibImage first = LoadPicture(kGame, assets::BlockPicture(a, 0));
        for (int b = a + 1; b < 14; ++b) {
            const DibImage second = LoadPicture(kGame, assets::BlockPicture(b, 0));
            EXPECT_GT(Difference(first, 0, second, 0, 16 * 20, 20), 10.0)
                << "sets " << a << " and " << b;
        }
    }
}

TEST(GeneratedArt, ExplosionFramesAllDiffer) {
    for (const char* name : {"graph/expl.bmp", "graph/explb.bmp"}) {
        const DibImage frames = LoadPicture(kGame, name);
        const int cell = frames.Height();
        for (int a = 0; a < 5; ++a) {
            for (int b = a + 1; b < 5; ++b) {
                EXPECT_GT(Difference(frames, a * cell, frames, b * cell, cell, cell), 3.0)
                    << name << " frames " << a << " and " << b;
            }
        }
    }
}

// Pixels whose colour differs clearly (one lit segment is enough).
int Differing(const DibImage& a, int ax, const DibImage& b, int bx, int w, int h) {
    int count = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = a.Pixel(ax + x, y);
            const std::uint32_t q = b.Pixel(bx + x, y);
            int channels = 0;
            for (int shift : {0, 8, 16}) {
                channels += std::abs(static_cast<int>(p >> shift & 0xFF) -
                                     static_cast<int>(q >> shift & 0xFF));
            }
            count += channels > 90;
        }
    }
    return count;
}

TEST(GeneratedArt, EveryDigitCellIsDistinct) {
    for (int set = 0; set < 3; ++set) {
        const DibImage digits = LoadPicture(kGame, assets::DigitPicture(set));
        for (int a = 0; a <= 10; ++a) { // 10 is the blank cell
            for (int b = a + 1; b <= 10; ++b) {
                EXPECT_GE(Differing(digits, a * 16, digits, b * 16, 16, 21), 10)
                    << "set " << set << " cells " << a << " and " << b;
            }
        }
    }
    const DibImage clock = LoadPicture(kGame, assets::kClockDigits);
    for (int a = 0; a < 12; ++a) {
        for (int b = a + 1; b < 12; ++b) {
            EXPECT_GE(Differing(clock, a * 5, clock, b * 5, 5, 9), 2)
                << "clock cells " << a << " and " << b;
        }
    }
}

TEST(GeneratedArt, StatusLinesAreWrittenAndAllDifferent) {
    const DibImage lines = LoadPicture(kGame, assets::kStatusLines);
    ASSERT_EQ(lines.Height(), 26 * 15);
    const std::uint32_t background = lines.Pixel(413, 0);
    for (int line = 0; line < 26; ++line) {
        int ink = 0;
        for (int y = line * 15; y < line * 15 + 15; ++y) {
            for (int x = 0; x < 414; ++x) {
                ink += lines.Pixel(x, y) != background;
            }
        }
        EXPECT_GT(ink, 150) << "line " << line << " has hardly any text";
        for (int other = 0; other < line; ++other) {
            EXPECT_GT(Difference(lines, 0, lines, 0, 414, 15, line * 15, other * 15), 1.0)
                << "lines " << other << " and " << line;
        }
    }
}

TEST(GeneratedArt, ButtonStatesLookDifferent) {
    for (std::string_view name :
         {assets::kStart, assets::kStop, assets::kPauseOff, assets::kPauseOn,
          assets::kOptionsButton, assets::kSave, assets::kLoad, assets::kTable, assets::kWorldTable,
          assets::kHelpButton, assets::kExit, assets::kTypes, assets::kModes, assets::kBombsButton,
          assets::kLogo, assets::kBarShown, assets::kBarHidden, assets::kStatusShown,
          assets::kStatusHidden}) {
        const DibImage strip = LoadPicture(kGame, name);
        const int w = strip.Width() / 3;
        EXPECT_GT(Difference(strip, 0, strip, w, w, strip.Height()), 2.0) << name << " hover";
        EXPECT_GT(Difference(strip, 0, strip, 2 * w, w, strip.Height()), 2.0) << name << " press";
        EXPECT_GT(Difference(strip, w, strip, 2 * w, w, strip.Height()), 2.0) << name;
    }
    // Enabled and disabled pictures differ.
    const DibImage save = LoadPicture(kGame, assets::kSave);
    const DibImage saveOff = LoadPicture(kGame, assets::kSaveDisabled);
    EXPECT_GT(Difference(save, 0, saveOff, 0, 54, 19), 5.0);
}

TEST(GeneratedArt, NextPieceCellsLieInsideTheDarkBoxOfTheNextBar) {
    // Next-piece origins of the Normal window; the bar's picture is at (356, 32).
    const int originX[16] = {401, 411, 401, 401, 401, 401, 391, 401,
                             401, 401, 401, 411, 391, 401, 401, 391};
    const int originY[16] = {68, 58, 68, 68, 68, 68, 48, 58, 58, 58, 58, 68, 68, 48, 48, 48};
    const DibImage bar = LoadPicture(kGame, assets::kNextBar);
    ASSERT_FALSE(bar.Empty());
    const Rgb box = Mean(bar, 55, 36, 1, 1);
    for (int kind = 0; kind < 16; ++kind) {
        for (int i = 0; i < PieceShape::CellCount(kind); ++i) {
            const CellOffset o = PieceShape::Offset(kind, 0, i);
            const int x = originX[kind] + o.dx * 20 - 356;
            const int y = originY[kind] + o.dy * 20 - 32;
            ASSERT_GE(x, 1);
            ASSERT_GE(y, 1);
            ASSERT_LE(x + 20, 109);
            ASSERT_LE(y + 20, 72);
            // The whole cell and a one-pixel ring around it are box, not frame.
            for (int yy = y - 1; yy <= y + 20; ++yy) {
                for (int xx = x - 1; xx <= x + 20; ++xx) {
                    const Rgb here = Mean(bar, xx, yy, 1, 1);
                    EXPECT_LT(Distance(here, box), 40)
                        << "kind " << kind << " at " << xx << "," << yy;
                }
            }
        }
    }
}

} // namespace
} // namespace brinox
