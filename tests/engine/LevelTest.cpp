// The level table of every mode as seen through a new game started at each
// level and through level-ups, and the rows that rise from below.
#include "TestGame.h"

#include <gtest/gtest.h>

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

struct Expected {
    std::int32_t fallMs;
    std::int32_t linesLeft;
    std::int32_t timer;
    std::int32_t rising;
};

Expected StartOf(std::int32_t mode, std::int32_t level) {
    const Level& l = kLevels[level - 1];
    switch (mode) {
    case Timer:
        return {l.fallMs, l.rows, level == 1 ? 180 : 195, -1};
    case Rising:
        return {l.fallMs, l.rows, -1, l.rising};
    case WorldChampionship:
        return {l.wcFallMs, l.wcRows, level < 12 ? -1 : level == 12 ? 120 : 135, l.wcRising};
    default:
        return {l.fallMs, l.rows, -1, -1};
    }
}

TEST(LevelTableTest, NewGameAtEachLevelOfEachModeLoadsItsValues) {
    for (std::int32_t mode : {Classic, Timer, Rising, WorldChampionship}) {
        for (std::int32_t level = 1; level <= 20; ++level) {
            TestGame t;
            t.options.gameMode = mode;
            t.options.bombsOn = mode == WorldChampionship ? 0 : 1;
            t.options.startLevel = level - 1;
            t.Start();
            const Expected e = StartOf(mode, level);
            const GameState& s = t.game.state;
            const std::string where =
                "mode " + std::to_string(mode) + " level " + std::to_string(level);
            EXPECT_EQ(s.level, level) << where;
            EXPECT_EQ(s.fallPeriodMs, e.fallMs) << where;
            EXPECT_EQ(s.linesLeft, e.linesLeft) << where;
            EXPECT_EQ(s.timerSeconds, e.timer) << where;
            EXPECT_EQ(s.risingCounter, e.rising) << where;
            EXPECT_EQ(s.risingPeriod, e.rising) << where;
        }
    }
}

// Level 1 is only ever a start, so level-ups are checked from level 2 on.
TEST(LevelTableTest, LevelUpIntoEachLevelOfEachModeLoadsItsValues) {
    for (std::int32_t mode : {Classic, Timer, Rising, WorldChampionship}) {
        for (std::int32_t level = 2; level <= 20; ++level) {
            TestGame t;
            t.options.gameMode = mode;
            t.options.startLevel = level - 2;
            t.Start();
            GameState& s = t.game.state;
            s.timerSeconds = s.timerSeconds == -1 ? -1 : 500;
            s.risingCounter = s.risingCounter == -1 ? -1 : 1;
            const std::int32_t before = s.timerSeconds;
            t.game.AdvanceLevel();
            const Level& l = kLevels[level - 1];
            const bool wc = mode == WorldChampionship;
            const std::string where =
                "mode " + std::to_string(mode) + " level " + std::to_string(level);
            EXPECT_EQ(s.level, level) << where;
            EXPECT_EQ(s.fallPeriodMs, wc ? l.wcFallMs : l.fallMs) << where;
            EXPECT_EQ(s.linesLeft, wc ? l.wcRows : l.rows) << where;
            const std::int32_t timer = mode == Timer       ? before + 15
                                       : !wc || level < 12 ? -1
                                       : level == 12       ? 120
                                                           : before + 15;
            EXPECT_EQ(s.timerSeconds, timer) << where;
            // Rising rows reset to the level's period, even from a lower count.
            const std::int32_t rising = mode == Rising ? l.rising : wc ? l.wcRising : -1;
            EXPECT_EQ(s.risingCounter, rising) << where;
            EXPECT_EQ(s.risingPeriod, rising) << where;
            if (wc && level == 12) {
                EXPECT_EQ(s.clockRefsValid, 1);
                EXPECT_EQ(s.timerRefTime, t.clock.ms);
            }
        }
    }
}

TEST(LevelTest, ThereIsNoLevelAfterTwenty) {
    TestGame t;
    t.options.startLevel = 19;
    t.Start();
    t.game.AdvanceLevel();
    EXPECT_EQ(t.game.state.level, 20);
    EXPECT_EQ(t.game.state.fallPeriodMs, 85);
}

TEST(LevelTest, ChampionshipCountdownAccumulatesFromLevelTwelve) {
    TestGame t;
    t.options.gameMode = WorldChampionship;
    t.options.bombsOn = 0;
    t.Start();
    for (std::int32_t level = 2; level <= 20; ++level) {
        t.game.AdvanceLevel();
    }
    EXPECT_EQ(t.game.state.timerSeconds, 120 + 8 * 15);
    EXPECT_EQ(t.game.state.risingPeriod, 5);
}

class RisingRowTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.options.gameMode = Rising;
        t.Start();
        t.game.board.Clear();
    }
    TestGame t;
};

TEST_F(RisingRowTest, RowsAreNeverFullAndAboutAThirdEmpty) {
    std::int32_t empty = 0;
    const std::int32_t rows = 600;
    for (std::int32_t i = 0; i < rows; ++i) {
        t.game.board.Clear();
        t.clock.calendarSeconds = 1'700'000'000 + i;
        t.options.gameType = i % 2 == 0 ? Quadel : Quinel;
        t.game.AddRisingRow();
        ASSERT_EQ(t.game.flags.gameInProgress, 1);
        std::int32_t gaps = 0;
        for (std::int32_t c = 0; c < 10; ++c) {
            const std::int32_t cell = t.game.board.At(c, 20);
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

TEST_F(RisingRowTest, PushesTheBoardUpAndEndsTheGameAtRowTwo) {
    t.game.board.At(3, 20) = 4;
    t.game.board.At(7, 4) = 2;
    t.game.AddRisingRow();
    EXPECT_EQ(t.game.board.At(3, 19), 4);
    EXPECT_EQ(t.game.board.At(7, 3), 2);
    EXPECT_EQ(t.game.flags.gameInProgress, 1);
    EXPECT_EQ(t.fake.Played(SoundEvent::RowAdded), 1);
    t.game.AddRisingRow(); // the block reaches row 2
    EXPECT_EQ(t.game.flags.gameInProgress, 0);
    EXPECT_EQ(t.fake.Played(SoundEvent::GameOver), 1);
    EXPECT_EQ(t.fake.results.size(), 1u);
}

TEST_F(RisingRowTest, ALandingThatEndsTheGameByARisingRowReportsIt) {
    t.game.board.At(0, 3) = 4;
    t.game.state.risingCounter = 1;
    t.game.state.linesLeft = 1;
    t.Place(6, 4, 19);
    std::int32_t redrawsAtResult = -1;
    t.fake.onGameFinished = [&](const GameResult&) { redrawsAtResult = t.fake.redrawAll; };
    EXPECT_FALSE(t.game.LandPiece());
    EXPECT_EQ(t.game.flags.gameInProgress, 0);
    EXPECT_EQ(t.fake.results.size(), 1u);
    EXPECT_EQ(t.game.state.level, 1);
    // After the dialog: the end's own redraw, then the landing's closing one.
    EXPECT_EQ(t.fake.redrawAll - redrawsAtResult, 2);
}

} // namespace
} // namespace brinox
