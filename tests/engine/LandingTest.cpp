// Locking pieces, the spawn-zone loss, clearing rows and what a clear scores
// and feeds, the drop-time statistics, and where the three bombs blow.
#include "TestGame.h"

#include "engine/PieceShape.h"

#include <gtest/gtest.h>

#include <tuple>

namespace brinox {
namespace {

using test::TestGame;

constexpr std::int32_t kI = 1;
constexpr std::int32_t kO = 6;

// Rows 21-n..20 full but for column 0, and a standing I in column 0
// reaching down to row 20: landing it completes exactly n rows.
void PrepareClear(TestGame& t, std::int32_t n) {
    for (std::int32_t r = 21 - n; r <= 20; ++r) {
        t.FillRow(r, 0, 3);
    }
    t.Place(kI, 0, 18, 1);
}

class LandingTest : public ::testing::Test {
protected:
    void SetUp() override { Restart(Classic); }
    void Restart(std::int32_t mode) {
        t.options.bombsOn = 0;
        t.options.gameMode = mode;
        t.Start();
        t.access.board.Clear();
    }
    TestGame t;
};

TEST_F(LandingTest, BlockInTheSpawnZoneEndsTheGameEvenWhenItCompletesARow) {
    t.FillRow(3, 5);
    t.access.board.At(6, 3) = Board::kEmpty;
    for (std::int32_t r = 4; r <= 20; ++r) {
        t.FillRow(r, 0);
    }
    t.Place(kO, 5, 2); // rows 2 and 3: completes row 3
    EXPECT_FALSE(t.access.LandPiece());
    EXPECT_EQ(std::tuple(t.access.flags.gameInProgress, t.access.state.lines), std::tuple(0, 0));
    EXPECT_EQ(t.access.board.At(5, 2), kO); // stays visible
    EXPECT_EQ(t.fake.results.size(), 1u);
}

TEST_F(LandingTest, CollapseSkipsTheIncompleteRowBetweenTwoFullOnes) {
    t.FillRow(20);
    t.FillRow(19, 9, 3);
    t.FillRow(18);
    t.FillRow(17, 0, 4);
    t.FillRow(16, 1, 5);
    t.access.board.At(2, 3) = 7;
    bool marked = false;
    t.fake.onRowRemoval = [&] {
        marked = t.access.board.At(0, 20) == 50 && t.access.board.At(9, 18) == 50 &&
                 t.access.board.At(0, 19) == 3;
    };
    EXPECT_EQ(t.access.ClearFullRows(), 2);
    EXPECT_TRUE(marked);
    EXPECT_EQ(t.fake.rowRemovals, 1);
    for (std::int32_t c = 0; c < 10; ++c) {
        EXPECT_EQ(t.access.board.At(c, 20), c == 9 ? Board::kEmpty : 3);
        EXPECT_EQ(t.access.board.At(c, 19), c == 0 ? Board::kEmpty : 4);
        EXPECT_EQ(t.access.board.At(c, 18), c == 1 ? Board::kEmpty : 5);
        EXPECT_EQ(t.access.board.At(c, 17), Board::kEmpty);
    }
    EXPECT_EQ(std::tuple(t.access.board.At(2, 5), t.access.board.At(2, 3)),
              std::tuple(7, Board::kEmpty));
    EXPECT_EQ(std::tuple(t.access.state.lines, t.access.state.score), std::tuple(2, 500));
}

TEST_F(LandingTest, ScoreAndRowsStopGrowingAtTheLimit) {
    t.access.state.score = 1'999'999'999;
    t.access.state.lines = 1'999'999'999;
    for (std::int32_t rows : {4, 1}) { // the first passes the limit, the second is refused
        PrepareClear(t, rows);
        t.access.LandPiece();
        EXPECT_EQ(std::tuple(t.access.state.score, t.access.state.lines),
                  std::tuple(2'000'001'999, 2'000'000'003));
    }
    t.access.state.score = 2'000'000'000;
    t.Place(kO, 4, 1);
    t.Tap(t.options.keyDrop);
    t.Tap(t.options.keyDown);
    EXPECT_EQ(t.access.state.score, 2'000'000'000);
}

TEST_F(LandingTest, LevelsEndOnTheirLastRowWithoutCarryingASurplusAndLevelTwentyWins) {
    const auto clear = [&](std::int32_t linesLeft, std::int32_t rows) {
        t.access.state.linesLeft = linesLeft;
        PrepareClear(t, rows);
        return t.access.LandPiece();
    };
    const GameState& s = t.access.state;
    clear(3, 4);
    // The level animation's time is not played: clockRefsValid 0.
    EXPECT_EQ(std::tie(s.level, s.linesLeft, s.fallPeriodMs, s.clockRefsValid),
              std::tuple(2, 12, 850, 0));
    EXPECT_EQ(t.fake.fieldAnimations.back(), FieldAnimationKind::LevelFinished);
    clear(5, 2);
    EXPECT_EQ(std::tie(s.level, s.linesLeft), std::tuple(2, 3));
    clear(3, 3);
    EXPECT_EQ(std::tie(s.level, s.linesLeft), std::tuple(3, 15));
    t.access.state.level = 20;
    EXPECT_FALSE(clear(1, 3));
    // Never below zero, even on the last level, which is won without its sound.
    EXPECT_EQ(std::tie(s.linesLeft, t.access.flags.gameInProgress), std::tuple(0, 0));
    EXPECT_EQ(t.fake.winnerBoxes, 1);
    EXPECT_EQ(t.fake.Played(SoundEvent::LevelFinished), 2);
}

TEST_F(LandingTest, DropTimesCountWholeSecondsFromAppearanceToLanding) {
    const std::int32_t times[] = {0, 5, 2};
    for (std::int32_t seconds : times) {
        t.access.state.pieceStartSecond = t.access.state.gameSeconds;
        t.access.state.gameSeconds += seconds;
        t.Place(kO, 0, 19);
        t.access.board.Clear();
        ASSERT_TRUE(t.access.LandPiece());
    }
    const GameState& s = t.access.state;
    EXPECT_EQ(std::tie(s.minDropSeconds, s.maxDropSeconds, s.avgDropSeconds, s.pieceStartSecond),
              std::tuple(0, 5, 7, s.gameSeconds));
}

TEST(RowCountTest, ClearsScoreGiveBombsAndFeedTheTimerAndRisingCounterByTheRowCount) {
    const struct {
        std::int32_t rows, points, bomb, timerBonus, risingChange; // bomb: next kind, -1 none
    } cases[] = {
        {1, 200, -1, 3, 1}, {2, 500, 16, 6, 2}, {3, 1000, 17, 10, 4}, {4, 2000, 18, 15, 6}};
    for (const auto& c : cases) {
        for (const auto& [mode, level] : {std::pair{Classic, 1},
                                          {Classic, 20},
                                          {Timer, 7},
                                          {Rising, 1},
                                          {WorldChampionship, 3}}) {
            TestGame t;
            t.options.gameMode = mode;
            t.options.startLevel = level - 1;
            t.Start();
            GameState& s = t.access.state;
            s.linesLeft = 100; // no level change in the way
            s.timerSeconds = mode == Timer ? 3580 : s.timerSeconds;
            s.risingCounter = mode == Rising ? 3 : s.risingCounter;
            const std::int32_t next = s.nextKind;
            t.access.board.Clear();
            PrepareClear(t, c.rows);
            SCOPED_TRACE(std::to_string(c.rows) + " rows, mode " + std::to_string(mode));
            ASSERT_TRUE(t.access.LandPiece());
            EXPECT_EQ(s.score, c.points);
            EXPECT_EQ(s.lines, c.rows);
            const std::int32_t bomb = mode == WorldChampionship ? -1 : c.bomb;
            EXPECT_EQ(s.currentKind, bomb < 0 ? next : bomb);
            if (bomb >= 0) { // the bomb comes first and the next piece waits
                EXPECT_EQ(std::tuple(s.nextKind, s.column, s.row), std::tuple(next, 5, 2));
            }
            EXPECT_EQ(s.timerSeconds, mode == Timer ? 3580 + c.timerBonus : -1);
            EXPECT_EQ(s.risingCounter,
                      mode == Rising ? std::min(3 + c.risingChange, s.risingPeriod) : -1);
        }
    }
}

TEST_F(LandingTest, TimerBonusCapAlsoTrimsALevelUpSurplus) {
    Restart(Timer);
    t.access.state.timerSeconds = 3610;
    t.Place(kO, 4, 19);
    t.access.LandPiece(); // no row: no bonus, but the cap still applies
    EXPECT_EQ(t.access.state.timerSeconds, 3599);
}

TEST_F(LandingTest, LockedPieceBecomesBlocksAndTheNextPieceAppearsAtItsStart) {
    const std::int32_t next = t.access.state.nextKind;
    t.Place(kO, 4, 19);
    ASSERT_TRUE(t.access.LandPiece());
    EXPECT_EQ(t.fake.Played(SoundEvent::BlockDrop), 1);
    EXPECT_EQ(std::tuple(t.access.board.At(4, 19), t.access.board.At(5, 20)), std::tuple(kO, kO));
    EXPECT_TRUE(t.access.board.IsEmpty(5, 18));
    const GameState& s = t.access.state;
    EXPECT_EQ(std::tie(s.currentKind, s.row, s.column),
              std::tuple(next, PieceShape::StartRow(next), 5));
}

TEST_F(LandingTest, TheRisingCounterPushesARowWhenItRunsOutAndStartsAgain) {
    Restart(Rising);
    t.access.state.risingCounter = 1;
    t.Place(kO, 4, 19);
    ASSERT_TRUE(t.access.LandPiece());
    EXPECT_EQ(t.access.state.risingCounter, 10);
    EXPECT_EQ(t.fake.Played(SoundEvent::RowAdded), 1);
    EXPECT_EQ(t.access.board.At(4, 18), kO); // pushed up by one row
}

bool SameBlast(const BlastRect& a, const BlastRect& b) {
    return a.firstColumn == b.firstColumn && a.lastColumn == b.lastColumn &&
           a.firstRow == b.firstRow && a.lastRow == b.lastRow;
}

class BombTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start();
        t.access.board.Clear();
        t.access.state.fallPeriodMs = 1'000'000;
    }
    // Fills every cell from `fromRow` down to the floor of a column.
    void Stack(std::int32_t column, std::int32_t fromRow, std::int32_t kind = 2) {
        for (std::int32_t r = fromRow; r <= 20; ++r) {
            t.access.board.At(column, r) = kind;
        }
    }
    std::int32_t Blocks() const {
        std::int32_t n = 0;
        for (std::int32_t cell : t.access.board.cells) {
            n += cell != Board::kEmpty;
        }
        return n;
    }
    TestGame t;
};

TEST_F(BombTest, DroppedBombsBlastTheirRectangleCutAtWallsAndFloor) {
    const struct {
        std::int32_t kind, column, top; // the bomb lands on a stack from row `top` down
        BlastRect blast;
    } cases[] = {{kSmallBomb, 5, 15, {5, 5, 15, 15}},  {kMediumBomb, 0, 10, {0, 1, 10, 11}},
                 {kMediumBomb, 6, 20, {5, 7, 20, 20}}, {kLargeBomb, 1, 12, {0, 3, 12, 13}},
                 {kLargeBomb, 8, 18, {6, 9, 18, 19}},  {kLargeBomb, 5, 9, {3, 7, 9, 10}}};
    for (const auto& c : cases) {
        t.fake.explosions.clear();
        for (std::int32_t col = 0; col < 10; ++col) {
            Stack(col, c.top);
        }
        const std::int32_t next = t.access.state.nextKind;
        const std::int32_t score = t.access.state.score;
        t.Place(c.kind, c.column, 2);
        t.Tap(t.options.keyDrop);
        ASSERT_EQ(t.fake.explosions.size(), 1u) << c.kind;
        EXPECT_TRUE(SameBlast(t.fake.explosions[0], c.blast)) << c.kind << " at " << c.column;
        for (std::int32_t col = 0; col < 10; ++col) {
            for (std::int32_t r = c.top; r <= 20; ++r) {
                const bool inside = col >= c.blast.firstColumn && col <= c.blast.lastColumn &&
                                    r >= c.blast.firstRow && r <= c.blast.lastRow;
                EXPECT_EQ(t.access.board.IsEmpty(col, r), inside) << col << "," << r;
            }
        }
        // The next-piece bar's piece falls now; bombs score and count nothing else.
        EXPECT_EQ(t.access.state.currentKind, next);
        EXPECT_EQ(t.access.state.score - score, 7 * (c.top - 3)); // the drop's rows only
        EXPECT_EQ(t.access.state.pieces, 0);
        t.access.board.Clear();
    }
    EXPECT_EQ(t.access.state.bombs, 6);
    EXPECT_EQ(t.fake.Played(SoundEvent::BombExplosion), 6);
    EXPECT_EQ(t.fake.Played(SoundEvent::BlockDrop), 0);
}

TEST_F(BombTest, ABombMovedIntoABlockBlowsItAloneAndOneMovedOutOfTheFieldIsLost) {
    const struct {
        std::int32_t kind, column, row;
        std::int32_t Options::*key; // nullptr: a gravity step
        std::int32_t stack;         // a column filled from row 9 down; -1: none, the bomb is lost
    } cases[] = {{kSmallBomb, 4, 10, &Options::keyLeft, 3},
                 {kSmallBomb, 5, 10, &Options::keyRight, 6},
                 {kSmallBomb, 5, 8, &Options::keyDown, 5},
                 {kLargeBomb, 5, 2, &Options::keyDrop, -1},
                 {kSmallBomb, 9, 10, &Options::keyRight, -1},
                 {kMediumBomb, 0, 10, &Options::keyLeft, -1},
                 {kSmallBomb, 5, 8, nullptr, 5}};
    for (const auto& c : cases) {
        t.access.board.Clear();
        t.fake.explosions.clear();
        if (c.stack >= 0) {
            Stack(c.stack, 9);
        }
        t.Place(c.kind, c.column, c.row);
        if (c.key != nullptr) {
            t.Tap(t.options.*c.key);
        } else {
            t.access.state.fallPeriodMs = 100;
            t.Tick(120);
        }
        const std::int32_t hitRow = c.row == 10 ? 10 : 9; // the block above a side hit stays
        EXPECT_EQ(t.fake.explosions.size(), c.stack < 0 ? 0u : 1u) << c.column;
        if (c.stack >= 0 && t.fake.explosions.size() == 1) {
            EXPECT_TRUE(SameBlast(t.fake.explosions[0], {c.stack, c.stack, hitRow, hitRow}));
            EXPECT_EQ(Blocks(), 11) << c.column; // nothing falls into the hole
        }
    }
    EXPECT_EQ(t.fake.Played(SoundEvent::BombDisappears), 3);
    EXPECT_EQ(t.access.state.bombs, 7);
    EXPECT_EQ(t.access.flags.gameInProgress, 1);
}

} // namespace
} // namespace brinox
