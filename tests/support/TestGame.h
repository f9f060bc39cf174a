// Everything a test needs to drive the engine: options, the random
// generator, a fake clock and a fake host bundled into an active Game, with
// its test access. The game is recorded as the window records it, so every
// result a game started by its start command hands on carries its replay.
#pragma once

#include "FakeClock.h"
#include "FakeHost.h"
#include "GameTestAccess.h"

#include "engine/Game.h"
#include "engine/replay/GameRecorder.h"

#include <cstdint>

namespace brinox::test {

class TestGame {
public:
    TestGame();

    // Starts a game with the current options and clears the records of the start.
    void Start();
    // Advances the clock by `ms` and runs one tick.
    void Tick(std::uint32_t ms = 20);
    // Runs ticks of 20 ms until `ms` have passed.
    void Run(std::uint32_t ms);
    // A full press: key down, one tick, key up.
    void Tap(std::int32_t code);
    // Fills rows with blocks of kind 0, leaving the listed column of each row empty
    // (-1: no gap).
    void FillRow(std::int32_t row, std::int32_t gapColumn = -1, std::int32_t kind = 0);
    // Places the falling piece without drawing rules.
    void Place(std::int32_t kind, std::int32_t column, std::int32_t row, std::int32_t rotation = 0);

    Options options;
    Random random;
    FakeClock clock;
    FakeHost fake;
    GameRecorder recorder{GameHost{clock, fake, fake, fake, fake, fake}, options, random};
    Game game;
    // The game's data and rules, for setting up positions.
    GameTestAccess access{game};
};

} // namespace brinox::test
