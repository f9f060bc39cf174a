// The level table of every mode as seen through a new game started at each
// level and through level-ups, and the rows that rise from below.
#include "TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace brinox {
namespace {

using test::TestGame;

struct Level {
    std::int32_t fallMs;
    std::int32_t rows;
    std::int32_t rising;
    std::int32_t wcFallMs;
    std::int32_t wcRows;
    std::int32_t wcRising;
};

// Written out independently of the engine's table.
const Level kLevels[20] = {
    {1000, 10, 10, 1000, 15, -1}, {850, 12, 10, 800, 17, -1}, {700, 15, 10, 650, 20, -1},
    {550, 17, 9, 500, 22, -1},    {400, 17, 9, 370, 25, -1},  {340, 20, 9, 300, 27, -1},
    {290, 20, 8, 250, 30, -1},    {260, 22, 8, 220, 32, -1},  {230, 22, 8, 200, 35, -1},
    {210, 25, 8, 180, 37, -1},    {190, 25, 7, 170, 40, -1},  {175, 27, 7, 170, 42, -1},
    {160, 30, 7, 165, 45, -1},    {150, 27, 7, 155, 47, -1},  {130, 25, 6, 155, 50, 7},
    {120, 22, 6, 150, 50, 7},     {110, 20, 6, 145, 50, 6},   {105, 17, 5, 140, 50, 6},
    {95, 15, 5, 135, 50, 5},      {85, 10, 5, 130, 10000, 5},
};

// Starts a game of `mode` at `level` (from 1) and checks it, then levels up
// once and checks the next level; a level-up reaches 2..20 and never 21.
TEST(LevelTableTest, NewGameAndLevelUpLoadTheLevelsValuesInEachMode) {
    for (std::int32_t mode : {Classic, Timer, Rising, WorldChampionship}) {
        for (std::int32_t level = 1; level <= 20; ++level) {
            TestGame t;
            t.options.gameMode = mode;
            t.options.bombsOn = mode == WorldChampionship ? 0 : 1;
            t.options.startLevel = level - 1;
            t.Start();
            GameState& s = t.access.state;
            const bool wc = mode == WorldChampionship;
            const auto check = [&](std::int32_t at, std::int32_t timer) {
                const Level& l = kLevels[at - 1];
                const std::int32_t rising = mode == Rising ? l.rising : wc ? l.wcRising : -1;
                const std::string where = "mode " + std::to_string(mode) + " level " +
                                          std::to_string(level) + " at " + std::to_string(at);
                EXPECT_EQ(s.level, at) << where;
                EXPECT_EQ(s.fallPeriodMs, wc ? l.wcFallMs : l.fallMs) << where;
                EXPECT_EQ(s.linesLeft, wc ? l.wcRows : l.rows) << where;
                EXPECT_EQ(s.timerSeconds, timer) << where;
                EXPECT_EQ(s.risingCounter, rising) << where; // reset, even from a lower count
                EXPECT_EQ(s.risingPeriod, rising) << where;
            };
            const std::int32_t wcTimer = level < 12 ? -1 : level == 12 ? 120 : 135;
            check(level, mode == Timer ? (level == 1 ? 180 : 195) : wc ? wcTimer : -1);
            if (level < 20) {
                s.timerSeconds = s.timerSeconds == -1 ? -1 : 500;
                s.risingCounter = s.risingCounter == -1 ? -1 : 1;
            }
            t.access.AdvanceLevel();
            const std::int32_t next = std::min(level + 1, 20);
            const std::int32_t upTimer = mode == Timer || (wc && next > 12) ? 515
                                         : wc && next == 12                 ? 120
                                                                            : -1;
            check(next, level == 20 ? s.timerSeconds : upTimer);
            if (wc && level == 11) {
                EXPECT_EQ(s.clockRefsValid, 1);
                EXPECT_EQ(s.timerRefTime, t.clock.ms);
            }
        }
    }
}

class RisingRowTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.options.gameMode = Rising;
        t.Start();
        t.access.board.Clear();
    }
    TestGame t;
};

TEST_F(RisingRowTest, RowsAreNeverFullAndAboutAThirdEmpty) {
    std::int32_t empty = 0;
    const std::int32_t rows = 600;
    for (std::int32_t i = 0; i < rows; ++i) {
        t.access.board.Clear();
        t.clock.calendarSeconds = 1'700'000'000 + i;
        t.options.gameType = i % 2 == 0 ? Quadel : Quinel;
        t.access.AddRisingRow();
        ASSERT_EQ(t.access.flags.gameInProgress, 1);
        std::int32_t gaps = 0;
        for (std::int32_t c = 0; c < 10; ++c) {
            const std::int32_t cell = t.access.board.At(c, 20);
            if (cell == Board::kEmpty) {
                ++gaps;
            } else {
                EXPECT_LE(cell, t.options.gameType == Quadel ? 6 : 15);
                EXPECT_GE(cell, 0);
            }
        }
        EXPECT_GE(gaps, 1);
        empty += gaps;
    }
    EXPECT_GT(empty, rows * 10 / 4);
    EXPECT_LT(empty, rows * 10 * 42 / 100);
}

TEST_F(RisingRowTest, PushesTheBoardUpAndALandingThatEndsTheGameThatWayReportsIt) {
    t.access.board.At(3, 20) = 4;
    t.access.board.At(7, 4) = 2;
    t.access.AddRisingRow();
    EXPECT_EQ(t.access.board.At(3, 19), 4);
    EXPECT_EQ(t.access.board.At(7, 3), 2);
    EXPECT_EQ(t.access.flags.gameInProgress, 1);
    EXPECT_EQ(t.fake.Played(SoundEvent::RowAdded), 1);
    t.access.state.risingCounter = 1;
    t.access.state.linesLeft = 1;
    t.Place(6, 4, 16);
    std::int32_t redrawsAtResult = -1;
    t.fake.onGameFinished = [&](const GameResult&) { redrawsAtResult = t.fake.redrawAll; };
    EXPECT_FALSE(t.access.LandPiece()); // the block at row 3 reaches row 2
    EXPECT_EQ(t.access.flags.gameInProgress, 0);
    EXPECT_EQ(t.fake.Played(SoundEvent::GameOver), 1);
    EXPECT_EQ(t.fake.results.size(), 1u);
    EXPECT_EQ(t.access.state.level, 1);
    // After the dialog: the end's own redraw, then the landing's closing one.
    EXPECT_EQ(t.fake.redrawAll - redrawsAtResult, 2);
}

} // namespace
} // namespace brinox
