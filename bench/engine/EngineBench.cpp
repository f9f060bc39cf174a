// The cost of the engine's two hot paths with a recording fake host (no
// drawing, no sleeping): one tick while a piece falls, and one landing that
// clears four rows.
#include "TestGame.h"

#include <benchmark/benchmark.h>

namespace brinox {
namespace {

using test::TestGame;

constexpr std::int32_t kI = 1;

void StartQuietGame(TestGame& t) {
    t.fake.recordSounds = false;
    t.options.bombsOn = 0;
    t.Start();
    t.access.board.Clear();
}

// Gravity every few ticks; the piece is lifted back before it can land.
void TickWhileFalling(benchmark::State& state) {
    TestGame t;
    StartQuietGame(t);
    t.Place(6, 4, 3);
    t.access.state.fallPeriodMs = 85;
    for (auto _ : state) {
        t.clock.Advance(20);
        t.game.Tick();
        if (t.access.state.row > 15) {
            t.access.state.row = 3;
        }
    }
    benchmark::DoNotOptimize(t.access.state.row);
}
BENCHMARK(TickWhileFalling);

// The same with a key held and repeating every tick.
void TickWhileFallingAndTurning(benchmark::State& state) {
    TestGame t;
    StartQuietGame(t);
    t.Place(0, 4, 3);
    t.access.state.fallPeriodMs = 85;
    t.options.sensRotate = 0;
    t.game.KeyDown(t.options.keyRotate);
    for (auto _ : state) {
        t.clock.Advance(20);
        t.game.Tick();
        if (t.access.state.row > 15) {
            t.access.state.row = 3;
        }
    }
    benchmark::DoNotOptimize(t.access.state.rotation);
}
BENCHMARK(TickWhileFallingAndTurning);

// Four rows full but for column 0, a standing I dropped into the gap. The
// setup (40 cell writes) is timed with the landing.
void LandingThatClearsFourRows(benchmark::State& state) {
    TestGame t;
    StartQuietGame(t);
    for (auto _ : state) {
        for (std::int32_t r = 17; r <= 20; ++r) {
            t.FillRow(r, 0, 3);
        }
        t.Place(kI, 0, 18, 1);
        t.access.state.linesLeft = 1'000'000;
        t.access.LandPiece();
    }
    benchmark::DoNotOptimize(t.access.state.lines);
}
BENCHMARK(LandingThatClearsFourRows);

} // namespace
} // namespace brinox

BENCHMARK_MAIN();
