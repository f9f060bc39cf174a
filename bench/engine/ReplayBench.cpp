// The figures of replays: what recording costs the engine per tick, how large
// a replay of a minute at level 10 is, and how fast a replay plays again
// without pictures (the championship server's verification). The games are
// played by a bot that places each piece where it lies lowest, tapping the
// keys with human pauses. Its ticks come as the window's precise 20 ms timer
// brings them: on a 20 ms grid that starts somewhere within a millisecond,
// each up to half a millisecond late, read in whole milliseconds.
#include "FakeClock.h"
#include "FakeHost.h"
#include "GameTestAccess.h"

#include "engine/Game.h"
#include "engine/replay/GameRecorder.h"
#include "engine/PieceShape.h"
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayPlayer.h"

#include <benchmark/benchmark.h>

#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace brinox {
namespace {

// One game with its fakes, recorded or not.
struct BenchGame {
    explicit BenchGame(bool recorded) {
        fake.recordSounds = false;
        options.bombsOn = 0;
        options.startLevel = 9; // level 10
        if (recorded) {
            recorder = std::make_unique<GameRecorder>(Host(), options, random);
        }
        game = std::make_unique<Game>(options, random, recorder ? recorder->Host() : Host());
        game->SetAppActive(true);
    }
    GameHost Host() { return GameHost{clock, fake, fake, fake, fake, fake}; }
    test::GameTestAccess Access() { return test::GameTestAccess(*game); }

    Options options;
    Random random;
    test::FakeClock clock;
    test::FakeHost fake;
    std::unique_ptr<GameRecorder> recorder;
    std::unique_ptr<Game> game;
};

// Gravity every few ticks, the piece lifted back before it lands: the tick
// alone, without and with the recording.
void TickWhileFalling(benchmark::State& state, bool recorded) {
    BenchGame g(recorded);
    g.game->StartStopCommand();
    test::GameTestAccess access = g.Access();
    access.board.Clear();
    access.state.currentKind = 6;
    access.state.column = 4;
    access.state.row = 3;
    access.state.fallPeriodMs = 85;
    for (auto _ : state) {
        g.clock.Advance(20);
        g.game->Tick();
        if (access.state.row > 15) {
            access.state.row = 3;
        }
    }
    benchmark::DoNotOptimize(access.state.row);
}
BENCHMARK_CAPTURE(TickWhileFalling, plain, false);
BENCHMARK_CAPTURE(TickWhileFalling, recorded, true);

// Places each new piece where it leaves the fewest holes, and among those where it lands lowest.
class PlacingBot {
public:
    PlacingBot(BenchGame& g, std::uint32_t seed)
        : g(g), rng(seed), start(g.clock.ms),
          gridOffset(std::uniform_real_distribution<double>(0.0, 1.0)(rng)) {}

    // One tick of play: maybe a key, then the clock moves on and the game ticks.
    void Step() {
        const GameState& s = g.game->State();
        if (s.pieces + s.bombs != placed) {
            placed = s.pieces + s.bombs;
            Plan();
        }
        if (held != 0) {
            g.game->KeyUp(held);
            held = 0;
        } else if (wait > 0) {
            --wait;
        } else if (!keys.empty()) {
            held = keys.back();
            keys.pop_back();
            g.game->KeyDown(held);
            wait = Pick(2, 6);
        }
        ++ticks;
        const double late = std::uniform_real_distribution<double>(0.0, 0.5)(rng);
        g.clock.Set(start + static_cast<std::uint32_t>(gridOffset + 20.0 * ticks + late));
        g.game->Tick();
    }

private:
    std::int32_t Pick(std::int32_t low, std::int32_t high) {
        return std::uniform_int_distribution<std::int32_t>(low, high)(rng);
    }

    bool Fits(std::int32_t kind, std::int32_t rotation, std::int32_t column,
              std::int32_t row) const {
        for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
            const CellOffset o = PieceShape::Offset(kind, rotation, i);
            if (!Board::Inside(column + o.dx, row + o.dy) ||
                !g.game->CurrentBoard().IsEmpty(column + o.dx, row + o.dy)) {
                return false;
            }
        }
        return true;
    }

    // Empty cells right under the piece once it lies there.
    std::int32_t Holes(std::int32_t kind, std::int32_t rotation, std::int32_t column,
                       std::int32_t row) const {
        std::int32_t holes = 0;
        for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
            const CellOffset o = PieceShape::Offset(kind, rotation, i);
            const std::int32_t below = row + o.dy + 1;
            bool covered = false; // another cell of the piece fills it
            for (std::int32_t j = 0; j < PieceShape::CellCount(kind); ++j) {
                const CellOffset p = PieceShape::Offset(kind, rotation, j);
                covered = covered || (p.dx == o.dx && p.dy == o.dy + 1);
            }
            if (!covered && Board::Inside(column + o.dx, below) &&
                g.game->CurrentBoard().IsEmpty(column + o.dx, below)) {
                ++holes;
            }
        }
        return holes;
    }

    void Plan() {
        const GameState& s = g.game->State();
        std::int32_t bestRow = std::numeric_limits<std::int32_t>::min();
        std::int32_t bestRotation = 0;
        std::int32_t bestColumn = s.column;
        for (std::int32_t rotation = 0; rotation < 4; ++rotation) {
            for (std::int32_t column = 0; column < Board::kColumns; ++column) {
                if (!Fits(s.currentKind, rotation, column, s.row)) {
                    continue;
                }
                std::int32_t row = s.row;
                while (Fits(s.currentKind, rotation, column, row + 1)) {
                    ++row;
                }
                const std::int32_t value = row - 8 * Holes(s.currentKind, rotation, column, row);
                if (value > bestRow) {
                    bestRow = value;
                    bestRotation = rotation;
                    bestColumn = column;
                }
            }
        }
        const Options& o = g.options;
        keys.assign(1, o.keyDrop); // taken from the back
        const std::int32_t moves = bestColumn - s.column;
        keys.insert(keys.end(), static_cast<std::size_t>(std::abs(moves)),
                    moves < 0 ? o.keyLeft : o.keyRight);
        keys.insert(keys.end(), static_cast<std::size_t>(bestRotation), o.keyRotate);
        wait = Pick(3, 10);
    }

    BenchGame& g;
    std::mt19937 rng;
    std::uint32_t start;
    double gridOffset;
    std::int64_t ticks = 0;
    std::int32_t placed = -1;
    std::vector<std::int32_t> keys;
    std::int32_t held = 0;
    std::int32_t wait = 0;
};

struct RecordedGame {
    std::vector<std::uint8_t> replay;
    std::int64_t ticks = 0;
};

// A recorded game of the bot at level 10, stopped after `maxTicks` when it lasts.
RecordedGame PlayRecorded(std::uint32_t seed, std::int64_t maxTicks) {
    BenchGame g(true);
    g.fake.cancelAnswer = true;
    PlacingBot bot(g, seed);
    g.clock.calendarSeconds += seed;
    g.game->StartStopCommand();
    RecordedGame recorded;
    for (; g.game->Flags().gameInProgress && recorded.ticks < maxTicks; ++recorded.ticks) {
        bot.Step();
    }
    if (g.game->Flags().gameInProgress) {
        g.game->StartStopCommand(); // the cancel question, answered yes
    }
    recorded.replay = g.fake.results.at(0).replay;
    return recorded;
}

constexpr std::int64_t kTicksPerMinute = 3000;

// Bytes of replay per minute of play, over games of up to five minutes.
void ReplaySizeAtLevel10(benchmark::State& state) {
    double bytes = 0;
    double minutes = 0;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const RecordedGame game = PlayRecorded(seed++, 5 * kTicksPerMinute);
        bytes += static_cast<double>(game.replay.size());
        minutes += static_cast<double>(game.ticks) / kTicksPerMinute;
    }
    state.counters["bytes_per_minute"] = bytes / minutes;
    state.counters["minutes_per_game"] = minutes / static_cast<double>(state.iterations());
}
BENCHMARK(ReplaySizeAtLevel10)->Iterations(20)->Unit(benchmark::kMillisecond);

// Plays a five-minute replay again without pictures, as the server verifies
// it; x_real_time is game time per second of computer time.
void VerifyReplay(benchmark::State& state) {
    const RecordedGame game = PlayRecorded(7, 5 * kTicksPerMinute);
    const auto replay = ReplayFile::Decode(game.replay);
    std::int64_t ticks = 0;
    for (auto _ : state) {
        ReplayPlayer player(*replay, Options{});
        player.PlayToEnd();
        benchmark::DoNotOptimize(player.Result());
        ticks += game.ticks;
    }
    state.counters["x_real_time"] =
        benchmark::Counter(static_cast<double>(ticks) * 0.020, benchmark::Counter::kIsRate);
}
BENCHMARK(VerifyReplay)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brinox
