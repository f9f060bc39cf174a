// Start-up and the two ways a run ends: the files read and written, the
// boxes shown, and the exit status.
#include "WindowFixture.h"

#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayPlayer.h"
#include "scores/CBestScoresDlg.h"
#include "scores/ReplayStore.h"
#include "scores/UsageRecords.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGame.h"
#include "settings/WindowSizeFile.h"
#include "ui/FrameView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace brinox::test {
namespace {

using LifecycleTest = WindowFixture;

TEST_F(LifecycleTest, NoToQuitKeepsTheGameYesLeavesItStoppedBehindTheIdlePicture) {
    StartGame();
    prompter.answers = {false};
    frame->Menu().Action(Command::Exit)->trigger();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(prompter.boxes[0].caption, QStringLiteral("Brinox 2000"));
    EXPECT_FALSE(frame->QuitRequested());
    EXPECT_EQ(game().flags.gameRunning, 1);
    EXPECT_EQ(game().state.clockRefsValid, 0) << "no time is counted for the question";

    prompter.answers = {true};
    frame->ConfirmQuit();
    ASSERT_TRUE(frame->QuitRequested());
    EXPECT_EQ(game().flags.gameRunning, 0) << "the game must not resume on the way out";
    EXPECT_TRUE(IdleShown()) << "the last frame is the one shown during the question";
}

// The window's own sounds wait for the devices, which open once the first
// frame is shown: preloaded then, and playing from then on.
TEST_F(LifecycleTest, TheDevicesOpenAfterTheFirstFrameAndPlayTheWindowsSounds) {
    struct Player : SoundOutput {
        void Preload(const Options& /*options*/) override { ++preloads; }
        void Play(SoundEvent event, const std::string& /*file*/) override {
            played.push_back(event);
        }
        std::int32_t preloads = 0;
        std::vector<SoundEvent> played;
    };
    Player* player = nullptr;
    openDevices = [&player](const GamepadLinks& /*links*/, bool withSounds) {
        EXPECT_TRUE(withSounds);
        auto own = std::make_unique<Player>();
        player = own.get();
        return Devices{std::move(own), nullptr};
    };
    fakeSounds = false;
    Open();
    EXPECT_EQ(player, nullptr) << "opened before the first frame";
    Activate();
    Tick();
    QCoreApplication::processEvents();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->preloads, 1);
    QTest::mouseClick(&frame->View(), Qt::LeftButton, {},
                      frame->CurrentLayout().Button(ToolButton::GameType).center());
    EXPECT_EQ(player->played, std::vector<SoundEvent>{SoundEvent::ButtonPress});
}

// The offscreen screen is 800 x 600, too small for the Big window.
TEST_F(LifecycleTest, WindowSizeFileChoosesTheStartSize) {
    for (const auto& [setting, client] :
         {std::pair{0, QSize(483, 404)}, {1, QSize(602, 590)}, {100, QSize(483, 404)}}) {
        Close(); // its own ws.dat would replace ours
        ASSERT_TRUE(WriteWindowSizeSetting(directory->Path(), setting));
        Open();
        EXPECT_EQ(frame->WindowSizeSetting(), setting);
        EXPECT_EQ(frame->View().size(), client);
        EXPECT_EQ(Frame().size(), client);
    }
}

TEST_F(LifecycleTest, MissingPicturesAreReportedAndDrawNothing) {
    Close();
    directory = std::make_unique<GameDirectory>(GameDirectory::Assets::Missing);
    prompter.boxes.clear();
    Open();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_TRUE(prompter.boxes[0].text.startsWith("Attention! This files were not found:"));

    StartGame();
    frame->Settings().startHeight = 5;
    for (int i = 0; i < 50; ++i) {
        Tick(200);
    }
    frame->ApplyWindowSize(1);
    EXPECT_EQ(Frame().size(), QSize(602, 590));
}

// The main window's side of results and saved games: a finished game is
// ranked in a dialog posted after the event that ended it, and Save and Load
// bring a game back exactly and refuse bad files.
class SavedGameWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        path = directory->File(QStringLiteral("game.tsv"));
        fileAnswer = [this](const FileDialogRequest& request) {
            EXPECT_EQ(request.filter, "Brinox 2000 Save Files (*.tsv);;All Files (*)");
            EXPECT_EQ(request.defaultSuffix + request.initialName, "tsvuntitled");
            return path;
        };
        modals.onDialog = [this](QDialog& dialog) {
            auto& scores = dynamic_cast<CBestScoresDlg&>(dialog);
            tables.push_back(scores.CurrentTable());
            scores.Tick(); // runs the pending insertion
            return QDialog::Rejected;
        };
    }

    QString path;                     // the file every file dialog answers with
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
    EXPECT_EQ(QDir(directory->File(QStringLiteral("replays"))).entryList(QDir::Files).size(), 1)
        << "the window records the games it starts, and the row keeps the replay";
    EXPECT_EQ(game().flags.gameRunning, 1);
    Click(Qt::Key_F2); // the next game knows the new best score
    EXPECT_EQ(game().state.bestScore, 4321);
}

TEST_F(SavedGameWindowTest, AChampionshipGamePlayedInTheWindowIsProvenByTheReplayItsRowKeeps) {
    modals.names = {QStringLiteral("Ann")};
    clock.Link();
    frame->Settings().gameMode = WorldChampionship;
    frame->Settings().bombsOn = 0;
    StartGame();
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space};
    for (int step = 0; step < 400 && game().flags.gameInProgress; ++step) {
        Press(keys[step % 5]);
        Tick(20 + step % 7 * 30);
        Release(keys[step % 5]);
        Tick();
    }
    prompter.answers = {true, false}; // stop the game; send nothing
    if (game().flags.gameInProgress) {
        Click(Qt::Key_F2);
    }
    QCoreApplication::processEvents();
    ScoreTableSet tables;
    ASSERT_TRUE(tables.Load(directory->Path()));
    const ScoreEntry& row = tables.Table(QuadelChampionshipTable).rows[0];
    ASSERT_EQ(row.name, "Ann");
    const auto replay = ReplayStore(directory->Path()).Get(QuadelChampionshipTable, row);
    ASSERT_TRUE(replay);
    GameResult claimed;
    static_cast<GameStatistics&>(claimed) = row;
    const ReplayPlayer::Verdict verdict =
        ReplayPlayer::Verify(*ReplayFile::Decode(*replay), claimed);
    EXPECT_EQ(verdict.problem, "");
    EXPECT_GT(row.pieces, 5);
    // A press every 40 to 220 ms: at most 9 in a second, however often the
    // window tells the game of each.
    EXPECT_LE(verdict.rates.peakKeysPerSecond, 9) << verdict.rates.peakKeysPerSecond;
}

TEST_F(SavedGameWindowTest, SaveThenLoadRestoresTheGameAndRefusesBadFiles) {
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

    // The game goes on in the championship, where it cannot be saved, then
    // Ctrl+L and Yes to dropping it.
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
    }
}

} // namespace
} // namespace brinox::test
