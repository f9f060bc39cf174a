// Save and Load from the main window: the dialogs they ask for, a game that
// comes back exactly, and files that are refused without touching the game.
#include "WindowFixture.h"

#include "platform/FileChooser.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGame.h"

#include <QFile>

namespace brinox::test {
namespace {

// Answers every file dialog with `path` and remembers what was asked.
class ScriptedFileChooser : public FileChooser {
public:
    QString SaveFileName(QWidget*, const FileDialogRequest& request) override {
        requests.push_back(request);
        return path;
    }
    QString OpenFileName(QWidget*, const FileDialogRequest& request) override {
        requests.push_back(request);
        return path;
    }
    QString path;
    std::vector<FileDialogRequest> requests;
};

class SavedGameWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        InstallFileChooser(&chooser);
        chooser.path = directory->File(QStringLiteral("game.tsv"));
    }
    void TearDown() override {
        InstallFileChooser(nullptr);
        WindowFixture::TearDown();
    }

    // A Quinel Rising game with a few pieces landed and every counter moved.
    void PlayQuinelGame() {
        frame->Settings().gameType = Quinel;
        frame->Settings().gameMode = Rising;
        frame->Settings().startHeight = 3;
        StartGame();
        for (int piece = 0; piece < 3; ++piece) {
            while (game().TryMove(0, 1, game().state.rotation)) {
            }
            game().LandPiece();
        }
        game().TryMove(1, 1, game().state.rotation);
        game().state.score = 777;
        game().state.elapsedSeconds = 95;
        ASSERT_TRUE(game().flags.gameInProgress);
    }

    ScriptedFileChooser chooser;
};

// What a save and load must bring back: all but the figures recomputed on load.
GameState Comparable(GameState s) {
    s.bestScore = s.bestScorePending = s.clockRefsValid = s.bombsBeforeChampionship = 0;
    return s;
}

TEST_F(SavedGameWindowTest, SaveThenLoadRestoresTheGameAndItsOptions) {
    EXPECT_FALSE(frame->Enabled(Command::Save)) << "no game in progress";
    EXPECT_TRUE(frame->Enabled(Command::Load));
    PlayQuinelGame();
    const Board board = game().board;
    const GameState state = game().state;
    Click(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(chooser.path));
    EXPECT_EQ(game().flags.gameRunning, 1);

    // Another game with other options, then Ctrl+L and Yes to dropping it.
    prompter.answers = {true};
    Click(Qt::Key_F2);
    frame->Settings().gameType = Quadel;
    frame->Settings().gameMode = Classic;
    Click(Qt::Key_F2);
    prompter.boxes.clear();
    prompter.answers = {true};
    Click(Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, "Attention! Do you want to cancel current game?");
    EXPECT_EQ(game().board.cells, board.cells);
    EXPECT_EQ(Comparable(game().state), Comparable(state));
    EXPECT_EQ(game().flags.gameRunning, 1);
    Options stored;
    ASSERT_TRUE(LoadOptions(directory->Path(), stored));
    EXPECT_EQ(stored.gameType, Quinel);
    EXPECT_EQ(stored.gameMode, Rising);

    ASSERT_EQ(chooser.requests.size(), 2u);
    const QString titles[] = {QStringLiteral("Save Brinox 2000 Game"),
                              QStringLiteral("Load Brinox 2000 Game")};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(chooser.requests[i].title, titles[i]);
        EXPECT_EQ(chooser.requests[i].filter,
                  QStringLiteral("Brinox 2000 Save Files (*.tsv);;All Files (*)"));
        EXPECT_EQ(chooser.requests[i].defaultSuffix, QStringLiteral("tsv"));
        EXPECT_EQ(chooser.requests[i].initialName, QStringLiteral("untitled"));
    }
}

TEST_F(SavedGameWindowTest, ACutOrForeignFileIsRefusedAndTheGameGoesOn) {
    PlayQuinelGame();
    Click(Qt::Key_S, Qt::ControlModifier);
    QFile saved(chooser.path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray whole = saved.readAll();
    saved.close();
    game().TryMove(-1, 0, game().state.rotation);
    const Board board = game().board;
    const GameState state = game().state;
    for (const QByteArray& bytes : {whole.left(whole.size() / 2), QByteArray("MZ not a game")}) {
        QFile file(chooser.path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        prompter.boxes.clear();
        prompter.answers = {true};
        Click(Qt::Key_L, Qt::ControlModifier);
        ASSERT_EQ(prompter.boxes.size(), 2u);
        EXPECT_EQ(prompter.boxes[1].text, QString::fromUtf8(kSavedFileIncorrectMessage));
        EXPECT_EQ(game().board.cells, board.cells);
        EXPECT_EQ(game().state, state);
        EXPECT_TRUE(game().flags.gameInProgress);
        EXPECT_EQ(game().flags.gameRunning, 1);
    }
}

TEST_F(SavedGameWindowTest, ChampionshipGamesCannotBeSaved) {
    frame->Settings().gameMode = WorldChampionship;
    StartGame();
    EXPECT_FALSE(frame->Enabled(Command::Save));
    Click(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(chooser.requests.empty());
}

} // namespace
} // namespace brinox::test
