// The three bombs steered into walls, the floor and blocks: where they blow,
// what they clear, and that they are lost outside the field.
#include "TestGame.h"

#include "engine/PieceShape.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

using test::TestGame;

bool SameBlast(const BlastRect& a, const BlastRect& b) {
    return a.firstColumn == b.firstColumn && a.lastColumn == b.lastColumn &&
           a.firstRow == b.firstRow && a.lastRow == b.lastRow;
}

class BombTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start();
        t.game.board.Clear();
        t.game.state.fallPeriodMs = 1'000'000;
    }
    // Fills every cell from `fromRow` down to the floor of a column.
    void Stack(std::int32_t column, std::int32_t fromRow, std::int32_t kind = 2) {
        for (std::int32_t r = fromRow; r <= 20; ++r) {
            t.game.board.At(column, r) = kind;
        }
    }
    std::int32_t Blocks() const {
        std::int32_t n = 0;
        for (std::int32_t cell : t.game.board.cells) {
            n += cell != Board::kEmpty;
        }
        return n;
    }
    TestGame t;
};

TEST_F(BombTest, SmallBombDroppedOnAStackRemovesItsTopBlock) {
    Stack(5, 15);
    t.Place(kSmallBomb, 5, 2);
    const std::int32_t next = t.game.state.nextKind;
    t.Tap(t.options.keyDrop);
    EXPECT_EQ(t.game.board.At(5, 15), Board::kEmpty);
    EXPECT_EQ(t.game.board.At(5, 16), 2);
    EXPECT_EQ(Blocks(), 5);
    ASSERT_EQ(t.fake.explosions.size(), 1u);
    EXPECT_TRUE(SameBlast(t.fake.explosions[0], {5, 5, 15, 15}));
    EXPECT_EQ(t.fake.Played(SoundEvent::BombExplosion), 1);
    EXPECT_EQ(t.game.state.bombsUsed, 1);
    // The piece of the next-piece bar falls now, and a new one is drawn.
    EXPECT_EQ(t.game.state.currentKind, next);
    EXPECT_EQ(t.game.state.row, PieceShape::StartRow(next));
}

TEST_F(BombTest, BombsScoreNothingAndKeepNoStatistics) {
    Stack(5, 15);
    t.Place(kLargeBomb, 5, 14);
    const GameState before = t.game.state;
    t.game.state.row += 1; // as the tick does when the move down is refused
    EXPECT_TRUE(t.game.LandPiece());
    EXPECT_EQ(t.game.state.score, before.score);
    EXPECT_EQ(t.game.state.lines, before.lines);
    EXPECT_EQ(t.game.state.linesLeft, before.linesLeft);
    EXPECT_EQ(t.game.state.piecesLanded, 0);
    EXPECT_EQ(t.game.state.minDropSeconds, 1000);
    EXPECT_EQ(t.fake.Played(SoundEvent::BlockDrop), 0);
}

TEST_F(BombTest, LargeBombOnAnEmptyColumnIsLostAtTheFloor) {
    for (std::int32_t c = 0; c < 10; ++c) {
        if (c != 5) {
            t.game.board.At(c, 20) = 1;
        }
    }
    t.Place(kLargeBomb, 5, 2);
    t.Tap(t.options.keyDrop);
    EXPECT_EQ(Blocks(), 9);
    EXPECT_TRUE(t.fake.explosions.empty());
    EXPECT_EQ(t.fake.Played(SoundEvent::BombDisappears), 1);
    EXPECT_EQ(t.fake.Played(SoundEvent::BombExplosion), 0);
    EXPECT_EQ(t.game.state.bombsUsed, 1);
    EXPECT_EQ(t.game.flags.gameInProgress, 1);
}

TEST_F(BombTest, MediumBombAtTheLeftWallBlastsTwoColumns) {
    for (std::int32_t c = 0; c < 4; ++c) {
        Stack(c, 10);
    }
    t.Place(kMediumBomb, 0, 2);
    t.Tap(t.options.keyDrop);
    ASSERT_EQ(t.fake.explosions.size(), 1u);
    EXPECT_TRUE(SameBlast(t.fake.explosions[0], {0, 1, 10, 11}));
    for (std::int32_t c = 0; c < 4; ++c) {
        const bool blasted = c <= 1;
        EXPECT_EQ(t.game.board.IsEmpty(c, 10), blasted) << c;
        EXPECT_EQ(t.game.board.IsEmpty(c, 11), blasted) << c;
        EXPECT_FALSE(t.game.board.IsEmpty(c, 12)) << c;
    }
}

TEST_F(BombTest, MediumBombOnTheBottomRowIsCutAtTheFloor) {
    t.game.board.At(6, 20) = 3;
    t.game.board.At(7, 20) = 3;
    t.Place(kMediumBomb, 6, 2);
    t.Tap(t.options.keyDrop);
    ASSERT_EQ(t.fake.explosions.size(), 1u);
    EXPECT_TRUE(SameBlast(t.fake.explosions[0], {5, 7, 20, 20}));
    EXPECT_EQ(Blocks(), 0);
}

TEST_F(BombTest, LargeBombBlastIsCutAtBothSideWalls) {
    Stack(1, 12);
    t.Place(kLargeBomb, 1, 2);
    t.Tap(t.options.keyDrop);
    ASSERT_EQ(t.fake.explosions.size(), 1u);
    EXPECT_TRUE(SameBlast(t.fake.explosions[0], {0, 3, 12, 13}));

    Stack(8, 18);
    t.Place(kLargeBomb, 8, 2);
    t.Tap(t.options.keyDrop);
    ASSERT_EQ(t.fake.explosions.size(), 2u);
    EXPECT_TRUE(SameBlast(t.fake.explosions[1], {6, 9, 18, 19}));
    EXPECT_EQ(t.game.board.At(8, 20), 2);
}

TEST_F(BombTest, BombPushedAgainstASideWallIsLost) {
    t.Place(kSmallBomb, 9, 10);
    t.Tap(t.options.keyRight);
    EXPECT_EQ(t.fake.Played(SoundEvent::BombDisappears), 1);
    EXPECT_EQ(t.game.state.bombsUsed, 1);

    t.Place(kMediumBomb, 0, 10);
    t.Tap(t.options.keyLeft);
    EXPECT_EQ(t.fake.Played(SoundEvent::BombDisappears), 2);
    EXPECT_TRUE(t.fake.explosions.empty());
}

TEST_F(BombTest, BombPushedAgainstABlockBlowsInTheBlocksColumn) {
    t.game.board.At(3, 10) = 5;
    t.game.board.At(3, 9) = 5; // above the hit cell: stays, nothing falls
    t.Place(kSmallBomb, 4, 10);
    t.Tap(t.options.keyLeft);
    ASSERT_EQ(t.fake.explosions.size(), 1u);
    EXPECT_TRUE(SameBlast(t.fake.explosions[0], {3, 3, 10, 10}));
    EXPECT_TRUE(t.game.board.IsEmpty(3, 10));
    EXPECT_EQ(t.game.board.At(3, 9), 5);

    t.game.board.At(6, 10) = 5;
    t.Place(kSmallBomb, 5, 10);
    t.Tap(t.options.keyRight);
    ASSERT_EQ(t.fake.explosions.size(), 2u);
    EXPECT_TRUE(t.game.board.IsEmpty(6, 10));
}

TEST_F(BombTest, GravityAndSoftDropLandBombsToo) {
    Stack(5, 11);
    t.Place(kSmallBomb, 5, 10);
    t.Tap(t.options.keyDown);
    EXPECT_TRUE(t.game.board.IsEmpty(5, 11));

    t.Place(kSmallBomb, 5, 11);
    t.game.state.fallPeriodMs = 100;
    t.game.state.lastFallTime = t.clock.ms;
    t.Tick(120);
    EXPECT_TRUE(t.game.board.IsEmpty(5, 12));
    EXPECT_EQ(t.game.state.bombsUsed, 2);
}

TEST_F(BombTest, RotatingABombNeverLandsIt) {
    t.game.board.At(5, 11) = 1;
    t.game.board.At(4, 10) = 1;
    t.game.board.At(6, 10) = 1;
    t.Place(kMediumBomb, 5, 10);
    for (std::int32_t i = 0; i < 5; ++i) {
        t.Tap(t.options.keyRotate);
    }
    EXPECT_EQ(t.game.state.rotation, 1);
    EXPECT_EQ(t.game.state.currentKind, kMediumBomb);
    EXPECT_EQ(t.game.state.bombsUsed, 0);
}

TEST_F(BombTest, FallingBombIsNeverWrittenIntoTheBoard) {
    t.Place(kSmallBomb, 5, 2);
    t.game.state.fallPeriodMs = 10;
    t.Run(100);
    EXPECT_EQ(t.game.state.row, 7);
    EXPECT_EQ(Blocks(), 0);
}

} // namespace
} // namespace brinox
