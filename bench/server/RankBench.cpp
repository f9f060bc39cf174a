// The time brinox-rank takes over uploads that carry replays:
// - RankNewUploads: 10,000 uploads, each a Quadel World Championship game of
//   its own sender with its replay beside it, none seen before: every replay
//   is played again (a first run, with no kept verdicts);
// - RankKeptUploads: the same uploads once their verdicts are kept: nothing
//   is played (every run after the first);
// - RankPausedReplays: 150 uploads whose replays hold millions of ticks of a
//   pause in a game of minutes, each rejected without being played.
//
// The games are played by a bot with human pauses (150 to 400 ms between
// taps) that turns and moves each piece to a spot of its choice, then lets
// it fall (drops one in four); a game is stopped after five minutes.
//   rank_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "FakeClock.h"
#include "TestGame.h"

#include "engine/CivilTime.h"
#include "engine/GameTypes.h"
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayWriter.h"
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

namespace fs = std::filesystem;

constexpr int kUploads = 10'000;
constexpr int kPausedUploads = 150;
constexpr std::uint32_t kMaxGameMs = 5 * 60 * 1000;

// One championship game, recorded with a clock whose calendar follows it.
GameResult PlayGame(std::uint32_t seed) {
    test::TestGame t;
    t.options.gameMode = WorldChampionship;
    t.options.bombsOn = 0;
    t.fake.recordSounds = false;
    t.clock.calendarSeconds = DaysFromCivil(2026, 12, 1) * 86'400 + seed * 600;
    t.clock.Link();
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
    const std::uint32_t start = t.clock.ms;
    while (t.access.flags.gameInProgress && t.clock.ms - start < kMaxGameMs) {
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
    }
    if (t.access.flags.gameInProgress) {
        t.game.StartStopCommand(); // the fake host says yes to stopping
    }
    return t.fake.results.at(0);
}

// The replay with a pause of millions of ticks after its start.
std::vector<std::uint8_t> Paused(const std::vector<std::uint8_t>& bytes, std::uint32_t extra) {
    Replay replay = *ReplayFile::Decode(bytes);
    std::vector<std::uint8_t> pause{0x80 | static_cast<std::uint8_t>(ReplayEntry::Pause)};
    for (int run = 0; run < 300; ++run) {
        pause.push_back(0x80 | static_cast<std::uint8_t>(ReplayEntry::Ticks));
        ReplayWriter::PutNumber(pause, 5'000'000 + extra);
    }
    replay.inputs.insert(replay.inputs.begin() + 2, pause.begin(), pause.end());
    return ReplayFile::Encode(replay);
}

// An upload directory, made once.
class Uploads {
public:
    explicit Uploads(bool paused) {
        std::string made = (fs::temp_directory_path() / "brinox-rank-XXXXXX").string();
        dir = ::mkdtemp(made.data()) ? made + "/" : std::string();
        uploadDir = dir + "uploads/";
        fs::create_directory(uploadDir);
        const int count = paused ? kPausedUploads : kUploads;
        const GameResult first = PlayGame(1);
        for (int u = 0; u < count; ++u) {
            const GameResult game = paused ? first : PlayGame(static_cast<std::uint32_t>(u + 1));
            const std::vector<std::uint8_t> replay =
                paused ? Paused(game.replay, static_cast<std::uint32_t>(u)) : game.replay;
            seconds += game.gameSeconds;
            bytes += replay.size();
            TransferFile file;
            const std::string name = "player" + std::to_string(u);
            file.sender = {name, name + "@example.org", "Land", ""};
            static_cast<GameStatistics&>(file.rows[0]) = game;
            file.rows[0].name = name;
            file.rows[0].used = 1;
            const std::string base = uploadDir + "wc" + std::to_string(u);
            WriteTransferFile(base + ".ttb", file);
            WriteReplayBundle(base + std::string(kReplayBundleSuffix), {{{0, replay}}});
        }
    }
    ~Uploads() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // One run of the tool; what it said last.
    std::string Rank(benchmark::State& state) const {
        std::ostringstream errors;
        if (server::RankDirectory(uploadDir, dir + "wctop10.ttb", errors) != 0) {
            state.SkipWithError("brinox-rank failed");
        }
        return errors.str();
    }
    void Forget() const {
        std::error_code ignored;
        fs::remove(dir + server::kStateFileName, ignored);
    }

    // As the server keeps them: the uploads in a folder of their own, the
    // Top 10 and the kept verdicts beside it.
    std::string dir;
    std::string uploadDir;
    std::int64_t seconds = 0; // of the games' played time
    std::size_t bytes = 0;    // of their replays
};

const Uploads& Games() {
    static const Uploads uploads(false);
    return uploads;
}

void Report(benchmark::State& state, const Uploads& uploads, int count, const std::string& said) {
    state.SetLabel(said.substr(said.rfind("results")));
    state.counters["uploads"] = count;
    state.counters["avg_game_s"] = static_cast<double>(uploads.seconds) / count;
    state.counters["avg_replay_bytes"] = static_cast<double>(uploads.bytes) / count;
}

// Each iteration a first run: no verdict kept. What the last run said.
std::string RankAfresh(benchmark::State& state, const Uploads& uploads) {
    std::string said;
    for (auto _ : state) {
        state.PauseTiming();
        uploads.Forget();
        state.ResumeTiming();
        said = uploads.Rank(state);
    }
    return said;
}

void RankNewUploads(benchmark::State& state) {
    const Uploads& uploads = Games();
    Report(state, uploads, kUploads, RankAfresh(state, uploads));
}
BENCHMARK(RankNewUploads)->Unit(benchmark::kSecond)->Iterations(1);

void RankKeptUploads(benchmark::State& state) {
    const Uploads& uploads = Games();
    uploads.Rank(state); // keeps every verdict
    std::string said;
    for (auto _ : state) {
        said = uploads.Rank(state);
    }
    Report(state, uploads, kUploads, said);
}
BENCHMARK(RankKeptUploads)->Unit(benchmark::kMillisecond)->Iterations(1);

void RankPausedReplays(benchmark::State& state) {
    static const Uploads uploads(true);
    const std::string said = RankAfresh(state, uploads);
    std::size_t unplayed = 0;
    for (std::size_t at = 0; (at = said.find("is not played", at)) != std::string::npos; ++at) {
        ++unplayed;
    }
    Report(state, uploads, kPausedUploads, said);
    state.counters["rejected_unplayed"] = static_cast<double>(unplayed);
}
BENCHMARK(RankPausedReplays)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace brinox

BENCHMARK_MAIN();
