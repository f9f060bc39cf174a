// Moves and rotations of the falling piece against walls, floor and blocks,
// and the shape table's rotation rules.
#include "TestGame.h"

#include "engine/PieceShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace brinox {
namespace {

using test::TestGame;

using CellSet = std::set<std::pair<std::int32_t, std::int32_t>>;

CellSet Cells(std::int32_t kind, std::int32_t rotation) {
    CellSet cells;
    for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
        const CellOffset o = PieceShape::Offset(kind, rotation, i);
        cells.insert({o.dx, o.dy});
    }
    return cells;
}

// A quarter turn counter-clockwise on the screen: (dx, dy) -> (dy, -dx).
CellSet Turned(const CellSet& cells) {
    CellSet turned;
    for (const auto& [dx, dy] : cells) {
        turned.insert({dy, -dx});
    }
    return turned;
}

class MovementTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start();
        t.game.board.Clear();
    }
    TestGame t;
};

TEST_F(MovementTest, MovesStopAtSideWallsAndFloor) {
    t.Place(1, 2, 10); // I lying flat: columns 0..3
    EXPECT_FALSE(t.game.TryMove(-1, 0, 0));
    EXPECT_EQ(t.game.state.column, 2);
    ASSERT_TRUE(t.game.TryMove(+6, 0, 0)); // columns 6..9
    EXPECT_FALSE(t.game.TryMove(+1, 0, 0));
    ASSERT_TRUE(t.game.TryMove(0, +10, 0)); // row 20, the bottom
    EXPECT_FALSE(t.game.TryMove(0, +1, 0));
    EXPECT_EQ(t.game.state.row, 20);
}

TEST_F(MovementTest, BlocksRefuseMovesWithoutSideEffects) {
    t.game.board.At(4, 10) = 3;
    t.Place(6, 5, 9); // O square at columns 5..6, rows 9..10
    const GameState before = t.game.state;
    const std::int32_t redraws = t.fake.redrawFallingPiece;
    EXPECT_FALSE(t.game.TryMove(-1, 0, 0));
    EXPECT_EQ(t.game.state, before);
    EXPECT_EQ(t.fake.redrawFallingPiece, redraws);
    // One row higher it passes above the block.
    ASSERT_TRUE(t.game.TryMove(0, -1, 0));
    EXPECT_TRUE(t.game.TryMove(-1, 0, 0));
    EXPECT_FALSE(t.game.TryMove(0, +1, 0));
}

TEST_F(MovementTest, SuccessfulMoveRemembersTheDrawnPlace) {
    t.Place(0, 5, 5, 1);
    ASSERT_TRUE(t.game.TryMove(1, 1, 2));
    const GameState& s = t.game.state;
    EXPECT_EQ(s.drawnKind, 0);
    EXPECT_EQ(s.drawnRotation, 1);
    EXPECT_EQ(s.drawnColumn, 5);
    EXPECT_EQ(s.drawnRow, 5);
    EXPECT_EQ(s.column, 6);
    EXPECT_EQ(s.row, 6);
    EXPECT_EQ(s.rotation, 2);
    EXPECT_EQ(t.fake.redrawFallingPiece, 1);
}

TEST_F(MovementTest, RotationAgainstWallOrTopIsRefusedWithoutKick) {
    t.Place(1, 0, 10, 1);                  // I standing in column 0
    EXPECT_FALSE(t.game.TryMove(0, 0, 2)); // flat would need columns -2..1
    EXPECT_EQ(t.game.state.rotation, 1);
    EXPECT_EQ(t.game.state.column, 0);

    t.Place(1, 5, 0, 0); // flat I in row 0: upright it would reach row -1
    EXPECT_FALSE(t.game.TryMove(0, 0, 1));

    t.Place(0, 5, 10, 0);
    t.game.board.At(5, 11) = 2; // T pointing up; rotation 1 needs (5,11)
    EXPECT_FALSE(t.game.TryMove(0, 0, 1));
    EXPECT_EQ(t.game.state.rotation, 0);
}

TEST_F(MovementTest, RotateKeyTurnsThroughAllFourRotations) {
    t.Place(2, 5, 10, 0);
    t.game.state.fallPeriodMs = 1'000'000;
    for (std::int32_t expected : {1, 2, 3, 0}) {
        t.Tap(t.options.keyRotate);
        EXPECT_EQ(t.game.state.rotation, expected);
    }
}

TEST(PieceShapeTest, StartPositionsLieInTheSpawnZone) {
    for (std::int32_t kind = 0; kind < kKindCount; ++kind) {
        for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
            const CellOffset o = PieceShape::Offset(kind, 0, i);
            const std::int32_t c = PieceShape::StartColumn(kind) + o.dx;
            const std::int32_t r = PieceShape::StartRow(kind) + o.dy;
            EXPECT_TRUE(c >= 0 && c <= 9 && r >= 0 && r <= 2) << "kind " << kind << " cell " << i;
        }
        EXPECT_EQ(PieceShape::Offset(kind, 0, 0).dx, 0);
        EXPECT_EQ(PieceShape::Offset(kind, 0, 0).dy, 0);
    }
    EXPECT_EQ(PieceShape::StartRow(kSmallBomb), 2);
    EXPECT_EQ(PieceShape::StartRow(kLargeBomb), 2);
}

TEST(PieceShapeTest, RotationsFollowTheQuarterTurnRule) {
    for (std::int32_t kind : {0, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15}) {
        for (std::int32_t r = 0; r < 4; ++r) {
            EXPECT_EQ(Cells(kind, (r + 1) % 4), Turned(Cells(kind, r)))
                << "kind " << kind << " rotation " << r;
        }
    }
    for (std::int32_t kind : {1, 4, 5, 7, 8}) { // two states only
        EXPECT_EQ(Cells(kind, 2), Cells(kind, 0)) << kind;
        EXPECT_EQ(Cells(kind, 3), Cells(kind, 1)) << kind;
    }
    for (std::int32_t r = 1; r < 4; ++r) {
        EXPECT_EQ(Cells(6, r), Cells(6, 0));
    }
}

TEST(PieceShapeTest, CellCountsAndTallestPiece) {
    for (std::int32_t kind = 0; kind <= 6; ++kind) {
        EXPECT_EQ(PieceShape::CellCount(kind), 4);
    }
    for (std::int32_t kind = 7; kind <= 14; ++kind) {
        EXPECT_EQ(PieceShape::CellCount(kind), 5);
    }
    EXPECT_EQ(PieceShape::CellCount(15), 3);
    EXPECT_EQ(PieceShape::CellCount(kSmallBomb), 1);
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    for (std::int32_t i = 0; i < 5; ++i) {
        top = std::min(top, PieceShape::Offset(11, 1, i).dy);
        bottom = std::max(bottom, PieceShape::Offset(11, 1, i).dy);
    }
    EXPECT_EQ(top, -1);
    EXPECT_EQ(bottom, 2);
    // Every cell is distinct: a duplicate would lock fewer blocks than the piece shows.
    for (std::int32_t kind = 0; kind < kKindCount; ++kind) {
        for (std::int32_t r = 0; r < 4; ++r) {
            EXPECT_EQ(static_cast<std::int32_t>(Cells(kind, r).size()),
                      PieceShape::CellCount(kind));
        }
    }
}

TEST(PieceShapeTest, ForeignKindsAndRotationsStayInsideTheTable) {
    EXPECT_EQ(PieceShape::CellCount(-4), 1);
    EXPECT_EQ(PieceShape::CellCount(19), 1);
    EXPECT_EQ(PieceShape::Offset(3, 5, 1).dx, PieceShape::Offset(3, 1, 1).dx);
    EXPECT_EQ(PieceShape::Offset(3, -1, 1).dy, PieceShape::Offset(3, 3, 1).dy);
    EXPECT_EQ(Board::Index(9, 20), 209);
}

} // namespace
} // namespace brinox
