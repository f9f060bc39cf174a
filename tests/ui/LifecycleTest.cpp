// Start-up and the two ways a run ends: the files read and written, the
// boxes shown, and the exit status.
#include "WindowFixture.h"

#include "scores/UsageRecords.h"
#include "settings/OptionsFile.h"
#include "settings/WindowSizeFile.h"
#include "ui/AssetFiles.h"
#include "ui/FrameView.h"

#include <QDir>
#include <QFile>

namespace brinox::test {
namespace {

using LifecycleTest = WindowFixture;

TEST_F(LifecycleTest, FirstStartWritesDefaultOptionsAndTheFirstStartRecord) {
    EXPECT_TRUE(QFile::exists(directory->File(QStringLiteral("brinox.dat"))));
    EXPECT_TRUE(QFile::exists(directory->File(QStringLiteral("sdata.dat"))));
    EXPECT_TRUE(prompter.boxes.empty()) << "every asset is present";
    EXPECT_EQ(frame->AppDirectory(), directory->Path());
}

TEST_F(LifecycleTest, NoToQuitKeepsTheGameAsItWas) {
    StartGame();
    prompter.answers = {false};
    frame->Menu().Action(Command::Exit)->trigger();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(prompter.boxes[0].caption, QStringLiteral("Brinox 2000"));
    EXPECT_FALSE(frame->QuitRequested());
    EXPECT_EQ(game().flags.gameRunning, 1);
    EXPECT_EQ(game().state.clockRefsValid, 0) << "no time is counted for the question";

    Click(Qt::Key_Pause);
    prompter.answers = {false};
    frame->ConfirmQuit();
    EXPECT_EQ(game().flags.gameRunning, 0) << "a paused game stays paused";
}

TEST_F(LifecycleTest, YesToQuitLeavesTheGameStoppedBehindTheIdlePicture) {
    StartGame();
    ASSERT_EQ(game().flags.gameRunning, 1);
    prompter.answers = {true};
    frame->ConfirmQuit();
    ASSERT_TRUE(frame->QuitRequested());
    EXPECT_EQ(game().flags.gameRunning, 0) << "the game must not resume on the way out";
    const Layout& layout = frame->CurrentLayout();
    const QImage idle = LoadedPicture(assets::kIdle);
    EXPECT_EQ(Frame().copy(layout.playingArea),
              idle.copy(QRect(QPoint(0, 0), layout.playingArea.size())))
        << "the last frame is the one shown during the question";
}

TEST_F(LifecycleTest, YesToQuitEndsWithStatusZeroAndCountsTheRunOnce) {
    clock.Advance(10'000);
    prompter.answers = {true};
    QFile::remove(directory->File(QStringLiteral("brinox.dat")));
    Click(Qt::Key_X, Qt::ControlModifier);
    if (!frame->QuitRequested()) {
        frame->ConfirmQuit(); // the accelerator needs an active window
    }
    ASSERT_TRUE(frame->QuitRequested());
    EXPECT_EQ(frame->ExitCode(), 0);
    EXPECT_TRUE(QFile::exists(directory->File(QStringLiteral("brinox.dat"))));
    EXPECT_EQ(ReadRunningTime(directory->Path()), (RunningTime{0, 0, 10}));

    clock.Advance(5'000);
    Close(); // the window's destruction follows the quit
    EXPECT_EQ(ReadRunningTime(directory->Path()), (RunningTime{0, 0, 10}));
    EXPECT_TRUE(QFile::exists(directory->File(QStringLiteral("ws.dat"))));
}

TEST_F(LifecycleTest, DestructionWritesRunningTimeOptionsAndWindowSize) {
    frame->ApplyWindowSize(1);
    frame->Settings().blockSet = 4;
    clock.Advance(61'000);
    Close();
    EXPECT_EQ(ReadWindowSizeSetting(directory->Path()), 1);
    EXPECT_EQ(ReadRunningTime(directory->Path()), (RunningTime{0, 1, 1}));
    Options stored;
    ASSERT_TRUE(LoadOptions(directory->Path(), stored));
    EXPECT_EQ(stored.blockSet, 4);
}

struct SizeCase {
    std::int32_t setting;
    QSize client;
};

class StartSizeTest : public WindowFixture, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(StartSizeTest, WindowSizeFileChoosesTheStartSize) {
    Close(); // its own ws.dat would replace ours
    ASSERT_TRUE(WriteWindowSizeSetting(directory->Path(), GetParam().setting));
    Open();
    EXPECT_EQ(frame->WindowSizeSetting(), GetParam().setting);
    EXPECT_EQ(frame->View().size(), GetParam().client);
    EXPECT_EQ(Frame().size(), GetParam().client);
}

// The offscreen screen is 800 x 600, too small for the Big window.
INSTANTIATE_TEST_SUITE_P(Settings, StartSizeTest,
                         ::testing::Values(SizeCase{0, QSize(483, 404)},
                                           SizeCase{1, QSize(602, 590)},
                                           SizeCase{100, QSize(483, 404)}));

TEST_F(LifecycleTest, MissingPicturesAreReportedAndDrawNothing) {
    Close();
    directory = std::make_unique<GameDirectory>(GameDirectory::Assets::Missing);
    prompter.boxes.clear();
    Open();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].type, ScriptedPrompter::Box::Warning);
    EXPECT_TRUE(prompter.boxes[0].text.startsWith(
        QStringLiteral("Attention! This files were not found:\nbrinox.hlp\n")));
    EXPECT_TRUE(prompter.boxes[0].text.endsWith(QStringLiteral("\nProgram may work incorrectly")));

    StartGame();
    frame->Settings().startHeight = 5;
    for (int i = 0; i < 50; ++i) {
        Tick(200);
    }
    frame->ApplyWindowSize(1);
    EXPECT_EQ(Frame().size(), QSize(602, 590));
}

TEST_F(LifecycleTest, OptionsThatCannotBeSavedAskToQuitOnlyOnce) {
    // A folder in place of the file makes every write fail.
    QFile::remove(directory->File(QStringLiteral("brinox.dat")));
    ASSERT_TRUE(
        QDir(QString::fromStdString(directory->Path())).mkdir(QStringLiteral("brinox.dat")));
    prompter.answers = {true};
    frame->SaveOptionsFile();
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[0].text,
              QStringLiteral("ERROR! It is impossible to save file \"brinox.dat\""));
    EXPECT_EQ(prompter.boxes[1].type, ScriptedPrompter::Box::Question);
    EXPECT_TRUE(frame->QuitRequested());
    EXPECT_EQ(frame->ExitCode(), 0);
    Close();
    EXPECT_EQ(prompter.boxes.size(), 2u);
}

TEST_F(LifecycleTest, UnwritableOptionsAtStartUpEndTheRun) {
    Close();
    QFile::remove(directory->File(QStringLiteral("brinox.dat")));
    QFile::remove(directory->File(QStringLiteral("ws.dat")));
    ASSERT_TRUE(
        QDir(QString::fromStdString(directory->Path())).mkdir(QStringLiteral("brinox.dat")));
    prompter.boxes.clear();
    prompter.answers = {false};
    Open();
    ASSERT_EQ(prompter.boxes.size(), 3u);
    EXPECT_EQ(prompter.boxes[0].text,
              QStringLiteral("ERROR! It is impossible to save file \"brinox.dat\""));
    EXPECT_EQ(prompter.boxes[1].text, QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(prompter.boxes[2].text,
              QStringLiteral("ERROR! It is impossible to create file \"brinox.dat\""));
    EXPECT_TRUE(frame->QuitRequested());
    EXPECT_NE(frame->ExitCode(), 0);
    Close();
    EXPECT_FALSE(QFile::exists(directory->File(QStringLiteral("ws.dat"))));
}

TEST_F(LifecycleTest, WinnerAndCancelQuestionsUseTheirTexts) {
    frame->ShowWinner();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].type, ScriptedPrompter::Box::Information);
    EXPECT_EQ(prompter.boxes[0].caption, QStringLiteral("CONGRATULATIONS !!!"));
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("You are Winner !"));
    prompter.answers = {true};
    EXPECT_TRUE(frame->ConfirmCancelGame());
    EXPECT_EQ(prompter.boxes[1].text, QStringLiteral("Do you want to cancel current game?"));
}

} // namespace
} // namespace brinox::test
