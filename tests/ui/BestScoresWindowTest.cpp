// The main window's side of the best scores: a finished game is ranked in a
// dialog posted after the event that ended it, the two commands open their
// tables, and the game stands still while any of them is open.
#include "WindowFixture.h"

#include "scores/CBestScoresDlg.h"
#include "scores/ScoreTableSet.h"

#include <QCoreApplication>

namespace brinox::test {
namespace {

using BestScoresWindowTest = WindowFixture;

struct Seen {
    std::int32_t table = -1;
    std::int32_t gameRunning = -1;
    std::int32_t clockRefsValid = -1;
};

TEST_F(BestScoresWindowTest, AStoppedGameIsRankedAfterTheCommandAndSetsTheNextBestScore) {
    std::vector<Seen> seen;
    modals.names = {QStringLiteral("Ann")};
    modals.onDialog = [&](QDialog& dialog) {
        auto& scores = dynamic_cast<CBestScoresDlg&>(dialog);
        seen.push_back(
            {scores.CurrentTable(), game().flags.gameRunning, game().state.clockRefsValid});
        scores.Tick();
        scores.accept();
        return scores.result();
    };
    frame->Settings().gameMode = Timer;
    StartGame();
    game().state.score = 4321;
    prompter.answers = {true}; // stop the game
    Click(Qt::Key_F2);
    ASSERT_FALSE(game().flags.gameInProgress);
    EXPECT_TRUE(seen.empty()) << "not opened from inside the event that ended the game";
    QCoreApplication::processEvents();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].table, QuadelTimerTable);
    EXPECT_EQ(seen[0].gameRunning, 0);
    EXPECT_EQ(seen[0].clockRefsValid, 0);
    EXPECT_EQ(game().flags.gameRunning, 1);
    ScoreTableSet tables;
    ASSERT_TRUE(tables.Load(directory->Path()));
    EXPECT_EQ(tables.tables[QuadelTimerTable].rows[0].name, "Ann");
    EXPECT_EQ(tables.tables[QuadelTimerTable].rows[0].score, 4321);

    Click(Qt::Key_F2); // the next game knows the new best score
    EXPECT_EQ(game().state.bestScore, 4321);
}

TEST_F(BestScoresWindowTest, CommandsOpenTheirTableWithThePausedGameStayingPaused) {
    std::vector<Seen> seen;
    modals.onDialog = [&](QDialog& dialog) {
        seen.push_back({dynamic_cast<CBestScoresDlg&>(dialog).CurrentTable(),
                        game().flags.gameRunning, game().state.clockRefsValid});
        return QDialog::Rejected;
    };
    frame->Settings().gameType = Quinel;
    frame->Settings().gameMode = Rising;
    StartGame();
    struct Case {
        Command command;
        bool paused;
        std::int32_t table;
    };
    for (const Case c : {Case{Command::LocalBestScores, false, QuadelClassicTable},
                         Case{Command::WorldTop10, true, WorldTop10Table}}) {
        if (c.paused) {
            Click(Qt::Key_Pause);
        }
        ASSERT_TRUE(frame->Enabled(c.command));
        frame->Run(c.command);
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.back().table, c.table);
        EXPECT_EQ(seen.back().gameRunning, 0);
        EXPECT_EQ(seen.back().clockRefsValid, 0);
        EXPECT_EQ(game().flags.gameRunning, c.paused ? 0 : 1);
    }
}

} // namespace
} // namespace brinox::test
