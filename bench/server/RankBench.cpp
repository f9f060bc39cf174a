// The time brinox-rank takes over uploads that carry replays: 10,000 uploads,
// each a Quadel World Championship result of its own sender with the replay
// of its game beside it, verified by playing every replay again.
//
// The games are played by a bot with human pauses (150 to 400 ms between
// taps) that turns and moves each piece to a spot of its choice, then lets
// it fall (drops one in four); a game is stopped after five minutes.
// Forty such games are recorded once and sent by 250 senders each, so every
// upload is a result of its own that the tool must play through.
//   rank_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
#include "FakeClock.h"
#include "TestGame.h"

#include "engine/GameTypes.h"
#include "scores/ReplayBundle.h"
#include "scores/TransferFile.h"
#include "server/Ranking.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace brinox {
namespace {

constexpr int kUploads = 10'000;
constexpr int kGames = 40;
constexpr std::uint32_t kMaxGameMs = 5 * 60 * 1000;

// One championship game, recorded.
GameResult PlayGame(std::uint32_t seed) {
    test::TestGame t;
    t.options.gameMode = WorldChampionship;
    t.fake.recordSounds = false;
    t.clock.calendarSeconds += seed;
    std::mt19937 rng(seed);
    const auto pick = [&rng](std::uint32_t low, std::uint32_t high) {
        return low + rng() % (high - low + 1);
    };
    const Options& o = t.options;
    const auto tap = [&](std::int32_t code) {
        t.game.KeyDown(code);
        t.Tick(20);
        t.game.KeyUp(code);
        t.Run(pick(150, 400));
    };
    t.game.StartStopCommand();
    std::uint32_t played = 0;
    while (t.access.flags.gameInProgress && played < kMaxGameMs) {
        const std::int32_t pieces = t.game.State().pieces;
        const std::int32_t moves = static_cast<std::int32_t>(pick(0, 9)) - t.game.State().column;
        for (std::uint32_t turn = pick(0, 3); turn > 0; --turn) {
            tap(o.keyRotate);
        }
        for (std::int32_t step = 0; step < std::abs(moves); ++step) {
            tap(moves < 0 ? o.keyLeft : o.keyRight);
        }
        if (pick(0, 3) == 0) {
            tap(o.keyDrop);
        }
        while (t.access.flags.gameInProgress && t.game.State().pieces == pieces) {
            t.Tick(20);
        }
        played = t.clock.ms;
    }
    if (t.access.flags.gameInProgress) {
        t.game.StartStopCommand(); // the fake host says yes to stopping
    }
    return t.fake.results.at(0);
}

// The upload directory: kUploads results with their replays, made once.
class Uploads {
public:
    Uploads() {
        std::string made = (std::filesystem::temp_directory_path() / "brinox-rank-XXXXXX").string();
        dir = ::mkdtemp(made.data()) ? made + "/" : std::string();
        std::vector<GameResult> games;
        for (int g = 0; g < kGames; ++g) {
            games.push_back(PlayGame(static_cast<std::uint32_t>(g + 1)));
            ticks += games.back().gameSeconds * 50;
            bytes += games.back().replay.size();
        }
        for (int u = 0; u < kUploads; ++u) {
            const GameResult& game = games[static_cast<std::size_t>(u % kGames)];
            TransferFile file;
            const std::string name = "player" + std::to_string(u);
            file.sender = {name, name + "@example.org", "Land", ""};
            static_cast<GameStatistics&>(file.rows[0]) = game;
            file.rows[0].name = name;
            file.rows[0].used = 1;
            file.rows[0].bombsOn = game.bombsOn;
            const std::string base = dir + "wc" + std::to_string(u);
            WriteTransferFile(base + ".ttb", file);
            WriteReplayBundle(base + std::string(kReplayBundleSuffix), {{{0, game.replay}}});
        }
    }
    ~Uploads() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    std::string dir;
    std::int64_t ticks = 0; // of the forty games' played time
    std::size_t bytes = 0;  // of their replays
};

void RankVerifiedUploads(benchmark::State& state) {
    static const Uploads uploads;
    std::string said;
    for (auto _ : state) {
        std::ostringstream errors;
        if (server::RankDirectory(uploads.dir, uploads.dir + "top10.out", errors, {true}) != 0) {
            state.SkipWithError("brinox-rank failed");
        }
        said = errors.str();
    }
    state.SetLabel(said.substr(said.find("results")));
    state.counters["uploads"] = kUploads;
    state.counters["avg_game_s"] = static_cast<double>(uploads.ticks) / 50.0 / kGames;
    state.counters["avg_replay_bytes"] = static_cast<double>(uploads.bytes) / kGames;
}
BENCHMARK(RankVerifiedUploads)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
} // namespace brinox

BENCHMARK_MAIN();
