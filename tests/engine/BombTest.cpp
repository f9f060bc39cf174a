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
        const std::int32_t next = t.game.state.nextKind;
        const std::int32_t score = t.game.state.score;
        t.Place(c.kind, c.column, 2);
        t.Tap(t.options.keyDrop);
        ASSERT_EQ(t.fake.explosions.size(), 1u) << c.kind;
        EXPECT_TRUE(SameBlast(t.fake.explosions[0], c.blast)) << c.kind << " at " << c.column;
        for (std::int32_t col = 0; col < 10; ++col) {
            for (std::int32_t r = c.top; r <= 20; ++r) {
                const bool inside = col >= c.blast.firstColumn && col <= c.blast.lastColumn &&
                                    r >= c.blast.firstRow && r <= c.blast.lastRow;
                EXPECT_EQ(t.game.board.IsEmpty(col, r), inside) << col << "," << r;
            }
        }
        // The next-piece bar's piece falls now; bombs score and count nothing else.
        EXPECT_EQ(t.game.state.currentKind, next);
        EXPECT_EQ(t.game.state.score - score, 7 * (c.top - 3)); // the drop's rows only
        EXPECT_EQ(t.game.state.piecesLanded, 0);
        t.game.board.Clear();
    }
    EXPECT_EQ(t.game.state.bombsUsed, 6);
    EXPECT_EQ(t.fake.Played(SoundEvent::BombExplosion), 6);
    EXPECT_EQ(t.fake.Played(SoundEvent::BlockDrop), 0);
}

TEST_F(BombTest, BombsAreLostAtTheFloorOfAnEmptyColumnAndAgainstASideWall) {
    t.FillRow(20, 5, 1);
    t.Place(kLargeBomb, 5, 2);
    t.Tap(t.options.keyDrop);
    EXPECT_EQ(Blocks(), 9);
    t.Place(kSmallBomb, 9, 10);
    t.Tap(t.options.keyRight);
    t.Place(kMediumBomb, 0, 10);
    t.Tap(t.options.keyLeft);
    EXPECT_TRUE(t.fake.explosions.empty());
    EXPECT_EQ(t.fake.Played(SoundEvent::BombDisappears), 3);
    EXPECT_EQ(t.game.state.bombsUsed, 3);
    EXPECT_EQ(t.game.flags.gameInProgress, 1);
}

TEST_F(BombTest, PushesSoftDropsAndGravityBlowBombsWhereTheyHit) {
    t.game.board.At(3, 10) = 5;
    t.game.board.At(3, 9) = 5; // above the hit cell: stays, nothing falls
    t.Place(kSmallBomb, 4, 10);
    t.Tap(t.options.keyLeft);
    ASSERT_EQ(t.fake.explosions.size(), 1u);
    EXPECT_TRUE(SameBlast(t.fake.explosions[0], {3, 3, 10, 10}));
    EXPECT_EQ(t.game.board.At(3, 9), 5);
    t.game.board.At(6, 10) = 5;
    t.Place(kSmallBomb, 5, 10);
    t.Tap(t.options.keyRight);
    Stack(5, 11);
    t.Place(kSmallBomb, 5, 10);
    t.Tap(t.options.keyDown);
    t.Place(kSmallBomb, 5, 11);
    t.game.state.fallPeriodMs = 100;
    t.game.state.lastFallTime = t.clock.ms;
    t.Tick(120);
    EXPECT_EQ(Blocks(), 1 + 8); // (3,9) and rows 13..20 of column 5
    EXPECT_EQ(t.game.state.bombsUsed, 4);
}

} // namespace
} // namespace brinox
