// Complete games played by seeded bots through the tick, the key watcher and
// the commands, with the engine's invariants checked after every tick. Half
// the bots place pieces sensibly, so that games clear rows, reach high levels
// and win; the others mash keys and lose fast.
#include "TestGame.h"

#include "engine/PieceShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace brinox {
namespace {

using test::TestGame;

constexpr std::int32_t kGames = 700; // 100 of each type and mode: enough to win and to bomb
constexpr std::int32_t kMaxPiecesPerGame = 1500;

struct Totals {
    std::int32_t wins = 0, maxLevel = 0;
    std::int64_t bombs = 0;
};

// Whether `kind` in `rotation` fits at (column, row) of `board`.
bool Fits(const Board& board, std::int32_t kind, std::int32_t rotation, std::int32_t column,
          std::int32_t row) {
    for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
        const CellOffset o = PieceShape::Offset(kind, rotation, i);
        if (!Board::Inside(column + o.dx, row + o.dy) ||
            !board.IsEmpty(column + o.dx, row + o.dy)) {
            return false;
        }
    }
    return true;
}

// The value of dropping `kind` straight down in `rotation` at `column`:
// rows cleared against height, holes and bumps, as simple bots weigh them.
std::int32_t Value(Board b, std::int32_t kind, std::int32_t rotation, std::int32_t column) {
    std::int32_t row = Board::kSpawnRows;
    if (!Fits(b, kind, rotation, column, row)) {
        return -1'000'000;
    }
    while (Fits(b, kind, rotation, column, row + 1)) {
        ++row;
    }
    for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
        const CellOffset o = PieceShape::Offset(kind, rotation, i);
        b.At(column + o.dx, row + o.dy) = 0;
    }
    std::int32_t value = 0, lastTop = 0;
    for (std::int32_t r = 0; r < Board::kRows; ++r) {
        std::int32_t filled = 0;
        for (std::int32_t c = 0; c < Board::kColumns; ++c) {
            filled += !b.IsEmpty(c, r);
        }
        value += filled == Board::kColumns ? 76 : 0;
    }
    for (std::int32_t c = 0; c < Board::kColumns; ++c) {
        std::int32_t top = Board::kRows;
        for (std::int32_t r = Board::kRows - 1; r >= 0; --r) {
            top = b.IsEmpty(c, r) ? top : r;
            value -= b.IsEmpty(c, r) && top < Board::kRows ? 36 : 0; // a hole
        }
        value -= (Board::kRows - top) * 51 + (c > 0 ? std::abs(top - lastTop) * 18 : 0);
        lastTop = top;
    }
    return value;
}

class SoakGame {
public:
    SoakGame(std::int32_t number, Totals& totals) : rng(number * 7919u + 17u), totals(totals) {
        Options& o = t.options;
        o.gameType = number % 7 < 4 ? Quadel : Quinel;
        o.gameMode = number % 7 < 4 ? number % 7 : number % 7 - 4;
        o.bombsOn = (number / 7) % 2;
        o.startHeight = Pick(14);
        o.startLevel = Pick(3) == 0 ? Pick(20) : Pick(4);
        constexpr std::int32_t kDelays[] = {0, 20, 50, 100, 1000};
        for (auto sens : {&Options::sensLeft, &Options::sensRight, &Options::sensDown,
                          &Options::sensDrop, &Options::sensRotate}) {
            o.*sens = kDelays[Pick(5)];
        }
        smart = number % 2 == 0;
        t.fake.recordSounds = false;
        t.clock.ms = static_cast<std::uint32_t>(rng());
        t.clock.calendarSeconds = 1'000'000'000 + number * 37;
    }

    void Play() {
        t.game.StartStopCommand();
        previous = t.game.state;
        while (t.game.flags.gameInProgress && !::testing::Test::HasFailure()) {
            if (t.game.state.piecesLanded >= kMaxPiecesPerGame) {
                t.game.StartStopCommand(); // the fake answers Yes
                break;
            }
            Step();
        }
        ASSERT_EQ(t.fake.results.size(), 1u);
        const GameResult& r = t.fake.results[0];
        EXPECT_EQ(r.score, t.game.state.score);
        EXPECT_EQ(r.pieces, t.game.state.piecesLanded);
        EXPECT_LE(r.avgDropSeconds, std::max(r.maxDropSeconds, 0));
        if (t.fake.winnerBoxes == 1) {
            EXPECT_EQ(t.game.state.level, 20);
            EXPECT_NE(t.options.gameMode, WorldChampionship);
            ++totals.wins;
        }
        totals.maxLevel = std::max(totals.maxLevel, t.game.state.level);
        totals.bombs += t.game.state.bombsUsed;
    }

private:
    std::int32_t Pick(std::int32_t n) { return static_cast<std::int32_t>(rng() % n); }

    void Step() {
        if (Pick(400) == 0) { // now and then a lost focus
            t.game.SetAppActive(false);
            t.Run(3000);
            t.game.SetAppActive(true);
        }
        const Options& o = t.options;
        const std::int32_t codes[] = {o.keyLeft, o.keyRight, o.keyDown, o.keyDrop, o.keyRotate};
        const std::int32_t pick = Pick(8);
        const std::int32_t code = smart ? SmartKey() : pick < 5 ? codes[pick] : -1;
        if (code >= 0) {
            t.game.KeyDown(code);
        }
        t.Tick(20 + Pick(280));
        if (code >= 0 && (smart || Pick(3) != 0)) {
            t.game.KeyUp(code);
        }
        CheckInvariants();
        previous = t.game.state;
    }

    std::int32_t SmartKey() {
        const GameState& s = t.game.state;
        const std::int64_t piece = std::int64_t{s.piecesLanded} + s.bombsUsed;
        if (piece != plannedPiece) {
            plannedPiece = piece;
            ticksOnPiece = 0;
            std::int32_t best = -2'000'000;
            for (std::int32_t r = 0; r < 4 && !IsBomb(s.currentKind); ++r) {
                for (std::int32_t c = -2; c < 12; ++c) {
                    const std::int32_t value = Value(t.game.board, s.currentKind, r, c);
                    target = value > best ? std::pair{r, c} : target;
                    best = std::max(best, value);
                }
            }
        }
        const Options& o = t.options;
        if (++ticksOnPiece > 12 || IsBomb(s.currentKind)) {
            return o.keyDrop; // stuck against something: just drop
        }
        return s.rotation != target.first ? o.keyRotate
               : s.column < target.second ? o.keyRight
               : s.column > target.second ? o.keyLeft
                                          : o.keyDrop;
    }

    void CheckInvariants() {
        const GameState& s = t.game.state;
        const bool bombs = t.options.bombsOn && t.options.gameMode != WorldChampionship;
        for (std::int32_t i = 0; i < Board::kCells; ++i) { // column by column
            const std::int32_t cell = t.game.board.cells[i];
            ASSERT_TRUE(cell == Board::kEmpty || (cell >= 0 && cell <= 15)) << cell;
            ASSERT_TRUE(!t.game.flags.gameInProgress || i % Board::kRows >= Board::kSpawnRows ||
                        cell == Board::kEmpty)
                << "block in the spawn zone";
        }
        ASSERT_GE(s.score, previous.score);
        ASSERT_GE(static_cast<std::int64_t>(s.score), std::int64_t{200} * s.lines);
        ASSERT_TRUE(s.lines >= previous.lines && s.level >= previous.level &&
                    s.elapsedSeconds >= previous.elapsedSeconds);
        ASSERT_TRUE(bombs || s.bombsUsed == 0);
        if (!t.game.flags.gameInProgress) {
            return;
        }
        ASSERT_TRUE(Fits(t.game.board, s.currentKind, s.rotation, s.column, s.row))
            << "the piece overlaps";
        ASSERT_LE(s.currentKind, bombs ? 18 : 15);
        ASSERT_LT(s.nextKind, t.options.gameType == Quadel ? 7 : 16);
        ASSERT_TRUE(s.level >= 1 && s.level <= 20 && s.linesLeft >= 0);
        ASSERT_TRUE(s.timerSeconds >= -1 && s.timerSeconds <= 3599 + 15);
        ASSERT_TRUE(s.risingCounter == -1 ||
                    (s.risingCounter >= 1 && s.risingCounter <= s.risingPeriod));
        ASSERT_TRUE(s.piecesLanded == 0 ||
                    (s.minDropSeconds <= s.maxDropSeconds && s.maxDropSeconds <= s.elapsedSeconds));
    }

    TestGame t;
    std::mt19937 rng;
    Totals& totals;
    bool smart = false;
    GameState previous;
    std::int64_t plannedPiece = -1;
    std::int32_t ticksOnPiece = 0;
    std::pair<std::int32_t, std::int32_t> target{0, 5}; // rotation, column
};

TEST(SoakTest, BotsPlayWholeGamesWithoutBreakingAnInvariant) {
    Totals totals;
    for (std::int32_t number = 0; number < kGames; ++number) {
        SoakGame game(number, totals);
        game.Play();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << number;
    }
    // The bots must have reached the interesting places, or the soak proves little.
    EXPECT_GT(totals.wins, 0);
    EXPECT_EQ(totals.maxLevel, 20);
    EXPECT_GT(totals.bombs, 0);
}

} // namespace
} // namespace brinox
