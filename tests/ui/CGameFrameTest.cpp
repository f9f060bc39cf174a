// The real window driven by keys, pointer and activation, checked by its
// pixels against the pictures of the game directory: pause, activation, the
// tool bar's buttons and the commands they and the keys reach.
#include "WindowFixture.h"

#include "engine/GameTypes.h"
#include "ui/AssetFiles.h"
#include "ui/FrameAccessible.h"
#include "ui/FrameView.h"
#include "ui/Layout.h"
#include "ui/WindowSize.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <optional>

namespace brinox::test {
namespace {

using WindowTest = WindowFixture;

FrameAccessible& Accessible(CGameFrame& frame) {
    return dynamic_cast<FrameAccessible&>(*QAccessible::queryAccessibleInterface(&frame.View()));
}

TEST_F(WindowTest, PauseShowsTheIdlePictureAndKeepsTheNextPieceAndCounters) {
    StartGame();
    BringPieceIntoView();
    const Layout& layout = frame->CurrentLayout();
    const auto kept = [&] {
        return std::vector{Frame().copy(layout.nextBar), Frame().copy(layout.score.rect),
                           Frame().copy(layout.level.rect)};
    };
    const auto before = kept();
    Click(Qt::Key_Pause);
    Tick();
    EXPECT_TRUE(IdleShown());
    EXPECT_EQ(kept(), before);
    Click(Qt::Key_Pause);
    EXPECT_FALSE(IdleShown());
}

TEST_F(WindowTest, LostActivationReleasesTheKeysAndShowsTheIdlePicture) {
    StartGame();
    Press(Qt::Key_Left);
    ASSERT_EQ(game().keys[GameKey::Left].pressed, 1);
    frame->SetAppActive(false);
    EXPECT_EQ(game().keys[GameKey::Left].pressed, 0);
    EXPECT_TRUE(IdleShown());
    Release(Qt::Key_Left);
}

// The window's own buttons driven by real pointer events, the commands
// reached by keys and buttons, and the two keyboard faults found by playing.
// File dialogs record their titles and are cancelled.
class ToolBarTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        fileAnswer = [this](const FileDialogRequest& request) {
            opened = "file: " + request.title;
            Tick(50'000);
            return QString();
        };
        Activate();
        Tick();
    }
    QPoint On(ToolButton button) const { return frame->CurrentLayout().Button(button).center(); }
    void Move(QPoint at) { QTest::mouseMove(&frame->View(), at); }
    void ClickOn(ToolButton button) {
        QTest::mouseClick(&frame->View(), Qt::LeftButton, {}, On(button));
    }
    std::int32_t State(ToolButton button) { return frame->Buttons()[button]; }

    QString opened; // the last dialog opened
};

TEST_F(ToolBarTest, HoverPressDragAndReleaseFollowThePointer) {
    Move(On(ToolButton::NextBarToggle));
    EXPECT_EQ(State(ToolButton::NextBarToggle), 1);
    EXPECT_EQ(frame->Buttons().statusMessage, 15);
    EXPECT_EQ(frame->View().cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(&frame->View(), Qt::LeftButton, {}, On(ToolButton::NextBarToggle));
    EXPECT_EQ(State(ToolButton::NextBarToggle), 2);
    EXPECT_EQ(sounds.Played(SoundEvent::ButtonPress), 1);
    Move(On(ToolButton::Bombs));
    EXPECT_EQ(State(ToolButton::NextBarToggle), 0);
    EXPECT_EQ(State(ToolButton::Bombs), 1);
    const std::int32_t bombs = frame->Settings().bombsOn;
    QTest::mouseRelease(&frame->View(), Qt::LeftButton, {}, On(ToolButton::Bombs));
    EXPECT_EQ(frame->Settings().showNextBar, 1);
    EXPECT_EQ(frame->Settings().bombsOn, 1 - bombs);

    Move(QPoint(200, 200));
    EXPECT_EQ(State(ToolButton::Bombs) + frame->Buttons().statusMessage, 0);
    EXPECT_NE(frame->View().cursor().shape(), Qt::PointingHandCursor);
    // The last of the 26 lines of the status picture, 15 pixels each: the best score's.
    Move(frame->CurrentLayout().best.rect.center());
    const QRect strip = frame->CurrentLayout().messageStrip;
    EXPECT_EQ(Frame().copy(strip), LoadedPicture(assets::File(Picture::StatusLines))
                                       .copy(QRect(QPoint(0, 25 * 15), strip.size())));
}

// However the game is driven, the Game menu shows Start or Stop, the Pause
// item's key and check mark, and every item enabled exactly when its command
// is; the last figure tells a full tick rate.
TEST_F(ToolBarTest, GameMenuFollowsTheGameAsButtonsKeysAndItemsDriveIt) {
    const GameMenu& menu = frame->Menu();
    QAction* pause = menu.Action(Command::Pause);
    const auto shown = [&] {
        for (std::int32_t index = 0; index < kMenuCommandCount; ++index) {
            const auto command = static_cast<Command>(index);
            EXPECT_EQ(menu.Action(command)->isEnabled(), frame->Enabled(command)) << index;
        }
        return menu.Action(Command::StartStop)->text() + "|" + pause->text() + "|" +
               QString::number(pause->isEnabled()) + QString::number(pause->isChecked()) +
               QString::number(frame->TickInterval() == 20);
    };
    prompter.answers = {false, true};
    const std::pair<std::function<void()>, QString> steps[] = {
        {[&] { ClickOn(ToolButton::Pause); }, "Start Game\tF2|Pause\tPause|000"}, // no game
        {[&] { ClickOn(ToolButton::StartStop); }, "Stop Game\tF2|Pause\tPause|101"},
        {[&] { ClickOn(ToolButton::Pause); }, "Stop Game\tF2|Pause\tPause|111"},
        {[&] { pause->trigger(); }, "Stop Game\tF2|Pause\tPause|101"},
        {[&] { ClickOn(ToolButton::StartStop); }, "Stop Game\tF2|Pause\tPause|101"}, // No
        {[&] { Click(Qt::Key_F2); }, "Start Game\tF2|Pause\tPause|000"},             // Yes
        {[&] {
             frame->Settings().keyPause = 80;
             frame->RedrawAll();
         },
         "Start Game\tF2|Pause\tP|000"},
    };
    for (const auto& [step, expected] : steps) {
        step();
        EXPECT_EQ(shown(), expected);
    }
}

// The game selectors during a game: a click passes a button that may not act,
// and the game type's shows its disabled picture under the pointer too.
TEST_F(ToolBarTest, ButtonsDoNothingWhereTheyMayNotAct) {
    ClickOn(ToolButton::StartStop);
    ASSERT_TRUE(game().flags.gameInProgress);
    const Options before = frame->Settings();
    ClickOn(ToolButton::Bombs);
    ClickOn(ToolButton::GameType);
    EXPECT_EQ(frame->Settings(), before);
    const QRect type = frame->CurrentLayout().Button(ToolButton::GameType);
    EXPECT_EQ(
        Frame().copy(type),
        LoadedPicture(assets::File(Picture::TypesDisabled)).copy(QRect(QPoint(), type.size())));
}

TEST_F(ToolBarTest, AnApplicationActiveBeforeTheWindowShowsActivatesTheGame) {
    Close();
    QWidget startUpBox; // a message box of the start-up checks
    startUpBox.show();
    startUpBox.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&startUpBox));
    Open();
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    EXPECT_EQ(game().flags.appActive, 1);
}

TEST_F(ToolBarTest, KeysOfAnOpenMenuDoNotMoveThePiece) {
    Click(Qt::Key_F2);
    BringPieceIntoView();
    const std::int32_t column = game().state.column;
    QMenu* menu = frame->menuBar()->actions().first()->menu();
    menu->popup(frame->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Left);
    menu->close();
    Tick();
    EXPECT_EQ(game().state.column, column);
}

using CommandTest = ToolBarTest;

// The game waits behind every dialog: no time is counted for it, and a game
// paused before it stays paused.
TEST_F(CommandTest, KeysAndButtonsOpenTheirDialogsWhileTheGameWaits) {
    modals.onDialog = [&](QDialog& dialog) {
        opened =
            QString::fromLatin1(dialog.metaObject()->className()) + ": " + dialog.windowTitle();
        Tick(50'000); // ticks keep arriving while a dialog is open
        return int(QDialog::Rejected);
    };
    const QString scores = QStringLiteral("brinox::CBestScoresDlg: Best Scores - ");
    const QString help = QStringLiteral("Brinox 2000 help - contents");
    const QString champions =
        QStringLiteral("brinox::CChampionsDlg: Brinox World Championship %1 Champions");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::optional<ToolButton> button;
        QString opens;
    } cases[] = {
        {Qt::Key_F3, {}, ToolButton::Options, "brinox::OptionsSheet: Brinox 2000"},
        {Qt::Key_S, Qt::ControlModifier, ToolButton::Save, "file: Save Brinox 2000 Game"},
        {Qt::Key_L, Qt::ControlModifier, ToolButton::Load, "file: Load Brinox 2000 Game"},
        {Qt::Key_F4, {}, ToolButton::LocalBestScores, scores + "Quadel: Classic mode"},
        {Qt::Key_F5, {}, ToolButton::WorldTop10, scores + "World Championship Top 10"},
        {Qt::Key_F1, {}, ToolButton::Help, "brinox::HelpViewer: Brinox 2000 Help - " + help},
        {Qt::Key_0, Qt::AltModifier, {}, champions.arg(2000)},
        {Qt::Key_1, Qt::AltModifier, {}, champions.arg(2001)},
        {Qt::Key_X, Qt::ControlModifier, ToolButton::Exit,
         "question: Are you sure you want to quit?"},
        {Qt::Key_F2, {}, ToolButton::StartStop, "question: Do you want to cancel current game?"},
    };
    frame->Settings().gameMode = Timer;
    Click(Qt::Key_F2); // Save needs a game in progress
    ASSERT_TRUE(game().flags.gameInProgress);
    const GameState before = game().state;
    for (const auto& c : cases) {
        for (bool byButton : {false, true}) {
            if (byButton && !c.button) {
                continue;
            }
            opened.clear();
            prompter.boxes.clear();
            byButton ? ClickOn(*c.button) : Click(c.key, c.modifiers);
            if (!prompter.boxes.empty()) {
                opened = "question: " + prompter.boxes.back().text;
            }
            EXPECT_EQ(opened, c.opens) << c.opens.toStdString() << (byButton ? " by button" : "");
            Tick();
        }
    }
    EXPECT_EQ(
        std::tuple(game().flags.gameRunning, game().state.gameSeconds, game().state.timerSeconds),
        std::tuple(std::int32_t{1}, before.gameSeconds, before.timerSeconds));
    Click(Qt::Key_Pause);
    Click(Qt::Key_F4);
    EXPECT_EQ(game().flags.gameRunning, 0);
}

TEST_F(CommandTest, SizeKeysSetTheWindowSize) {
    for (auto [key, setting] : {std::pair{Qt::Key_2, 1}, {Qt::Key_1, 0}, {Qt::Key_3, 100}}) {
        Click(key, Qt::ControlModifier);
        EXPECT_EQ(frame->WindowSizeSetting(), setting);
    }
}

// The key watcher in the real window: the toolkit's repeats of a held key
// and a game key that is also an accelerator.
// X11 sends a release/press pair for every repeat while a key is held.
TEST_F(WindowTest, ToolkitRepeatsOfAKeyAreNoNewPresses) {
    StartGame();
    const std::int32_t column = game().state.column;
    Press(Qt::Key_Left);
    Tick();
    Release(Qt::Key_Left, true);
    Press(Qt::Key_Left, true);
    EXPECT_EQ(game().keys[GameKey::Left].repeatState, Held);
    Tick();
    EXPECT_EQ(game().state.column, column - 1);
    Release(Qt::Key_Left);
    Press(Qt::Key_Left, true); // a late repeat after the release
    EXPECT_EQ(game().keys[GameKey::Left].pressed, 0);
}

TEST_F(WindowTest, GameKeyThatIsAlsoAnAcceleratorReachesTheGameFirst) {
    auto* shortcut = new QAction(frame.get());
    shortcut->setShortcut(QKeySequence(Qt::Key_Left));
    frame->addAction(shortcut);
    QSignalSpy triggered(shortcut, &QAction::triggered);
    StartGame();
    const std::int32_t column = game().state.column;
    Press(Qt::Key_Left);
    EXPECT_EQ(triggered.count(), 1);
    Release(Qt::Key_Left);
    Tick(); // a tap shorter than a tick still acts once
    EXPECT_EQ(game().state.column, column - 1);
}

// What assistive technology meets of the drawn controls: each change told once
// and nothing for a still picture (a11y_smoke presses each of them).
TEST_F(WindowFixture, DrawnControlsTellEachChangeOnceAndAStillPictureNothing) {
    StartGame();
    for (int control = 0; control < Accessible(*frame).childCount(); ++control) {
        Accessible(*frame).child(control); // a client looks at each control
    }
    EXPECT_EQ(Accessible(*frame).TellChanges(), 0);
    game().state.score += 200; // the score and the best score
    Click(Qt::Key_Pause);
    EXPECT_EQ(Accessible(*frame).TellChanges(), 3);
    EXPECT_EQ(Accessible(*frame).TellChanges(), 0);
}

// A press through a screen reader acts once the reader's call has returned, as a click does.
TEST_F(WindowFixture, AnAccessiblePressActsOnceTheCallerHasReturned) {
    QAccessibleInterface* bombs = Accessible(*frame).child(static_cast<int>(ToolButton::Bombs));
    const bool on = bombs->state().checked;
    bombs->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(bombs->state().checked, on);
    QCoreApplication::processEvents();
    EXPECT_NE(bombs->state().checked, on);
}

} // namespace
} // namespace brinox::test
