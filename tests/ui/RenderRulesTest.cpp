// Plain rules of the presentation: counter digits, the automatic window size
// and the geometry of both layouts.
#include "ui/Layout.h"
#include "ui/SplitDigits.h"
#include "ui/WindowSize.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

struct DigitsCase {
    std::int32_t value;
    std::array<std::int32_t, 7> digits;
};

class SplitDigitsTest : public ::testing::TestWithParam<DigitsCase> {};

TEST_P(SplitDigitsTest, LeadingPlacesAreBlank) {
    EXPECT_EQ(SplitDigits(GetParam().value), GetParam().digits);
}

INSTANTIATE_TEST_SUITE_P(Values, SplitDigitsTest,
                         ::testing::Values(DigitsCase{0, {0, -1, -1, -1, -1, -1, -1}},
                                           DigitsCase{5, {5, -1, -1, -1, -1, -1, -1}},
                                           DigitsCase{10, {0, 1, -1, -1, -1, -1, -1}},
                                           DigitsCase{1204, {4, 0, 2, 1, -1, -1, -1}},
                                           DigitsCase{999999, {9, 9, 9, 9, 9, 9, -1}},
                                           DigitsCase{1000000, {0, 0, 0, 0, 0, 0, 1}},
                                           DigitsCase{20000007, {7, 0, 0, 0, 0, 0, 20}}));

struct ScreenCase {
    std::int32_t width;
    std::int32_t height;
    WindowSize size;
};

class AutomaticSizeTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(AutomaticSizeTest, BigFromEightThirtyBySixTwenty) {
    EXPECT_EQ(AutomaticWindowSize(GetParam().width, GetParam().height), GetParam().size);
    EXPECT_EQ(WindowSizeOfSetting(100, GetParam().width, GetParam().height), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Screens, AutomaticSizeTest,
                         ::testing::Values(ScreenCase{1024, 768, WindowSize::Big},
                                           ScreenCase{800, 600, WindowSize::Normal},
                                           ScreenCase{830, 620, WindowSize::Big},
                                           ScreenCase{829, 620, WindowSize::Normal},
                                           ScreenCase{830, 619, WindowSize::Normal}));

TEST(WindowSizeSetting, FixedSettingsIgnoreTheScreen) {
    EXPECT_EQ(WindowSizeOfSetting(0, 1920, 1080), WindowSize::Normal);
    EXPECT_EQ(WindowSizeOfSetting(1, 640, 480), WindowSize::Big);
    EXPECT_EQ(WindowSizeOfSetting(7, 640, 480), WindowSize::Normal);
}

class LayoutTest : public ::testing::TestWithParam<WindowSize> {};

TEST_P(LayoutTest, VisibleRowsFillThePlayingAreaExactly) {
    const Layout layout = Layout::For(GetParam());
    EXPECT_EQ(layout.CellRect(0, 3).topLeft(), layout.playingArea.topLeft());
    EXPECT_EQ(layout.CellRect(9, 20).bottomRight(), layout.playingArea.bottomRight());
    EXPECT_EQ(layout.RowStrip(7).width(), layout.playingArea.width());
    EXPECT_LT(layout.CellRect(0, 2).bottom(), layout.playingArea.top());
}

TEST_P(LayoutTest, EverythingLiesInsideTheClientArea) {
    const Layout layout = Layout::For(GetParam());
    const QRect client(QPoint(0, 0), layout.client);
    for (const QRect& button : layout.buttons) {
        EXPECT_TRUE(client.contains(button)) << button.x() << "," << button.y();
    }
    for (const CounterPlace* counter :
         {&layout.level, &layout.linesLeft, &layout.score, &layout.lines, &layout.timer,
          &layout.rising, &layout.best}) {
        EXPECT_TRUE(client.contains(counter->rect));
        // The right-most digit cell is the last 16 pixels of the counter.
        EXPECT_EQ(counter->rightDigit.x() + 15, counter->rect.right());
    }
    for (std::int32_t kind = 0; kind < 16; ++kind) {
        EXPECT_TRUE(layout.nextBar.contains(layout.NextPieceOrigin(kind))) << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest, ::testing::Values(WindowSize::Normal, WindowSize::Big));

} // namespace
} // namespace brinox
