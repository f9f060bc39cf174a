// Starting a game from the options, ending it lost, won or stopped, the
// statistics of the result record, pausing, dialogs, the best-score sound
// and the sound switches.
#include "TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace brinox {
namespace {

using test::TestGame;

std::vector<std::string> Without(std::vector<std::string> log, const std::string& entry) {
    log.erase(std::remove(log.begin(), log.end(), entry), log.end());
    return log;
}

std::string Sound(SoundEvent event) {
    return "sound " + std::to_string(static_cast<std::int32_t>(event));
}

TEST(NewGameTest, ResetsEverythingFromTheOptions) {
    TestGame t;
    t.options.gameType = Quinel;
    t.options.gameMode = Rising;
    t.options.bombsOn = 0;
    t.fake.bestScores[6] = 4321;
    t.access.board.At(4, 4) = 3;
    t.access.state.score = 99;
    t.access.state.pieces = 7;
    t.access.state.minDropSeconds = 2;
    t.access.keys[GameKey::Left].pressed = 1;
    t.fake.keepLog = true;
    t.access.NewGame();
    const GameState& s = t.access.state;
    EXPECT_TRUE(t.access.board.IsEmpty(4, 4));
    // The start animation's time is not played: clockRefsValid 0.
    // clang-format off
    const std::vector<std::int32_t> got = {s.score, s.lines, s.pieces, s.bombs,
        s.minDropSeconds, s.maxDropSeconds, s.avgDropSeconds, s.gameSeconds,
        s.bestScorePending, s.bombsBeforeChampionship, s.bestScore, s.clockRefsValid,
        t.access.keys[GameKey::Left].pressed, t.access.flags.gameInProgress};
    // clang-format on
    EXPECT_EQ(got, (std::vector<std::int32_t>{0, 0, 0, 0, 1000, 0, 0, 0, 1, 0, 4321, 0, 0, 1}));
    EXPECT_EQ(t.game.CurrentTable(), 6); // Quinel's Rising table
    EXPECT_EQ(s.startTime, "Friday, 4 December 2026 1:05:09");
    EXPECT_EQ(Without(t.fake.log, "redraw"),
              (std::vector<std::string>{Sound(SoundEvent::StartOfGame), "animation 0"}));
    EXPECT_EQ(t.fake.log.back(), "redraw");
}

TEST(NewGameTest, FirstPiecesAreDrawnFromTheGamesPieceSet) {
    for (std::int32_t type : {Quadel, Quinel}) {
        TestGame t;
        t.options.gameType = type;
        std::vector<bool> seen(16, false);
        for (std::int32_t i = 0; i < 400; ++i) {
            t.clock.calendarSeconds = 5000 + i;
            t.access.flags.gameInProgress = 0;
            t.access.NewGame();
            seen[t.access.state.currentKind] = true;
            seen[t.access.state.nextKind] = true;
        }
        const auto count = std::count(seen.begin(), seen.end(), true);
        EXPECT_EQ(count, type == Quadel ? 7 : 16);
    }
}

TEST(NewGameTest, StartHeightFillsTheBottomRowsEachWithAGap) {
    for (std::int32_t height : {0, 1, 7, 13}) {
        TestGame t;
        t.options.startHeight = height;
        t.clock.calendarSeconds = 77 + height;
        t.Start();
        for (std::int32_t r = 0; r <= 20; ++r) {
            std::int32_t blocks = 0;
            for (std::int32_t c = 0; c < 10; ++c) {
                blocks += !t.access.board.IsEmpty(c, r);
            }
            // Never full; (1/3)^10 chance per row of being empty, fixed seed.
            EXPECT_TRUE(r < 21 - height ? blocks == 0 : blocks > 0 && blocks < 10) << r;
        }
    }
}

class EndGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.options.bombsOn = 1;
        t.access.appDirectory = "/data/brinox/";
        t.Start();
        t.access.board.Clear();
        t.fake.keepLog = true;
    }
    TestGame t;
};

TEST_F(EndGameTest, StoppingAtOnceAsksThenReportsEmptyStatistics) {
    t.clock.local.second = 30;
    t.game.StartStopCommand();
    ASSERT_EQ(t.fake.results.size(), 1u);
    const GameResult& r = t.fake.results[0];
    EXPECT_EQ((std::vector<std::int32_t>{r.minDropSeconds, r.maxDropSeconds, r.avgDropSeconds,
                                         r.pieces, r.level, r.bombsOn, r.finishedGame}),
              (std::vector<std::int32_t>{1000, 0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(r.endTime, "Friday, 4 December 2026 1:05:30");
    EXPECT_EQ(r.appDirectory, "/data/brinox/");
    EXPECT_EQ(t.access.flags.gameInProgress + t.access.flags.gameRunning, 1); // not paused
    EXPECT_EQ(Without(t.fake.log, "redraw"),
              (std::vector<std::string>{"question yes", Sound(SoundEvent::GameOver), "animation 3",
                                        "result"}));
}

TEST_F(EndGameTest, WinningShowsTheWinnerBoxBeforeTheResult) {
    t.access.EndGameWon();
    EXPECT_EQ(
        Without(t.fake.log, "redraw"),
        (std::vector<std::string>{Sound(SoundEvent::YouWin), "animation 2", "winner", "result"}));
}

TEST_F(EndGameTest, ResultRecordCarriesTheStatisticsAndTheGameIsOverWhenItIsShown) {
    t.options.gameType = Quinel;
    t.options.gameMode = Timer;
    GameState& s = t.access.state;
    std::tie(s.level, s.score, s.lines, s.gameSeconds, s.pieces, s.bombs) =
        std::tuple{7, 12345, 66, 321, 4, 2};
    std::tie(s.minDropSeconds, s.maxDropSeconds, s.avgDropSeconds) = std::tuple{1, 9, 19};
    std::int32_t inProgress = -1; // the game is over before the best-scores dialog opens
    t.fake.onGameFinished = [&](const GameResult&) {
        inProgress = t.access.flags.gameInProgress;
        t.game.KeyDown(t.options.keyLeft); // nested key messages stay idle
        t.game.Tick();
    };
    t.access.EndGameLost();
    EXPECT_EQ(inProgress, 0);
    EXPECT_EQ(t.access.keys[GameKey::Left].pressed, 0);
    EXPECT_EQ(t.fake.log.back(), "redraw");
    ASSERT_EQ(t.fake.results.size(), 1u);
    const GameResult& r = t.fake.results[0];
    const std::vector<std::int32_t> got = {
        r.gameType, r.gameMode, r.level,          r.score,          r.lines,         r.gameSeconds,
        r.pieces,   r.bombs,    r.minDropSeconds, r.maxDropSeconds, r.avgDropSeconds};
    // The average is 19 / 4 in integer division.
    EXPECT_EQ(got, (std::vector<std::int32_t>{Quinel, Timer, 7, 12345, 66, 321, 4, 2, 1, 9, 4}));
    EXPECT_EQ(r.startTime, s.startTime);
}

TEST_F(EndGameTest, AnsweringNoWhilePausedKeepsThePause) {
    t.game.PauseCommand();
    t.fake.cancelAnswer = false;
    std::int32_t runningDuringQuestion = -1;
    t.fake.onQuestion = [&] { runningDuringQuestion = t.access.flags.gameRunning; };
    t.game.StartStopCommand();
    EXPECT_EQ(runningDuringQuestion, 0);
    EXPECT_EQ(t.access.flags.gameRunning, 0);
    EXPECT_EQ(t.access.flags.gameInProgress, 1);
    t.game.PauseCommand();
    t.Tick();
    t.access.state.clockRefsValid = 1;
    t.game.StartStopCommand();
    EXPECT_EQ(t.access.flags.gameRunning, 1);
    EXPECT_EQ(t.access.state.clockRefsValid, 0); // the question's time is not played
    EXPECT_TRUE(t.fake.results.empty());
}

TEST(CommandTest, PauseTogglesOnlyDuringAGameTakesNoKeyAndADialogStopsTheGameAWhile) {
    TestGame t;
    t.game.PauseCommand();
    EXPECT_EQ(std::tuple(t.access.flags.gameRunning, t.fake.redrawAll), std::tuple(1, 0));
    t.Start();
    t.access.state.clockRefsValid = 1;
    t.game.PauseCommand();
    EXPECT_EQ(std::tie(t.access.flags.gameRunning, t.access.state.clockRefsValid, t.fake.redrawAll),
              std::tuple(0, 0, 1));
    t.game.KeyDown(t.options.keyRight);
    EXPECT_EQ(t.access.keys[GameKey::Right].pressed, 0);
    t.game.RunSuspended([] {});
    EXPECT_EQ(t.access.flags.gameRunning, 0);
    t.game.PauseCommand();
    EXPECT_EQ(t.access.flags.gameRunning, 1);
    // A running game and its clocks stand still inside a dialog, which hands back its answer.
    EXPECT_EQ(t.game.RunSuspended(
                  [&] { return t.access.flags.gameRunning + t.access.state.clockRefsValid + 42; }),
              42);
    EXPECT_EQ(t.access.flags.gameRunning, 1);
}

TEST(BestScoreTest, SoundPlaysOnceWhenTheScoreFirstPassesTheBest) {
    TestGame t;
    t.fake.bestScores[0] = 1000;
    t.Start();
    t.access.state.score = 1000;
    t.game.CheckBestScore();
    EXPECT_EQ(t.fake.Played(SoundEvent::BestScoreReached), 0);
    EXPECT_EQ(t.game.ShownBestScore(), 1000);
    t.access.state.score = 1001;
    t.game.CheckBestScore();
    t.game.CheckBestScore();
    EXPECT_EQ(t.fake.Played(SoundEvent::BestScoreReached), 1);
    EXPECT_EQ(t.game.ShownBestScore(), 1001);
    t.access.EndGameLost();
    t.access.state.bestScorePending = 1;
    t.game.CheckBestScore(); // no game: the final score is only shown
    EXPECT_EQ(t.fake.Played(SoundEvent::BestScoreReached), 1);
}

// A loaded game re-reads the best score of its table (Quinel has no championship
// table: the old one stays); a saved game does not hold whether the best-score
// sound is still due, so that stays as it was, whatever the file's record says.
TEST(RestoreTest, BestScoreIsReadAgainAndItsSoundStaysDueOrNotAsItWas) {
    struct Row {
        std::int32_t type, mode, score, best, pending;
    };
    for (const Row& row : {Row{Quadel, Timer, 500, 500, 0}, Row{Quadel, Timer, 501, 500, 1},
                           Row{Quinel, WorldChampionship, 50, 42, 1}}) {
        TestGame t;
        t.fake.bestScores[TableOf(Quadel, Timer)] = 500;
        t.access.state.bestScore = 42;
        t.access.state.bestScorePending = row.pending;
        t.options.gameType = row.type;
        t.options.gameMode = row.mode;
        GameState loaded = t.game.State();
        loaded.score = row.score;
        loaded.bestScorePending = 1 - row.pending;
        t.game.Restore(t.game.CurrentBoard(), loaded, 1);
        EXPECT_EQ(std::vector({t.game.State().bestScore, t.game.State().bestScorePending}),
                  std::vector({row.best, row.pending}))
            << row.score;
    }
}

TEST(SoundTest, PlaysOnlyWithBothSwitchesOnAndPassesTheFile) {
    TestGame t;
    t.options.soundFile[static_cast<std::int32_t>(SoundEvent::Timer)] = "/x/tick.wav";
    t.game.PlaySound(SoundEvent::Timer);
    ASSERT_EQ(t.fake.sounds.size(), 1u);
    EXPECT_EQ(t.fake.sounds[0].second, "/x/tick.wav");
    t.options.soundEnabled[static_cast<std::int32_t>(SoundEvent::Timer)] = 0;
    t.game.PlaySound(SoundEvent::Timer);
    t.game.PlaySound(SoundEvent::BlockDrop);
    EXPECT_EQ(t.fake.sounds.size(), 2u);
    t.options.soundOn = 0;
    t.game.PlaySound(SoundEvent::BlockDrop);
    EXPECT_EQ(t.fake.sounds.size(), 2u);
}

} // namespace
} // namespace brinox
