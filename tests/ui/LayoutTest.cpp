// The places of both layouts and the pointer areas over them.
#include "WindowFixture.h"

#include "ui/Layout.h"
#include "ui/PointerAreas.h"
#include "ui/WindowSize.h"

#include <set>

namespace brinox::test {
namespace {

class LayoutTest : public ::testing::TestWithParam<WindowSize> {};

// Every number of a layout: client size, cell, board origin, playing area,
// tool bar, next bar, the buttons in ToolButton order, the three labels, the
// counters (right digit, rectangle), status strip, status cover and clock.
std::vector<int> Numbers(const Layout& l) {
    std::vector<int> n = {l.client.width(), l.client.height(), l.cell.width(),
                          l.cell.height(),  l.boardOrigin.x(), l.boardOrigin.y()};
    const auto add = [&n](const QRect& r) {
        n.insert(n.end(), {r.x(), r.y(), r.width(), r.height()});
    };
    for (const QRect& r : {l.playingArea, l.toolBar, l.nextBar}) {
        add(r);
    }
    std::for_each(l.buttons.begin(), l.buttons.end(), add);
    for (const QRect& r : {l.gameTypeLabel, l.gameModeLabel, l.bombsLabel}) {
        add(r);
    }
    for (const CounterPlace* c :
         {&l.level, &l.linesLeft, &l.score, &l.lines, &l.timer, &l.rising, &l.best}) {
        n.insert(n.end(), {c->rightDigit.x(), c->rightDigit.y()});
        add(c->rect);
    }
    add(l.messageStrip);
    add(l.statusCover);
    n.insert(n.end(), {l.clock.x(), l.clock.y()});
    return n;
}

TEST_P(LayoutTest, EveryPlaceOfTheWindowAndTheVisibleRowsFillThePlayingArea) {
    const bool big = GetParam() == WindowSize::Big;
    // clang-format off
    const std::vector<int> expected = big ? std::vector<int>{
        602, 590, 30, 30, 151, -76,  151, 14, 300, 540,  16, 53, 110, 123,  476, 53, 110, 73,
        571, 39, 11, 11,  111, 39, 11, 11,  62, 568, 18, 17, // toggles: next, tool, status bar
        17, 54, 108, 19,  17, 74, 108, 19,  17, 94, 108, 19,  17, 114, 54, 19,  71, 114, 54, 19,
        17, 134, 54, 19,  71, 134, 54, 19,  17, 154, 54, 19,  71, 154, 54, 19,
        16, 236, 24, 23,  16, 284, 24, 23,  16, 332, 24, 23,  34, 486, 75, 32, // selectors, logo
        40, 236, 86, 23,  40, 284, 86, 23,  40, 332, 86, 23,
        507, 206, 475, 206, 48, 21,  571, 206, 539, 206, 48, 21,  571, 255, 475, 255, 112, 21,
        555, 304, 491, 304, 80, 21,  530, 353, 475, 353, 71, 21,  571, 353, 555, 353, 32, 21,
        571, 402, 475, 402, 112, 21,  80, 569, 414, 15,  80, 568, 460, 17,  501, 572}
    : std::vector<int>{
        483, 404, 20, 20, 141, -45,  141, 15, 200, 360,  16, 32, 110, 123,  356, 32, 110, 73,
        451, 18, 11, 11,  111, 18, 11, 11,  3, 382, 18, 17,
        17, 33, 108, 19,  17, 53, 108, 19,  17, 73, 108, 19,  17, 93, 54, 19,  71, 93, 54, 19,
        17, 113, 54, 19,  71, 113, 54, 19,  17, 133, 54, 19,  71, 133, 54, 19,
        16, 185, 24, 23,  16, 233, 24, 23,  16, 281, 24, 23,  32, 318, 75, 32,
        40, 185, 86, 23,  40, 233, 86, 23,  40, 281, 86, 23,
        388, 138, 356, 138, 48, 21,  452, 138, 420, 138, 48, 21,  452, 187, 356, 187, 112, 21,
        436, 236, 372, 236, 80, 21,  411, 285, 356, 285, 71, 21,  452, 285, 436, 285, 32, 21,
        452, 334, 356, 334, 112, 21,  21, 383, 414, 15,  21, 382, 460, 17,  442, 386};
    const int nextX[] = {401, 411, 401, 401, 401, 401, 391, 401, 401, 401, 401, 411, 391, 401, 401, 391};
    const int nextY[] = {68, 58, 68, 68, 68, 68, 48, 58, 58, 58, 58, 68, 68, 48, 48, 48};
    // clang-format on
    const Layout layout = Layout::For(GetParam());
    EXPECT_EQ(Numbers(layout), expected);
    for (std::int32_t kind = 0; kind < 16; ++kind) {
        EXPECT_EQ(layout.NextPieceOrigin(kind),
                  QPoint(nextX[kind], nextY[kind]) + (big ? QPoint(120, 21) : QPoint()))
            << kind;
    }
    EXPECT_EQ(layout.CellRect(0, 3).topLeft(), layout.playingArea.topLeft());
    EXPECT_EQ(layout.CellRect(9, 20).bottomRight(), layout.playingArea.bottomRight());
    EXPECT_EQ(layout.RowStrip(7).width(), layout.playingArea.width());
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
