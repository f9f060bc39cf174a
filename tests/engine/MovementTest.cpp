// Piece shapes, moves against walls, floor and blocks, the keys' auto-repeat
// tick by tick, gravity, the countdown and the random sequence.
#include "TestGame.h"

#include "engine/PieceShape.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
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

TEST(PieceShape, EveryKindStartsInTheSpawnZoneInItsOwnShape) {
    // Rows 0, 1 and 2 of the board with the piece at its start position.
    const char* const spawn[kKindCount] = {
        // clang-format off
        "..........|.....#....|....###...", "..........|..........|...####...", // T, I
        "..........|......#...|....###...", "..........|....#.....|....###...", // L, J
        "..........|....##....|.....##...", "..........|.....##...|....##....", // Z, S
        "..........|.....##...|.....##...", "....#.....|....###...|......#...", // O, Z5
        "......#...|....###...|....#.....", ".....#....|....###...|......#...", // Z5', F
        ".....#....|....###...|....#.....", "..........|.....#....|...####...", // F', Y
        "..........|.....#....|....####..", "..........|....###...|.....##...", // Y', P
        "..........|....###...|....##....", "..........|.....##...|.....#....", // P', corner
        "..........|..........|.....#....", "..........|..........|.....#....", // bombs
        "..........|..........|.....#...."};
    // clang-format on
    for (std::int32_t kind = 0; kind < kKindCount; ++kind) {
        std::string drawn = "..........|..........|..........";
        for (const auto& [dx, dy] : Cells(kind, 0)) {
            const std::int32_t c = PieceShape::StartColumn(kind) + dx;
            const std::int32_t r = PieceShape::StartRow(kind) + dy;
            ASSERT_TRUE(c >= 0 && c < 10 && r >= 0 && r < 3) << kind;
            drawn[static_cast<std::size_t>(r * 11 + c)] = '#';
        }
        EXPECT_EQ(drawn, spawn[kind]) << "kind " << kind;
    }
}

TEST(PieceShape, RotationsTurnAQuarterCounterClockwiseOrAlternate) {
    for (std::int32_t kind : {0, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15}) {
        for (std::int32_t r = 0; r < 4; ++r) {
            CellSet turned;
            for (const auto& [dx, dy] : Cells(kind, r)) {
                turned.insert({dy, -dx});
            }
            EXPECT_EQ(Cells(kind, (r + 1) % 4), turned) << "kind " << kind << " rotation " << r;
        }
    }
    for (std::int32_t kind : {1, 4, 5, 6}) { // these alternate; O never changes
        EXPECT_EQ(Cells(kind, 2), Cells(kind, 0)) << kind;
        EXPECT_EQ(Cells(kind, 3), Cells(kind, 1)) << kind;
    }
    EXPECT_EQ(Cells(6, 1), Cells(6, 0));
    EXPECT_EQ(Cells(1, 1), (CellSet{{0, 0}, {0, 2}, {0, 1}, {0, -1}})); // upright I
    EXPECT_EQ(Cells(4, 1), (CellSet{{0, 0}, {-1, 1}, {-1, 0}, {0, -1}}));
    EXPECT_EQ(Cells(5, 1), (CellSet{{0, 0}, {0, 1}, {-1, 0}, {-1, -1}}));
}

class MovementTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start();
        t.access.board.Clear();
        t.Place(6, 0, 10);                       // O square at the left wall
        t.access.state.fallPeriodMs = 1'000'000; // no gravity in the way
    }
    std::int32_t Column() const { return t.access.state.column; }
    TestGame t;
};

TEST_F(MovementTest, WallsFloorAndBlocksRefuseAMoveOrTurnAndNothingChanges) {
    const struct {
        std::int32_t kind, column, row, rotation, dx, dy, newRotation;
    } cases[] = {
        {1, 2, 10, 0, -1, 0, 0}, {1, 8, 10, 0, 1, 0, 0}, {1, 8, 20, 0, 0, 1, 0}, // flat I
        {1, 0, 10, 1, 0, 0, 2}, // upright at the wall: flat needs column -2, no wall kick
        {1, 5, 0, 0, 0, 0, 1},  // upright it would reach row -1
        {6, 5, 9, 0, -1, 0, 0}, // O against the block at (4, 10)
    };
    t.access.board.At(4, 10) = 3;
    for (const auto& c : cases) {
        t.Place(c.kind, c.column, c.row, c.rotation);
        const GameState before = t.access.state;
        EXPECT_FALSE(t.access.TryMove(c.dx, c.dy, c.newRotation)) << c.kind << " at " << c.column;
        EXPECT_EQ(t.access.state, before);
    }
    EXPECT_EQ(t.fake.redrawFallingPiece, 0);
}

TEST_F(MovementTest, RotateKeyTurnsThroughAllFourRotations) {
    t.Place(2, 5, 10, 0);
    for (std::int32_t expected : {1, 2, 3, 0}) {
        t.Tap(t.options.keyRotate);
        EXPECT_EQ(t.access.state.rotation, expected);
    }
}

// Ticks of 20 ms: a held key acts at once, repeats once it has been held for
// its own delay, then every tick. The millisecond clock wraps on the way.
TEST_F(MovementTest, EachKeyActsOnceThenRepeatsEveryTickAfterItsOwnDelay) {
    t.options.sensLeft = 40;
    t.options.sensRotate = 100;
    t.clock.Set(0xFFFFFFE0u);
    t.access.state.lastFallTime = t.clock.ms;
    const struct {
        std::int32_t Options::*key;
        std::int32_t sensRight, ticks, actions;
    } cases[] = {{&Options::keyLeft, 60, 6, 1 + 3},   // 40 ms: repeating from tick 3
                 {&Options::keyRight, 60, 6, 1 + 2},  // from tick 4
                 {&Options::keyRotate, 60, 8, 1 + 2}, // 100 ms: from tick 6
                 {&Options::keyRight, 0, 3, 3},
                 {&Options::keyRight, 1000, 100, 1}}; // never repeats
    for (const auto& c : cases) {
        t.options.sensRight = c.sensRight;
        t.Place(2, 5, 10, 0);
        t.game.KeyDown(t.options.*c.key);
        std::int32_t seen = 0;
        for (std::int32_t i = 0; i < c.ticks; ++i) {
            const GameState b = t.access.state;
            t.Tick();
            seen += t.access.state.column != b.column || t.access.state.rotation != b.rotation;
        }
        t.game.KeyUp(t.options.*c.key);
        EXPECT_EQ(seen, c.actions) << c.ticks << " ticks, right delay " << c.sensRight;
    }
}

TEST_F(MovementTest, ATapMovesOneColumnEvenBetweenTwoTicksOrBeforeItsDelay) {
    for (std::int32_t sensitivity : {0, 50, 1000}) {
        for (bool tickBetween : {true, false}) { // a tap may fall between two ticks
            t.options.sensRight = sensitivity;
            t.Place(6, 0, 10);
            t.game.KeyDown(t.options.keyRight);
            tickBetween ? t.Tick() : void();
            t.game.KeyUp(t.options.keyRight);
            t.Run(200);
            EXPECT_EQ(Column(), 1) << sensitivity << tickBetween;
        }
    }
}

TEST_F(MovementTest, DropsScoreSevenPerRowAndAHeldDropLandsOnePiece) {
    t.options.sensDrop = 1000;
    t.Place(6, 4, 1);
    t.game.KeyDown(t.options.keyDrop);
    t.Run(500);
    EXPECT_EQ(t.access.state.pieces, 1);
    EXPECT_EQ(t.access.state.score, 18 * 7); // pivot from row 1 to row 19
    t.game.KeyUp(t.options.keyDrop);
    t.Place(6, 7, 18);
    t.Tap(t.options.keyDown);
    EXPECT_EQ(t.access.state.score, 19 * 7);
    t.Tap(t.options.keyDown); // refused at the floor: lands, no points
    EXPECT_EQ(t.access.state.score, 19 * 7);
    EXPECT_EQ(t.access.state.pieces, 2);
}

TEST_F(MovementTest, ACodeSharedByTwoKeysPressesBoth) {
    t.options.keyRotate = t.options.keyRight;
    t.game.KeyDown(t.options.keyRight);
    t.Tick();
    EXPECT_EQ(std::tuple(Column(), t.access.state.rotation), std::tuple(1, 1));
}

// A game with an O piece in the middle of an empty board.
void StartCleared(TestGame& t, std::int32_t mode = Classic) {
    t.options.gameMode = mode;
    t.Start();
    t.access.board.Clear();
    t.Place(6, 4, 5);
    t.access.state.lastFallTime = t.clock.ms;
}

TEST(GravityTest, FallsWhenMoreThanThePeriodPassedAcrossTheClockWrapAndMovesDoNotDisturbIt) {
    TestGame t;
    t.clock.Set(0xFFFFFC40u); // the millisecond clock wraps before the first step
    StartCleared(t);
    ASSERT_EQ(t.access.state.fallPeriodMs, 1000);
    t.Tick(1000);
    EXPECT_EQ(t.access.state.row, 5);
    t.Tick(20);
    EXPECT_EQ(std::tie(t.access.state.row, t.access.state.lastFallTime), std::tuple(6, t.clock.ms));
    t.Run(500);
    t.Tap(t.options.keyRight);
    t.Tap(t.options.keyDown); // a soft drop is not a gravity step
    EXPECT_EQ(t.access.state.row, 7);
    t.Run(440); // 980 ms since the last step
    EXPECT_EQ(t.access.state.row, 7);
    t.Tick(40);
    EXPECT_EQ(std::tie(t.access.state.row, t.access.state.lastStepTime), std::tuple(8, t.clock.ms));
}

TEST(GravityTest, NewPieceWaitsAFullPeriodAfterALanding) {
    TestGame t;
    StartCleared(t);
    t.Place(6, 4, 19);
    t.Tick(1020); // lands: cannot go lower
    EXPECT_EQ(t.access.state.pieces, 1);
    const std::int32_t startRow = t.access.state.row;
    t.Run(1000);
    EXPECT_EQ(t.access.state.row, startRow);
    t.Tick(20);
    EXPECT_EQ(t.access.state.row, startRow + 1);
}

class CountdownTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartCleared(t, Timer);
        t.access.state.fallPeriodMs = 1'000'000'000;
        t.Tick(); // the first tick restarts both one-second references
    }
    TestGame t;
};

TEST_F(CountdownTest, WarnsInTheLastTenSecondsAndEndsAfterTheStepFromZero) {
    t.access.state.timerSeconds = 11;
    t.Tick(1020);
    EXPECT_EQ(t.fake.Played(SoundEvent::Timer), 1); // 10 left
    t.access.state.timerSeconds = 0;
    t.Run(1000);
    EXPECT_EQ(t.access.flags.gameInProgress, 1);
    t.Tick();
    EXPECT_EQ(std::tie(t.access.state.timerSeconds, t.access.flags.gameInProgress),
              std::tuple(0, 0));
    EXPECT_EQ(t.fake.results.size(), 1u);
    EXPECT_EQ(t.fake.fieldAnimations.back(), FieldAnimationKind::Lost);
}

TEST_F(CountdownTest, CountsWholeSecondsButNotPausesInactivityOrDialogs) {
    ASSERT_EQ(t.access.state.timerSeconds, 180);
    t.Run(500);
    t.game.PauseCommand();
    t.Run(10'000);
    t.game.PauseCommand();
    t.Tick(); // restarts the references
    t.Run(900);
    t.game.SetAppActive(false);
    t.Run(10'000);
    t.game.SetAppActive(true);
    t.Tick();
    t.game.RunSuspended([&] { t.clock.Advance(60'000); });
    t.Tick();
    EXPECT_EQ(std::tie(t.access.state.timerSeconds, t.access.state.gameSeconds),
              std::tuple(180, 0));
    t.Run(1000);
    EXPECT_EQ(t.access.state.timerSeconds, 180); // exactly one second is not "more than"
    t.Tick();
    EXPECT_EQ(t.access.state.timerSeconds, 179);
    t.Tick(3500); // a long tick counts every whole second in it
    EXPECT_EQ(std::tie(t.access.state.timerSeconds, t.access.state.gameSeconds),
              std::tuple(176, 4));
    EXPECT_GT(t.fake.redrawCounters, 0);
}

TEST(RandomTest, FifteenBitLinearCongruentialSequenceAndFileKeys) {
    Random random;
    random.Seed(1);
    for (std::int32_t value : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(random.Next(), value);
    }
    random.Seed(1); // file keys are the values modulo 10, with 10 for a multiple of 10
    for (std::int32_t key : {1, 7, 4, 10}) {
        EXPECT_EQ(random.NextFileKey(), key);
    }
}

} // namespace
} // namespace brinox
