// The rhythm of the tick: gravity, the countdown and the played seconds,
// and how pauses, inactivity and dialogs keep time from being counted.
#include "TestGame.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

using test::TestGame;

// A game with an O piece in the middle of an empty board.
void StartCleared(TestGame& t, std::int32_t mode = Classic) {
    t.options.gameMode = mode;
    t.Start();
    t.game.board.Clear();
    t.Place(6, 4, 5);
    t.game.state.lastFallTime = t.clock.ms;
}

TEST(GravityTest, FallsWhenMoreThanThePeriodPassedAcrossTheClockWrapAndMovesDoNotDisturbIt) {
    TestGame t;
    t.clock.Set(0xFFFFFC40u); // the millisecond clock wraps before the first step
    StartCleared(t);
    ASSERT_EQ(t.game.state.fallPeriodMs, 1000);
    t.Tick(1000);
    EXPECT_EQ(t.game.state.row, 5);
    t.Tick(20);
    EXPECT_EQ(t.game.state.row, 6);
    EXPECT_EQ(t.game.state.lastFallTime, t.clock.ms);
    t.Run(500);
    t.Tap(t.options.keyRight);
    t.Tap(t.options.keyDown); // a soft drop is not a gravity step
    EXPECT_EQ(t.game.state.row, 7);
    t.Run(440); // 980 ms since the last step
    EXPECT_EQ(t.game.state.row, 7);
    t.Tick(40);
    EXPECT_EQ(t.game.state.row, 8);
    EXPECT_EQ(t.game.state.lastStepTime, t.clock.ms);
}

TEST(GravityTest, NewPieceWaitsAFullPeriodAfterALandingAndPlayedTimeCounts) {
    TestGame t;
    StartCleared(t);
    t.Place(6, 4, 19);
    t.Tick(1020); // lands: cannot go lower
    EXPECT_EQ(t.game.state.piecesLanded, 1);
    const std::int32_t startRow = t.game.state.row;
    t.Run(1000);
    EXPECT_EQ(t.game.state.row, startRow);
    t.Tick(20);
    EXPECT_EQ(t.game.state.row, startRow + 1);
    EXPECT_EQ(t.game.state.elapsedSeconds, 1); // counted without a countdown
    EXPECT_EQ(t.game.state.timerSeconds, -1);
}

class CountdownTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartCleared(t, Timer);
        t.game.state.fallPeriodMs = 1'000'000'000;
        t.Tick(); // the first tick restarts both one-second references
    }
    TestGame t;
};

TEST_F(CountdownTest, WarnsInTheLastTenSecondsAndEndsAfterTheStepFromZero) {
    t.game.state.timerSeconds = 11;
    t.Tick(1020);
    EXPECT_EQ(t.fake.Played(SoundEvent::Timer), 1); // 10 left
    t.game.state.timerSeconds = 0;
    t.Run(1000);
    EXPECT_EQ(t.game.flags.gameInProgress, 1);
    t.Tick();
    EXPECT_EQ(t.game.state.timerSeconds, 0);
    EXPECT_EQ(t.game.flags.gameInProgress, 0);
    EXPECT_EQ(t.fake.results.size(), 1u);
    EXPECT_EQ(t.fake.fieldAnimations.back(), FieldAnimationKind::Lost);
}

TEST_F(CountdownTest, CountsWholeSecondsButNotPausesInactivityOrDialogs) {
    ASSERT_EQ(t.game.state.timerSeconds, 180);
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
    EXPECT_EQ(t.game.state.timerSeconds, 180);
    EXPECT_EQ(t.game.state.elapsedSeconds, 0);
    t.Run(1000);
    EXPECT_EQ(t.game.state.timerSeconds, 180); // exactly one second is not "more than"
    t.Tick();
    EXPECT_EQ(t.game.state.timerSeconds, 179);
    t.Tick(3500); // a long tick counts every whole second in it
    EXPECT_EQ(t.game.state.timerSeconds, 176);
    EXPECT_EQ(t.game.state.elapsedSeconds, 4);
}

TEST(RandomTest, FifteenBitLinearCongruentialSequenceAndFileKeys) {
    Random random;
    random.Seed(1);
    for (std::int32_t value : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(random.Next(), value);
    }
    random.Seed(1); // 41 % 10 = 1; 18467 % 10 = 7
    EXPECT_EQ(random.NextFileKey(), 1);
    EXPECT_EQ(random.NextFileKey(), 7);
}

} // namespace
} // namespace brinox
