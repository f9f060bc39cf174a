// The key watcher's flags and the auto-repeat of the five game keys, driven
// tick by tick with a fake clock.
#include "TestGame.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

using test::TestGame;

class KeyRepeatTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Start();
        t.game.board.Clear();
        t.Place(6, 0, 10);                     // O square at the left wall, far from everything
        t.game.state.fallPeriodMs = 1'000'000; // no gravity in the way
    }
    std::int32_t Column() const { return t.game.state.column; }
    const KeyState& Right() { return t.game.keys[GameKey::Right]; }

    TestGame t;
};

TEST_F(KeyRepeatTest, HeldKeyActsOnceThenRepeatsEveryTickAfterItsDelay) {
    t.options.sensRight = 50;
    t.game.KeyDown(t.options.keyRight);
    EXPECT_EQ(Right().repeatState, Idle);
    t.Tick(); // t = 20: first action at once
    EXPECT_EQ(Column(), 1);
    EXPECT_EQ(Right().repeatState, Held);
    EXPECT_EQ(Right().pressTime, 20u);
    t.Tick(); // 40
    t.Tick(); // 60: only 40 ms held
    EXPECT_EQ(Column(), 1);
    EXPECT_EQ(Right().repeatState, Held);
    t.Tick(); // 80: 60 ms held, switches to repeating but does not move yet
    EXPECT_EQ(Right().repeatState, Repeating);
    EXPECT_EQ(Column(), 1);
    t.Tick();
    EXPECT_EQ(Column(), 2);
    t.Tick();
    EXPECT_EQ(Column(), 3);
    t.game.KeyUp(t.options.keyRight);
    EXPECT_EQ(Right().repeatState, Idle);
    EXPECT_EQ(Right().pressed, 0);
    t.Tick();
    EXPECT_EQ(Column(), 3);
}

TEST_F(KeyRepeatTest, SensitivityZeroRepeatsFromTheSecondTick) {
    t.options.sensRight = 0;
    t.game.KeyDown(t.options.keyRight);
    t.Tick();
    EXPECT_EQ(Column(), 1);
    EXPECT_EQ(Right().repeatState, Repeating);
    t.Tick();
    EXPECT_EQ(Column(), 2);
}

TEST_F(KeyRepeatTest, ShortPressMovesExactlyOneColumn) {
    for (std::int32_t sensitivity : {0, 50, 1000}) {
        t.Place(6, 0, 10);
        t.options.sensRight = sensitivity;
        t.Tap(t.options.keyRight); // down, one tick, up
        t.Run(200);
        EXPECT_EQ(Column(), 1) << sensitivity;
    }
    // Released before its delay has passed: still one column only.
    t.Place(6, 0, 10);
    t.options.sensRight = 50;
    t.game.KeyDown(t.options.keyRight);
    t.Tick();
    t.Tick();
    t.game.KeyUp(t.options.keyRight);
    t.Run(200);
    EXPECT_EQ(Column(), 1);
}

TEST_F(KeyRepeatTest, TapBetweenTwoTicksStillMovesOneColumn) {
    for (std::int32_t sensitivity : {0, 50}) {
        t.Place(6, 0, 10);
        t.options.sensRight = sensitivity;
        t.game.KeyDown(t.options.keyRight);
        t.game.KeyUp(t.options.keyRight);
        t.Run(200);
        EXPECT_EQ(Column(), 1) << sensitivity;
        EXPECT_EQ(Right().pressed, 0);
    }
}

TEST_F(KeyRepeatTest, SensitivityThousandNeverRepeats) {
    t.options.sensRight = 1000;
    t.game.KeyDown(t.options.keyRight);
    t.Run(3000);
    EXPECT_EQ(Column(), 1);
    EXPECT_EQ(Right().repeatState, Held);
}

TEST_F(KeyRepeatTest, HeldDropDropsOnePieceOnly) {
    t.options.sensDrop = 1000;
    t.Place(6, 4, 1);
    t.game.KeyDown(t.options.keyDrop);
    t.Tick();
    EXPECT_EQ(t.game.state.piecesLanded, 1);
    EXPECT_EQ(t.game.state.score, 18 * 7); // pivot from row 1 to row 19
    t.Run(500);
    EXPECT_EQ(t.game.state.piecesLanded, 1);
    t.game.KeyUp(t.options.keyDrop);
    t.Tap(t.options.keyDrop);
    EXPECT_EQ(t.game.state.piecesLanded, 2);
}

TEST_F(KeyRepeatTest, SoftDropScoresPerRowAndLandsOnTheFloorForNothing) {
    t.Place(6, 4, 17);
    t.Tap(t.options.keyDown);
    EXPECT_EQ(t.game.state.row, 18);
    EXPECT_EQ(t.game.state.score, 7);
    t.Tap(t.options.keyDown);
    t.Tap(t.options.keyDown); // refused at the floor: lands, no points
    EXPECT_EQ(t.game.state.score, 14);
    EXPECT_EQ(t.game.state.piecesLanded, 1);
    EXPECT_EQ(t.game.board.At(4, 20), 6);
}

TEST_F(KeyRepeatTest, ReleaseWhilePausedMakesTheNextPressANewOne) {
    t.options.sensRight = 0;
    t.game.KeyDown(t.options.keyRight);
    t.Tick();
    t.Tick();
    EXPECT_EQ(Column(), 2);
    t.game.PauseCommand();
    t.Tick(); // a paused tick forgets every press
    EXPECT_EQ(Right().pressed, 0);
    t.game.KeyUp(t.options.keyRight);
    t.game.PauseCommand();
    t.Tick();
    EXPECT_EQ(Column(), 2);
    t.game.KeyDown(t.options.keyRight);
    EXPECT_EQ(Right().repeatState, Idle);
    t.Tick();
    EXPECT_EQ(Column(), 3);
}

TEST_F(KeyRepeatTest, KeysAreIgnoredAndClearedUnlessPlaying) {
    t.game.PauseCommand();
    t.game.KeyDown(t.options.keyRight);
    EXPECT_EQ(Right().pressed, 0);
    t.game.PauseCommand();

    t.game.KeyDown(t.options.keyRight);
    EXPECT_EQ(Right().pressed, 1);
    t.game.SetAppActive(false);
    EXPECT_EQ(Right().pressed, 0);
    EXPECT_EQ(t.game.state.clockRefsValid, 0);
    t.Run(100);
    EXPECT_EQ(Column(), 0);

    t.game.SetAppActive(true);
    t.game.KeyDown(t.options.keyLeft);
    t.game.flags.gameInProgress = 0;
    t.game.KeyUp(t.options.keyRight); // any key message outside play clears all
    EXPECT_EQ(t.game.keys[GameKey::Left].pressed, 0);
}

TEST_F(KeyRepeatTest, AKeyCodeSharedByTwoGameKeysPressesBoth) {
    t.options.keyRotate = t.options.keyRight;
    t.game.KeyDown(t.options.keyRight);
    t.Tick();
    EXPECT_EQ(Column(), 1);
    EXPECT_EQ(t.game.state.rotation, 1);
    t.game.KeyUp(t.options.keyRight);
    EXPECT_EQ(t.game.keys[GameKey::Rotate].pressed, 0);
}

TEST_F(KeyRepeatTest, RepeatDelayWorksAcrossTheClockWrap) {
    t.clock.Set(0xFFFFFFE0u);
    t.game.state.lastFallTime = t.clock.ms;
    t.options.sensRight = 50;
    t.game.KeyDown(t.options.keyRight);
    t.Tick(); // first action 12 ms before the wrap
    for (int i = 0; i < 3; ++i) {
        t.Tick();
    }
    EXPECT_EQ(Right().repeatState, Repeating);
    t.Tick();
    EXPECT_EQ(Column(), 2);
}

} // namespace
} // namespace brinox
