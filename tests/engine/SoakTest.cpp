// Complete games played by seeded bots that mash the five keys with random
// timing, losing focus now and then, from random options, start levels and
// start heights; the engine's invariants are checked after every tick.
#include "TestGame.h"

#include "engine/PieceShape.h"

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
        t.clock.ms = static_cast<std::uint32_t>(rng());
        t.clock.calendarSeconds = 1'000'000'000 + number * 37;
    }

    void Play() {
        t.game.StartStopCommand();
        while (t.access.flags.gameInProgress && !::testing::Test::HasFailure()) {
            Step();
        }
        ASSERT_EQ(t.fake.results.size(), 1u);
        EXPECT_EQ(t.fake.results[0].score, t.access.state.score);
        EXPECT_EQ(t.fake.results[0].pieces, t.access.state.pieces);
    }

private:
    std::int32_t Pick(std::int32_t n) { return static_cast<std::int32_t>(rng() % n); }

    void Step() {
        if (Pick(400) == 0) {
            t.game.SetAppActive(false);
            t.Run(3000);
            t.game.SetAppActive(true);
        }
        const Options& o = t.options;
        const std::int32_t codes[] = {o.keyLeft, o.keyRight, o.keyDown, o.keyDrop, o.keyRotate};
        const std::int32_t pick = Pick(8);
        if (pick < 5) {
            t.game.KeyDown(codes[pick]);
        }
        const GameState previous = t.access.state;
        t.Tick(20 + Pick(280));
        if (pick < 5 && Pick(3) != 0) {
            t.game.KeyUp(codes[pick]);
        }
        CheckInvariants(previous);
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

    TestGame t;
    std::mt19937 rng;
};

TEST(SoakTest, BotsPlayWholeGamesWithoutBreakingAnInvariant) {
    for (std::int32_t number = 0; number < kGames; ++number) {
        SoakGame game(number);
        game.Play();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << number;
    }
}

} // namespace
} // namespace brinox
