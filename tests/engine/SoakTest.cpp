// Complete games played by seeded bots that mash the five keys with random
// timing, losing focus, pausing, opening dialogs and refusing to stop now and
// then, from random options, start levels and start heights; the engine's
// invariants are checked after every tick, and the replay of every fifth game
// (20 of each type and mode) must play it again tick for tick.
#include "TestGame.h"

#include "engine/PieceShape.h"
#include "engine/Sha256.h"
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayPlayer.h"

#include <gtest/gtest.h>

#include <random>

namespace brinox {
namespace {

using test::TestGame;

constexpr std::int32_t kGames = 700; // 100 of each type and mode

class SoakGame {
public:
    explicit SoakGame(std::int32_t number) : rng(number * 7919u + 17u) {
        Options& o = t.options;
        o.gameType = number % 7 < 4 ? Quadel : Quinel;
        o.gameMode = number % 7 < 4 ? number % 7 : number % 7 - 4;
        o.bombsOn = (number / 7) % 2;
        o.startHeight = Pick(14);
        o.startLevel = Pick(20);
        constexpr std::int32_t kDelays[] = {0, 20, 50, 100, 1000};
        for (auto sens : {&Options::sensLeft, &Options::sensRight, &Options::sensDown,
                          &Options::sensDrop, &Options::sensRotate}) {
            o.*sens = kDelays[Pick(5)];
        }
        t.fake.recordSounds = false;
        t.fake.cancelAnswer = false;
        // What the window does around the engine: its animations take time,
        // and ticks go on under a box.
        t.fake.onRowRemoval = [this] {
            t.clock.Advance(250); // its frames take their time
        };
        t.fake.onQuestion = [this] { t.Run(100); };
        t.clock.ms = static_cast<std::uint32_t>(rng());
        t.clock.calendarSeconds = 1'000'000'000 + number * 37;
        t.clock.Link();
    }

    // The board and state after each tick in which the game was played.
    std::vector<std::pair<Board, GameState>> playedTicks;

    void Play() {
        t.game.StartStopCommand();
        while (t.access.flags.gameInProgress && !::testing::Test::HasFailure()) {
            Step();
        }
        ASSERT_EQ(t.fake.results.size(), 1u);
    }

private:
    std::int32_t Pick(std::int32_t n) { return static_cast<std::int32_t>(rng() % n); }

    void Step() {
        Interrupt();
        const Options& o = t.options;
        const std::int32_t codes[] = {o.keyLeft, o.keyRight, o.keyDown, o.keyDrop, o.keyRotate};
        const std::int32_t pick = Pick(8);
        if (pick < 5) {
            t.game.KeyDown(codes[pick]);
        }
        const GameState previous = t.access.state;
        const bool playing = t.game.Flags().Playing();
        t.Tick(20 + Pick(280));
        if (playing) {
            playedTicks.emplace_back(t.game.CurrentBoard(), t.game.State());
        }
        if (pick < 5 && Pick(3) != 0) {
            t.game.KeyUp(codes[pick]);
        }
        CheckInvariants(previous);
    }

    // Now and then the player leaves, pauses, opens a dialog that changes a
    // key's delay, or asks to stop and says no.
    void Interrupt() {
        switch (Pick(400)) {
        case 0:
            t.game.SetAppActive(false);
            t.Run(3000);
            t.game.SetAppActive(true);
            break;
        case 1:
            t.game.PauseCommand();
            t.Run(500);
            t.game.PauseCommand();
            break;
        case 2:
            t.game.RunSuspended([this] {
                t.Run(200);
                t.options.sensLeft = Pick(200);
            });
            break;
        case 3:
            t.game.StartStopCommand();
            break;
        default:
            break;
        }
    }

    void CheckInvariants(const GameState& previous) {
        const GameState& s = t.access.state;
        const bool bombs = t.options.bombsOn && t.options.gameMode != WorldChampionship;
        for (std::int32_t i = 0; i < Board::kCells; ++i) { // column by column
            const std::int32_t cell = t.access.board.cells[i];
            ASSERT_TRUE(cell == Board::kEmpty || (cell >= 0 && cell <= 15)) << cell;
            ASSERT_TRUE(!t.access.flags.gameInProgress || i % Board::kRows >= Board::kSpawnRows ||
                        cell == Board::kEmpty)
                << "block in the spawn zone";
        }
        ASSERT_TRUE(s.score >= previous.score && s.lines >= previous.lines &&
                    s.level >= previous.level && s.gameSeconds >= previous.gameSeconds);
        ASSERT_GE(static_cast<std::int64_t>(s.score), std::int64_t{200} * s.lines);
        ASSERT_TRUE(bombs || s.bombs == 0);
        if (!t.access.flags.gameInProgress) {
            return;
        }
        for (std::int32_t i = 0; i < PieceShape::CellCount(s.currentKind); ++i) {
            const CellOffset o = PieceShape::Offset(s.currentKind, s.rotation, i);
            ASSERT_TRUE(Board::Inside(s.column + o.dx, s.row + o.dy) &&
                        t.access.board.IsEmpty(s.column + o.dx, s.row + o.dy))
                << "the piece overlaps";
        }
        ASSERT_LE(s.currentKind, bombs ? 18 : 15);
        ASSERT_LT(s.nextKind, t.options.gameType == Quadel ? 7 : 16);
        ASSERT_TRUE(s.level >= 1 && s.level <= 20 && s.linesLeft >= 0);
        ASSERT_TRUE(s.timerSeconds >= -1 && s.timerSeconds <= 3599 + 15);
        ASSERT_TRUE(s.risingCounter == -1 ||
                    (s.risingCounter >= 1 && s.risingCounter <= s.risingPeriod));
        ASSERT_TRUE(s.pieces == 0 ||
                    (s.minDropSeconds <= s.maxDropSeconds && s.maxDropSeconds <= s.gameSeconds));
    }

    std::mt19937 rng;

public:
    TestGame t;
};

// Plays the game's replay, from its file, and compares each played tick with
// the game; a championship game the program can play must prove its result.
void ExpectReplayPlaysItAgain(const SoakGame& recorded) {
    const GameResult& result = recorded.t.fake.results.at(0);
    const auto replay = ReplayFile::Decode(result.replay);
    ASSERT_TRUE(replay);
    ReplayPlayer player(*replay, Options{});
    std::size_t tick = 0;
    for (; player.NextTick(); ++tick) {
        ASSERT_LT(tick, recorded.playedTicks.size());
        ASSERT_EQ(player.Engine().CurrentBoard().cells, recorded.playedTicks[tick].first.cells)
            << "tick " << tick;
        ASSERT_EQ(player.Engine().State(), recorded.playedTicks[tick].second) << "tick " << tick;
    }
    EXPECT_EQ(tick, recorded.playedTicks.size());
    EXPECT_EQ(player.Problem(), "");
    ASSERT_TRUE(player.Result());
    EXPECT_EQ(static_cast<const GameStatistics&>(*player.Result()),
              static_cast<const GameStatistics&>(result));
    const ReplaySettings& s = replay->settings;
    if (s.gameType == Quadel && s.gameMode == WorldChampionship && s.bombsOn == 0) {
        EXPECT_EQ(ReplayPlayer::Verify(*replay, result).problem, "");
    }
}

// How this engine plays and records is a promise to every replay made under its version:
// the games' ends and replay files are pinned with it; a change on purpose renews both.
TEST(SoakTest, BotsPlayWholeGamesWithoutBreakingAnInvariantAndTheirReplaysPlayThemAgain) {
    Sha256 ends;
    for (std::int32_t number = 0; number < kGames; ++number) {
        SoakGame game(number);
        game.Play();
        if (number % 5 == 0) {
            ExpectReplayPlaysItAgain(game);
        }
        ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << number;
        const GameResult& r = game.t.fake.results.at(0);
        ends.Add(r.startTime + r.endTime + std::string(r.replay.begin(), r.replay.end()));
        for (const std::int64_t figure :
             {r.score, r.lines, r.level, r.pieces, r.gameSeconds, r.bombs, r.minDropSeconds,
              r.maxDropSeconds, r.avgDropSeconds}) {
            ends.AddNumber(figure);
        }
        for (const std::int32_t cell : game.t.game.CurrentBoard().cells) {
            ends.AddNumber(cell);
        }
    }
    EXPECT_EQ(std::string(EngineVersion()) + " " + Sha256::Hex(ends.Finish()),
              "2.25 83fad71cf3c8e18317525d0aab71ad63add03671102ea4cf421b9e34c8f30cb6");
}

} // namespace
} // namespace brinox
