// The size the window takes, the places of both layouts and the pointer areas over them.
#include "WindowFixture.h"

#include "ui/Layout.h"
#include "ui/PointerAreas.h"
#include "ui/WindowSize.h"

#include <set>

namespace brinox::test {
namespace {

TEST(WindowSizeTest, BigFromEightThirtyBySixTwentyUnlessTheSettingFixesIt) {
    const struct {
        std::int32_t setting, width, height;
        WindowSize size;
    } cases[] = {{100, 1024, 768, WindowSize::Big},   {100, 800, 600, WindowSize::Normal},
                 {100, 830, 620, WindowSize::Big},    {100, 829, 620, WindowSize::Normal},
                 {100, 830, 619, WindowSize::Normal}, {0, 1920, 1080, WindowSize::Normal},
                 {1, 640, 480, WindowSize::Big},      {7, 640, 480, WindowSize::Normal}};
    for (const auto& c : cases) {
        EXPECT_EQ(WindowSizeOfSetting(c.setting, c.width, c.height), c.size)
            << c.setting << " " << c.width << "x" << c.height;
    }
}

class LayoutTest : public ::testing::TestWithParam<WindowSize> {};

// The playing area holds exactly the board's visible rows, 3 to 20, ten cells
// wide, and each kind's next piece stands in its place in the next bar. (The
// smoke tests hold the window, field and Start button to their places.)
TEST_P(LayoutTest, TheVisibleRowsFillThePlayingAreaAndNextPiecesAndToolButtonsStandInPlace) {
    const Layout layout = Layout::For(GetParam());
    EXPECT_EQ(layout.CellRect(0, 3).topLeft(), layout.playingArea.topLeft());
    EXPECT_EQ(layout.CellRect(9, 20).bottomRight(), layout.playingArea.bottomRight());
    EXPECT_EQ(layout.RowStrip(7).width(), layout.playingArea.width());
    const int nextX[] = {401, 411, 401, 401, 401, 401, 391, 401,
                         401, 401, 401, 411, 391, 401, 401, 391};
    const int nextY[] = {68, 58, 68, 68, 68, 68, 48, 58, 58, 58, 58, 68, 68, 48, 48, 48};
    const QPoint shift = GetParam() == WindowSize::Big ? QPoint(120, 21) : QPoint();
    for (std::int32_t kind = 0; kind < 16; ++kind) {
        EXPECT_EQ(layout.NextPieceOrigin(kind), QPoint(nextX[kind], nextY[kind]) + shift) << kind;
    }
    using enum ToolButton; // the tool bar's rows, 20 px apart, a wide button over a narrow pair
    const QRect pair = layout.Button(Save) | layout.Button(Load);
    for (const auto& [row, a, b] : {std::tuple{-3, StartStop, StartStop},
                                    {-2, Pause, Pause},
                                    {-1, Options, Options},
                                    {1, LocalBestScores, WorldTop10},
                                    {2, Help, Exit}}) {
        EXPECT_EQ(layout.Button(a) | layout.Button(b), pair.translated(0, row * 20)) << row;
    }
}

// Both edges of an area hold the pointer (QRect::contains holds neither the
// right nor the bottom one), except the right edge of the four buttons that
// leave it to the button on their right.
TEST_P(LayoutTest, PointerAreasHoldBothEdges) {
    const Layout layout = Layout::For(GetParam());
    const std::set<ToolButton> leaveRightEdge = {ToolButton::Options, ToolButton::Save,
                                                 ToolButton::LocalBestScores, ToolButton::Help};
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const auto button = static_cast<ToolButton>(b);
        const QRect r = layout.Button(button);
        const int right = r.left() + r.width();
        const int bottom = r.top() + r.height();
        const std::pair<QPoint, bool> edges[] = {
            {r.topLeft(), true},
            {{right - 1, bottom}, true},
            {{right, r.top()}, !leaveRightEdge.contains(button)},
            {r.topLeft() - QPoint(1, 0), false},
            {r.topLeft() - QPoint(0, 1), false},
            {{right + 1, bottom}, false},
            {{right - 1, bottom + 1}, false}};
        for (const auto& [at, inside] : edges) {
            EXPECT_EQ(PointerOver(layout, button, at), inside)
                << b << " at " << at.x() << "," << at.y();
        }
    }
}

// Each area names its status line at its centre; of two areas holding a point,
// the one tested last names it, as the status cover does at the status-bar
// toggle's right edge.
TEST_P(LayoutTest, EachPointerAreaNamesItsStatusLine) {
    const Layout layout = Layout::For(GetParam());
    using enum ToolButton;
    const auto at = [&layout](ToolButton b) { return layout.Button(b); };
    // clang-format off
    const std::pair<QRect, std::int32_t> lines[] = {
        {at(NextBarToggle), 15},  {at(ToolBarToggle), 14},      {at(StatusBarToggle), 16},
        {at(StartStop), 1},       {at(Pause), 2},               {at(Options), 3},
        {at(Save), 4},            {at(Load), 5},                {at(LocalBestScores), 6},
        {at(WorldTop10), 7},      {at(Help), 8},                {at(Exit), 9},
        {at(GameType), 10},       {at(GameMode), 11},           {at(Bombs), 12},
        {at(Logo), 13},           {layout.statusCover, 18},     {layout.nextBar, 17},
        {layout.level.rect, 19},  {layout.linesLeft.rect, 20},  {layout.score.rect, 21},
        {layout.lines.rect, 22},  {layout.timer.rect, 23},      {layout.rising.rect, 24},
        {layout.best.rect, 25},   {layout.playingArea, 0}};
    // clang-format on
    for (const auto& [area, line] : lines) {
        EXPECT_EQ(StatusLineAt(layout, area.center()), line) << area.x() << "," << area.y();
    }
    const QRect toggle = at(StatusBarToggle);
    const QPoint shared(toggle.left() + toggle.width(), toggle.center().y());
    ASSERT_TRUE(PointerOver(layout, StatusBarToggle, shared));
    EXPECT_EQ(StatusLineAt(layout, shared), 18);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest, ::testing::Values(WindowSize::Normal, WindowSize::Big));

} // namespace
} // namespace brinox::test
