// The main window's side of results and saved games: a finished game is
// ranked in a dialog posted after the event that ended it, the best-score
// commands open their tables, Save and Load bring a game back exactly and
// refuse bad files, and the game stands still while any of them is open.
#include "WindowFixture.h"

#include "platform/FileChooser.h"
#include "scores/CBestScoresDlg.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGame.h"

#include <QCoreApplication>
#include <QFile>

namespace brinox::test {
namespace {

class SavedGameWindowTest : public WindowFixture, public FileChooser {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        InstallFileChooser(this);
        path = directory->File(QStringLiteral("game.tsv"));
        modals.onDialog = [this](QDialog& dialog) {
            auto& scores = dynamic_cast<CBestScoresDlg&>(dialog);
            tables.push_back(scores.CurrentTable());
            EXPECT_EQ(game().flags.gameRunning, 0);
            EXPECT_EQ(game().state.clockRefsValid, 0);
            scores.Tick();
            return QDialog::Rejected;
        };
    }
    void TearDown() override {
        InstallFileChooser(nullptr);
        WindowFixture::TearDown();
    }
    QString SaveFileName(QWidget*, const FileDialogRequest& request) override {
        titles.push_back(request.title);
        EXPECT_EQ(request.filter, "Brinox 2000 Save Files (*.tsv);;All Files (*)");
        EXPECT_EQ(request.defaultSuffix + request.initialName, "tsvuntitled");
        return path;
    }
    QString OpenFileName(QWidget* parent, const FileDialogRequest& request) override {
        return SaveFileName(parent, request);
    }

    QString path; // the file every file dialog answers with
    std::vector<QString> titles;
    std::vector<std::int32_t> tables; // of every best-scores dialog opened
};

TEST_F(SavedGameWindowTest, AStoppedGameIsRankedAfterTheEventThatEndedIt) {
    modals.names = {QStringLiteral("Ann")};
    frame->Settings().gameMode = Timer;
    StartGame();
    game().state.score = 4321;
    prompter.answers = {true}; // stop the game
    Click(Qt::Key_F2);
    EXPECT_TRUE(tables.empty()) << "not opened from inside the event that ended the game";
    QCoreApplication::processEvents();
    EXPECT_EQ(tables, std::vector<std::int32_t>{QuadelTimerTable});
    EXPECT_EQ(game().flags.gameRunning, 1);
    Click(Qt::Key_F2); // the next game knows the new best score
    EXPECT_EQ(game().state.bestScore, 4321);

    Click(Qt::Key_Pause); // the commands open their tables, and a paused game stays paused
    frame->Run(Command::LocalBestScores);
    frame->Run(Command::WorldTop10);
    EXPECT_EQ(tables, (std::vector<std::int32_t>{1, QuadelClassicTable, WorldTop10Table}));
    EXPECT_EQ(game().flags.gameRunning, 0);
}

TEST_F(SavedGameWindowTest, SaveThenLoadRestoresTheGameAndRefusesBadFiles) {
    EXPECT_FALSE(frame->Enabled(Command::Save)) << "no game in progress";
    frame->Settings().gameType = Quinel;
    frame->Settings().gameMode = Rising;
    frame->Settings().startHeight = 3;
    StartGame();
    while (game().TryMove(0, 1, game().state.rotation)) {
    }
    game().LandPiece();
    game().state.score = 777;
    const Board board = game().board;
    GameState state = game().state;
    Click(Qt::Key_S, Qt::ControlModifier);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray whole = saved.readAll();
    saved.close();

    // The game goes on under other options, then Ctrl+L and Yes to dropping it.
    game().TryMove(1, 1, game().state.rotation);
    game().state.score = 1;
    frame->Settings().gameType = Quadel;
    frame->Settings().gameMode = WorldChampionship;
    EXPECT_FALSE(frame->Enabled(Command::Save));
    prompter.answers = {true};
    Click(Qt::Key_L, Qt::ControlModifier);
    ASSERT_FALSE(prompter.boxes.empty());
    EXPECT_EQ(prompter.boxes.back().text, "Attention! Do you want to cancel current game?");
    EXPECT_EQ(game().board.cells, board.cells);
    // Not in the file: the clocks restart, the best score is read again.
    for (auto field : {&GameState::bestScore, &GameState::bestScorePending,
                       &GameState::clockRefsValid, &GameState::bombsBeforeChampionship}) {
        state.*field = game().state.*field;
    }
    EXPECT_EQ(game().state, state);
    Options stored;
    ASSERT_TRUE(LoadOptions(directory->Path(), stored));
    EXPECT_EQ(stored.gameType * 4 + stored.gameMode, QuinelRisingTable);
    EXPECT_EQ(titles, (std::vector<QString>{QStringLiteral("Save Brinox 2000 Game"),
                                            QStringLiteral("Load Brinox 2000 Game")}));

    game().TryMove(-1, 0, game().state.rotation);
    state = game().state;
    for (const QByteArray& bytes : {whole.left(whole.size() / 2), QByteArray("MZ no game")}) {
        ASSERT_TRUE(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
        saved.write(bytes);
        saved.close();
        prompter.answers = {true};
        Click(Qt::Key_L, Qt::ControlModifier);
        EXPECT_EQ(prompter.boxes.back().text, kSavedFileIncorrectMessage);
        EXPECT_EQ(game().state, state);
        EXPECT_EQ(game().flags.gameRunning, 1);
    }
}

} // namespace
} // namespace brinox::test
