// The level table of every mode through new games and level-ups, and the
// rows that rise from below.
#include "TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

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

// Seeded from the calendar seconds, each cell draws a kind of the game's set,
// then one draw in three empties it; a row drawn full gets one gap.
TEST_F(RisingRowTest, RowsAreDrawnFromTheCalendarSecondsAndNeverFull) {
    const struct {
        std::int32_t type;
        std::int64_t seconds;
        const char* row;
    } cases[] = {{Quadel, 1'700'000'001, "4.3.5.016."},
                 {Quinel, 1'700'000'000, "e7ddb9.df."},
                 {Quadel, 1'700'000'100, "523145212."}}; // drawn full
    for (const auto& c : cases) {
        t.options.gameType = c.type;
        t.clock.calendarSeconds = c.seconds;
        t.access.AddRisingRow();
        std::string row;
        for (std::int32_t col = 0; col < 10; ++col) {
            const std::int32_t cell = t.access.board.At(col, 20);
            row += cell == Board::kEmpty ? '.' : "0123456789abcdef"[cell];
        }
        EXPECT_EQ(row, c.row) << c.seconds;
    }
}

TEST_F(RisingRowTest, ALandingWhoseRisingRowReachesTheSpawnZoneEndsTheGameOnce) {
    t.access.board.At(7, 3) = 2;
    t.access.state.risingCounter = 1;
    t.access.state.linesLeft = 1;
    t.Place(6, 4, 16);
    std::int32_t redrawsAtResult = -1;
    t.fake.onGameFinished = [&](const GameResult&) { redrawsAtResult = t.fake.redrawAll; };
    EXPECT_FALSE(t.access.LandPiece()); // the block at row 3 reaches row 2
    EXPECT_EQ(std::tuple(t.access.flags.gameInProgress, t.access.state.level), std::tuple(0, 1));
    EXPECT_EQ(t.fake.Played(SoundEvent::GameOver), 1);
    EXPECT_EQ(t.fake.results.size(), 1u);
    // After the dialog: the end's own redraw, then the landing's closing one.
    EXPECT_EQ(t.fake.redrawAll - redrawsAtResult, 2);
}

} // namespace
} // namespace brinox
