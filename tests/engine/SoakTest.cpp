// Thousands of complete games played by seeded bots through the tick, the
// key watcher and the commands, with the engine's invariants checked after
// every tick. Half the bots place pieces sensibly so that games clear rows,
// reach high levels and win; the others mash keys and lose fast.
#include "TestGame.h"

#include "engine/PieceShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>

namespace brinox {
namespace {

using test::TestGame;

constexpr std::int32_t kGames = 2100;
constexpr std::int32_t kMaxPiecesPerGame = 1500;
constexpr std::int64_t kMaxScore = 2'000'001'999;

struct Combination {
    std::int32_t type;
    std::int32_t mode;
};
constexpr Combination kCombinations[] = {
    {Quadel, Classic}, {Quadel, Timer}, {Quadel, Rising}, {Quadel, WorldChampionship},
    {Quinel, Classic}, {Quinel, Timer}, {Quinel, Rising}};

struct Totals {
    std::int64_t ticks = 0;
    std::int32_t wins = 0;
    std::int32_t stopped = 0;
    std::int32_t maxLevel = 0;
    std::int32_t gamesFromLevelOneToTen = 0;
    std::int64_t bombs = 0;
    std::int64_t lines = 0;
    std::int64_t rowRemovals = 0;
};

// Where a straight drop of a piece would come to rest, judged by the
// column tops; good enough for a bot, never used to check the engine.
struct Placement {
    std::int32_t rotation = 0;
    std::int32_t column = 5;
};

class Planner {
public:
    explicit Planner(const Board& board) {
        for (std::int32_t c = 0; c < Board::kColumns; ++c) {
            top[c] = Board::kRows;
            for (std::int32_t r = Board::kRows - 1; r >= 0; --r) {
                if (!board.IsEmpty(c, r)) {
                    top[c] = r;
                    ++fill[r];
                }
            }
        }
    }

    Placement Best(std::int32_t kind) const {
        Placement best;
        std::int32_t bestValue = -1'000'000;
        for (std::int32_t rotation = 0; rotation < 4; ++rotation) {
            for (std::int32_t column = -2; column < 12; ++column) {
                const std::int32_t value = Value(kind, rotation, column);
                if (value > bestValue) {
                    bestValue = value;
                    best = {rotation, column};
                }
            }
        }
        return best;
    }

private:
    std::int32_t Value(std::int32_t kind, std::int32_t rotation, std::int32_t column) const {
        const std::int32_t cells = PieceShape::CellCount(kind);
        std::int32_t rest = Board::kRows;
        for (std::int32_t i = 0; i < cells; ++i) {
            const CellOffset o = PieceShape::Offset(kind, rotation, i);
            const std::int32_t c = column + o.dx;
            if (c < 0 || c >= Board::kColumns) {
                return -1'000'000;
            }
            rest = std::min(rest, top[c] - 1 - o.dy);
        }
        std::array<std::int32_t, Board::kRows> added{};
        std::array<std::int32_t, Board::kColumns> lowest{};
        std::array<std::int32_t, Board::kColumns> newTop = top;
        lowest.fill(-1);
        for (std::int32_t i = 0; i < cells; ++i) {
            const CellOffset o = PieceShape::Offset(kind, rotation, i);
            const std::int32_t c = column + o.dx;
            const std::int32_t r = rest + o.dy;
            if (r < Board::kSpawnRows) {
                return -500'000;
            }
            ++added[r];
            lowest[c] = std::max(lowest[c], r);
            newTop[c] = std::min(newTop[c], r);
        }
        std::int32_t cleared = 0;
        for (std::int32_t r = 0; r < Board::kRows; ++r) {
            cleared += added[r] > 0 && fill[r] + added[r] == Board::kColumns;
        }
        // The usual weights of simple placement bots: rows, height, holes, bumps.
        std::int32_t height = 0;
        std::int32_t holes = 0;
        std::int32_t bumps = 0;
        for (std::int32_t c = 0; c < Board::kColumns; ++c) {
            height += Board::kRows - newTop[c];
            holes += lowest[c] < 0 ? 0 : top[c] - 1 - lowest[c];
            if (c > 0) {
                bumps += std::abs(newTop[c] - newTop[c - 1]);
            }
        }
        return cleared * 76 - height * 51 - holes * 36 - bumps * 18;
    }

    std::array<std::int32_t, Board::kColumns> top{};
    std::array<std::int32_t, Board::kRows> fill{};
};

class SoakGame {
public:
    SoakGame(std::int32_t number, Totals& totals) : rng(number * 7919u + 17u), totals(totals) {
        const Combination combination = kCombinations[number % 7];
        Options& o = t.options;
        o.gameType = combination.type;
        o.gameMode = combination.mode;
        o.bombsOn = (number / 7) % 2;
        o.startHeight = Pick(14);
        o.startLevel = Pick(3) == 0 ? Pick(20) : Pick(4);
        constexpr std::int32_t kSensitivities[] = {0, 20, 50, 100, 1000};
        o.sensLeft = kSensitivities[Pick(5)];
        o.sensRight = kSensitivities[Pick(5)];
        o.sensDown = kSensitivities[Pick(5)];
        o.sensDrop = kSensitivities[Pick(5)];
        o.sensRotate = kSensitivities[Pick(5)];
        smart = number % 2 == 0;
        t.fake.recordSounds = false;
        t.fake.onRowRemoval = [this] { CheckMarkedRows(); };
        t.clock.ms = static_cast<std::uint32_t>(rng());
        t.clock.calendarSeconds = 1'000'000'000 + number * 37;
        fromLevelOne = o.startLevel == 0;
    }

    void Play() {
        t.game.StartStopCommand();
        ASSERT_EQ(t.game.flags.gameInProgress, 1);
        Remember();
        while (t.game.flags.gameInProgress) {
            if (t.game.state.piecesLanded >= kMaxPiecesPerGame) {
                t.game.StartStopCommand(); // the fake answers Yes
                ++totals.stopped;
                break;
            }
            Step();
            if (HasFatalFailure() || ::testing::Test::HasFailure()) {
                return;
            }
        }
        CheckResult();
    }

private:
    static bool HasFatalFailure() { return ::testing::Test::HasFatalFailure(); }

    std::int32_t Pick(std::int32_t n) { return static_cast<std::int32_t>(rng() % n); }

    void Step() {
        Disturb();
        const std::int32_t code = smart ? SmartKey() : RandomKey();
        if (code >= 0) {
            t.game.KeyDown(code);
        }
        t.clock.Advance(20 + Pick(280));
        t.game.Tick();
        ++totals.ticks;
        if (code >= 0 && (smart || Pick(3) != 0)) {
            t.game.KeyUp(code);
        }
        CheckInvariants();
        Remember();
    }

    // Now and then the things a player does besides playing.
    void Disturb() {
        switch (Pick(400)) {
        case 0:
            t.game.PauseCommand();
            t.clock.Advance(5000);
            t.game.Tick();
            t.game.PauseCommand();
            break;
        case 1:
            t.game.SetAppActive(false);
            t.clock.Advance(3000);
            t.game.Tick();
            t.game.SetAppActive(true);
            break;
        case 2:
            t.fake.cancelAnswer = false;
            t.game.StartStopCommand();
            t.fake.cancelAnswer = true;
            break;
        default:
            break;
        }
    }

    std::int32_t RandomKey() {
        const Options& o = t.options;
        const std::int32_t codes[] = {o.keyLeft, o.keyRight, o.keyDown, o.keyDrop, o.keyRotate};
        const std::int32_t pick = Pick(8);
        return pick < 5 ? codes[pick] : -1;
    }

    std::int32_t SmartKey() {
        const GameState& s = t.game.state;
        const std::int64_t piece = std::int64_t{s.piecesLanded} + s.bombsUsed;
        if (piece != plannedPiece) {
            plannedPiece = piece;
            ticksOnPiece = 0;
            target = IsBomb(s.currentKind) ? Placement{0, Pick(10)}
                                           : Planner(t.game.board).Best(s.currentKind);
        }
        if (++ticksOnPiece > 12) {
            return t.options.keyDrop; // stuck against something: just drop
        }
        if (s.rotation != target.rotation && !IsBomb(s.currentKind)) {
            return t.options.keyRotate;
        }
        if (s.column < target.column) {
            return t.options.keyRight;
        }
        if (s.column > target.column) {
            return t.options.keyLeft;
        }
        return t.options.keyDrop;
    }

    bool BombsAllowed() const {
        return t.options.bombsOn && t.options.gameMode != WorldChampionship;
    }

    void CheckMarkedRows() {
        ++totals.rowRemovals;
        std::int32_t marked = 0;
        for (std::int32_t r = Board::kSpawnRows; r < Board::kRows; ++r) {
            const std::int32_t first = t.game.board.At(0, r);
            const bool rowMarked = first >= Board::kRemovalMark && first < Board::kEmpty;
            marked += rowMarked;
            for (std::int32_t c = 0; c < Board::kColumns && rowMarked; ++c) {
                const std::int32_t cell = t.game.board.At(c, r);
                ASSERT_TRUE(cell >= 50 && cell <= 65) << "row " << r << " cell " << cell;
            }
        }
        ASSERT_GE(marked, 1);
        ASSERT_LE(marked, 4);
    }

    void CheckInvariants() {
        const GameState& s = t.game.state;
        const Board& b = t.game.board;
        for (std::int32_t cell : b.cells) {
            ASSERT_TRUE(cell == Board::kEmpty || (cell >= 0 && cell <= 15)) << cell;
        }
        ASSERT_GE(s.score, previous.score);
        ASSERT_LE(static_cast<std::int64_t>(s.score), kMaxScore);
        ASSERT_GE(s.lines, previous.lines);
        ASSERT_GE(static_cast<std::int64_t>(s.score), std::int64_t{200} * s.lines);
        ASSERT_GE(s.level, previous.level);
        ASSERT_GE(s.piecesLanded, previous.piecesLanded);
        ASSERT_GE(s.bombsUsed, previous.bombsUsed);
        ASSERT_GE(s.elapsedSeconds, previous.elapsedSeconds);
        if (!BombsAllowed()) {
            ASSERT_EQ(s.bombsUsed, 0);
        }
        if (!t.game.flags.gameInProgress) {
            return;
        }
        for (std::int32_t c = 0; c < Board::kColumns; ++c) {
            for (std::int32_t r = 0; r < Board::kSpawnRows; ++r) {
                ASSERT_TRUE(b.IsEmpty(c, r)) << "block in the spawn zone at " << c << "," << r;
            }
        }
        for (std::int32_t i = 0; i < PieceShape::CellCount(s.currentKind); ++i) {
            const CellOffset o = PieceShape::Offset(s.currentKind, s.rotation, i);
            const std::int32_t c = s.column + o.dx;
            const std::int32_t r = s.row + o.dy;
            ASSERT_TRUE(Board::Inside(c, r) && b.IsEmpty(c, r))
                << "piece " << s.currentKind << " overlaps at " << c << "," << r;
        }
        ASSERT_TRUE(s.currentKind >= 0 && s.currentKind <= (BombsAllowed() ? 18 : 15));
        ASSERT_LT(s.nextKind, t.options.gameType == Quadel ? 7 : 16);
        ASSERT_GE(s.level, 1);
        ASSERT_LE(s.level, 20);
        ASSERT_GE(s.linesLeft, 0);
        ASSERT_GE(s.timerSeconds, -1);
        ASSERT_LE(s.timerSeconds, 3599 + 15);
        if (s.risingCounter != -1) {
            ASSERT_GE(s.risingCounter, 1);
            ASSERT_LE(s.risingCounter, s.risingPeriod);
        }
        if (s.piecesLanded > 0) {
            ASSERT_LE(s.minDropSeconds, s.maxDropSeconds);
            ASSERT_LE(s.maxDropSeconds, s.elapsedSeconds);
            ASSERT_GE(s.dropSecondsTotal, std::int64_t{s.minDropSeconds} * s.piecesLanded);
            ASSERT_LE(s.dropSecondsTotal, std::int64_t{s.maxDropSeconds} * s.piecesLanded);
        }
    }

    void Remember() { previous = t.game.state; }

    void CheckResult() {
        const GameState& s = t.game.state;
        ASSERT_EQ(t.game.flags.gameInProgress, 0);
        ASSERT_EQ(t.fake.results.size(), 1u);
        const GameResult& r = t.fake.results[0];
        EXPECT_EQ(r.score, s.score);
        EXPECT_EQ(r.level, s.level);
        EXPECT_EQ(r.lines, s.lines);
        EXPECT_EQ(r.pieces, s.piecesLanded);
        EXPECT_EQ(r.bombs, s.bombsUsed);
        EXPECT_EQ(r.gameType, t.options.gameType);
        EXPECT_EQ(r.gameMode, t.options.gameMode);
        if (r.pieces == 0) {
            EXPECT_EQ(r.minDropSeconds, 1000);
            EXPECT_EQ(r.maxDropSeconds, 0);
            EXPECT_EQ(r.avgDropSeconds, 0);
        } else {
            EXPECT_LE(r.avgDropSeconds, std::max(r.maxDropSeconds, 0));
        }
        const bool won = t.fake.winnerBoxes == 1;
        if (won) {
            EXPECT_EQ(s.level, 20);
            EXPECT_NE(t.options.gameMode, WorldChampionship);
            ++totals.wins;
        }
        totals.maxLevel = std::max(totals.maxLevel, s.level);
        totals.gamesFromLevelOneToTen += fromLevelOne && s.level >= 10;
        totals.bombs += s.bombsUsed;
        totals.lines += s.lines;
    }

    TestGame t;
    std::mt19937 rng;
    Totals& totals;
    bool smart = false;
    bool fromLevelOne = false;
    GameState previous;
    std::int64_t plannedPiece = -1;
    std::int32_t ticksOnPiece = 0;
    Placement target;
};

TEST(SoakTest, BotsPlayThousandsOfGamesWithoutBreakingAnInvariant) {
    Totals totals;
    for (std::int32_t number = 0; number < kGames; ++number) {
        SoakGame game(number, totals);
        game.Play();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << number;
    }
    std::cout << "games " << kGames << ", ticks " << totals.ticks << ", wins " << totals.wins
              << ", stopped " << totals.stopped << ", rows " << totals.lines << ", bombs "
              << totals.bombs << ", row removals " << totals.rowRemovals
              << ", games from level 1 past level 10 " << totals.gamesFromLevelOneToTen << "\n";
    // The bots must have reached the interesting places, or the soak proves little.
    EXPECT_GT(totals.wins, 0);
    EXPECT_EQ(totals.maxLevel, 20);
    EXPECT_GT(totals.gamesFromLevelOneToTen, 0);
    EXPECT_GT(totals.bombs, 0);
}

} // namespace
} // namespace brinox
