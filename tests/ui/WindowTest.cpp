// The real window driven by keys, pointer and activation, checked by its
// pixels against the pictures of the game directory.
#include "WindowFixture.h"

#include "engine/GameTypes.h"
#include "platform/FileChooser.h"
#include "ui/AssetFiles.h"
#include "ui/FrameView.h"
#include "ui/Layout.h"
#include "ui/PointerAreas.h"
#include "ui/WindowSize.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <optional>
#include <set>

namespace brinox::test {
namespace {

using WindowTest = WindowFixture;

class BoardTest : public WindowFixture, public ::testing::WithParamInterface<WindowSize> {};

// After a size change and a move the frame holds the board and the falling
// piece, old cells erased, exactly as a full redraw composes it; the next
// piece keeps its 20-pixel blocks. The big window's picture is left as
// screenshots/big-window.png, the one the metainfo publishes.
TEST_P(BoardTest, FrameShowsTheBoardAndTheMovedPieceAsAFullRedrawWould) {
    const bool big = GetParam() == WindowSize::Big;
    frame->Settings().startHeight = 6;
    StartGame();
    BringPieceIntoView();
    const GameState state = game().state;
    frame->ApplyWindowSize(big ? 1 : 0);
    EXPECT_EQ(game().state, state);
    Press(Qt::Key_Left);
    Tick();
    ASSERT_EQ(game().state.column, state.column - 1);
    const std::int32_t size = big ? 30 : 20;
    const QImage blocks = BlockPicture(GetParam());
    const QImage back = LoadedPicture(assets::File(big ? Picture::BackBig : Picture::Back));
    const std::vector<QPoint> piece = PieceCells();
    for (std::int32_t row = Board::kSpawnRows; row < Board::kRows; ++row) {
        for (std::int32_t column = 0; column < Board::kColumns; ++column) {
            const std::int32_t value = game().board.At(column, row);
            const QPoint centre = frame->CurrentLayout().CellRect(column, row).center();
            const bool inPiece = std::ranges::find(piece, QPoint(column, row)) != piece.end();
            const QRgb expected = inPiece ? StripCentre(blocks, game().state.currentKind, size)
                                  : value == Board::kEmpty ? back.pixel(centre)
                                                           : StripCentre(blocks, value, size);
            EXPECT_EQ(CellColour(column, row), expected) << column << "," << row;
        }
    }
    const std::int32_t next = game().state.nextKind;
    EXPECT_EQ(Frame().copy(QRect(frame->CurrentLayout().NextPieceOrigin(next), QSize(20, 20))),
              BlockPicture(WindowSize::Normal).copy(QRect(next * 20, 0, 20, 20)));
    const QImage partial = Frame().copy();
    frame->RedrawAll();
    EXPECT_EQ(partial, Frame());
    if (big) {
        SaveShot(*frame, QStringLiteral("big-window"));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, BoardTest, ::testing::Values(WindowSize::Normal, WindowSize::Big));

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

// Every menu as the player sees it with no game in progress: the item texts
// with their keys, the separators ("-") and the submenu; an accelerator shows
// in brackets only where it is not the key the text names.
TEST_F(WindowTest, MenusHoldTheirItemsKeysAndSeparatorsInOrder) {
    QStringList shown;
    const std::function<void(QMenu*)> list = [&](QMenu* menu) {
        for (QAction* item : menu->actions()) {
            const QString key = item->shortcut().toString();
            if (item->isSeparator()) {
                shown << "-";
            } else if (item->menu() != nullptr) {
                shown << item->text() + " >";
                list(item->menu());
            } else {
                shown << item->text() +
                             (item->text().section('\t', 1) == key ? "" : "[" + key + "]");
            }
        }
    };
    for (QAction* top : frame->menuBar()->actions()) {
        shown << top->text() + ":";
        list(top->menu());
    }
    EXPECT_EQ(shown.join(" | "),
              "&Game: | Start Game\tF2 | Pause\tPause[] | - | &Options...\tF3 | &Window size > | "
              "&Normal\tCtrl+1 | &Big\tCtrl+2 | &Automatic\tCtrl+3 | - | &Save As..\tCtrl+S | "
              "&Load...\tCtrl+L | - | E&xit\tCtrl+X | &Champions: | 200&0\tAlt+0 | 200&1\tAlt+1 | "
              "&Help: | &Index\tF1 | - | Brinox 2000 &Homepage... | "
              "About &Cathedral (on the picture) ... | &About... | &Best Scores: | "
              "&Local Best Scores...\tF4 | &World Championship Top 10 ...\tF5 | - | "
              "World Championship &Homepage...");
}

// Reads a counter back from the frame: each 16 x 21 cell from the right is
// matched against the digit pictures, a blank cell reads as ' '.
class CounterTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        StartGame();
        digits = LoadedPicture(assets::DigitPicture(frame->Settings().digitSet));
    }
    std::string Shown(QPoint right, std::int32_t cells) const {
        std::string text;
        for (std::int32_t k = cells - 1; k >= 0; --k) {
            const QImage cell = Frame().copy(QRect(right - QPoint(16 * k, 0), QSize(16, 21)));
            std::int32_t image = 0;
            while (image <= 10 && cell != digits.copy(QRect(image * 16, 0, 16, 21))) {
                ++image;
            }
            text += image == 10 ? ' ' : image > 10 ? '?' : static_cast<char>('0' + image);
        }
        return text;
    }

    QImage digits;
};

// Score, level, lines and the countdown (minutes, seconds) as shown, side by side.
TEST_F(CounterTest, ValuesAreRightAlignedAndNarrowCountersShowTheirLowPlaces) {
    const Layout& layout = frame->CurrentLayout();
    const QPoint timer = layout.timer.rightDigit;
    const QImage colon = digits.copy(QRect(176, 0, 7, 21));
    for (auto [score, level, lines, seconds, shown] :
         {std::tuple{5, 7, 1204, 65, "      5|  7| 1204|0105"},
          {12'345'678, 20, 123456, 3599, "9999999| 20|23456|5959"},
          {5, 7, 1204, 600, "      5|  7| 1204|1000"},
          {5, 7, 1204, 0, "      5|  7| 1204|0000"}}) {
        game().state.score = score;
        game().state.level = level;
        game().state.lines = lines;
        game().state.timerSeconds = seconds;
        frame->RedrawCounters();
        EXPECT_EQ(Shown(layout.score.rightDigit, 7) + "|" + Shown(layout.level.rightDigit, 3) +
                      "|" + Shown(layout.lines.rightDigit, 5) + "|" +
                      Shown(timer - QPoint(39, 0), 2) + Shown(timer, 2),
                  shown);
        EXPECT_EQ(Frame().copy(QRect(timer - QPoint(23, 0), QSize(7, 21))), colon);
    }
}

TEST_F(CounterTest, TimerAreaIsLeftAloneWithoutACountdown) {
    const QRect area = frame->CurrentLayout().timer.rect;
    frame->RedrawAll();
    const QImage before = Frame().copy(area);
    game().state.timerSeconds = -1;
    frame->RedrawCounters();
    EXPECT_EQ(Frame().copy(area), before);
}

TEST_F(CounterTest, BestScoreShowsTheLargerFigureAndSoundsOnceWhenPassed) {
    const QPoint right = frame->CurrentLayout().best.rightDigit;
    game().state.bestScore = 300;
    game().state.bestScorePending = 1;
    sounds.ClearRecords();
    for (auto [score, shown, sounded] : {std::tuple{200, "300", 0}, {407, "407", 1}}) {
        game().state.score = score;
        frame->RedrawCounters();
        frame->RedrawAll();
        frame->RedrawCounters();
        EXPECT_EQ(Shown(right, 3), shown);
        EXPECT_EQ(sounds.Played(SoundEvent::BestScoreReached), sounded);
    }
}

TEST_F(CounterTest, ClockShowsHourAndMinuteOfTheLocalTime) {
    clock.local.hour = 9;
    clock.local.minute = 5;
    Tick(60'000); // the clock is read again once a minute can have turned
    const QImage tdigits = LoadedPicture(assets::File(Picture::ClockDigits));
    const QPoint at = frame->CurrentLayout().clock;
    for (auto [dx, image] : {std::pair{0, 11}, {7, 9}, {12, 10}, {17, 0}, {24, 5}}) {
        EXPECT_EQ(Frame().copy(QRect(at + QPoint(dx, 0), QSize(5, 9))),
                  tdigits.copy(QRect(image * 5, 0, 5, 9)))
            << dx;
    }
}

// The window's own buttons driven by real pointer events, the commands
// reached by keys and buttons, and the two keyboard faults found by playing.
// File dialogs record their titles and are cancelled.
class ToolBarTest : public WindowFixture, public FileChooser {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        InstallFileChooser(this);
        Activate();
        Tick();
    }
    void TearDown() override {
        InstallFileChooser(nullptr);
        WindowFixture::TearDown();
    }
    QString SaveFileName(QWidget*, const FileDialogRequest& request) override {
        opened = "file: " + request.title;
        Tick(50'000);
        return {};
    }
    QString OpenFileName(QWidget* parent, const FileDialogRequest& request) override {
        return SaveFileName(parent, request);
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
    Move(On(ToolButton::GameType));
    EXPECT_EQ(State(ToolButton::GameType), 1);
    EXPECT_EQ(frame->Buttons().statusMessage, 10);
    EXPECT_EQ(frame->View().cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(&frame->View(), Qt::LeftButton, {}, On(ToolButton::GameType));
    EXPECT_EQ(State(ToolButton::GameType), 2);
    EXPECT_EQ(sounds.Played(SoundEvent::ButtonPress), 1);
    Move(On(ToolButton::Bombs));
    EXPECT_EQ(State(ToolButton::GameType), 0);
    EXPECT_EQ(State(ToolButton::Bombs), 1);
    const std::int32_t bombs = frame->Settings().bombsOn;
    QTest::mouseRelease(&frame->View(), Qt::LeftButton, {}, On(ToolButton::Bombs));
    EXPECT_EQ(frame->Settings().gameType, Quadel);
    EXPECT_EQ(frame->Settings().bombsOn, 1 - bombs);

    Move(QPoint(200, 200));
    EXPECT_EQ(State(ToolButton::Bombs) + frame->Buttons().statusMessage, 0);
    EXPECT_NE(frame->View().cursor().shape(), Qt::PointingHandCursor);
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

// The game selectors during a game, and any button of a hidden tool bar.
TEST_F(ToolBarTest, ButtonsDoNothingWhereTheyMayNotAct) {
    ClickOn(ToolButton::StartStop);
    ASSERT_TRUE(game().flags.gameInProgress);
    const Options before = frame->Settings();
    ClickOn(ToolButton::GameType);
    ClickOn(ToolButton::Bombs);
    EXPECT_EQ(frame->Settings(), before);
    prompter.answers = {true};
    ClickOn(ToolButton::StartStop);
    ClickOn(ToolButton::ToolBarToggle);
    ASSERT_EQ(frame->Settings().showToolBar, 0);
    ClickOn(ToolButton::StartStop);
    EXPECT_FALSE(game().flags.gameInProgress);
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

// The blocking animations: what each frame shows at the moment the window
// sleeps between frames, how many pauses there are, and what is left behind.
class AnimationTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        StartGame();
        sleeps.clear();
    }
};

TEST_F(AnimationTest, RowRemovalAnimatesAllMarkedRowsInTheSameFiveFrames) {
    frame->Settings().demolitionSpeed = 70;
    for (std::int32_t column = 0; column < Board::kColumns; ++column) {
        game().board.At(column, 20) = Board::kRemovalMark + 2;
        game().board.At(column, 18) = Board::kRemovalMark; // kind 0: the mark itself
    }
    std::vector<std::pair<QRgb, QRgb>> seen;
    onSleep = [&] { seen.emplace_back(CellColour(3, 20), CellColour(7, 18)); };
    frame->RowRemoval();
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(5, 70));
    const QImage removal = LoadedPicture(assets::RemovalPicture(frame->Settings().blockSet, 0));
    std::vector<std::pair<QRgb, QRgb>> expected;
    for (std::int32_t f = 0; f < 5; ++f) {
        expected.emplace_back(StripCentre(removal, 2 * 5 + f, 20), StripCentre(removal, f, 20));
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(AnimationTest, ExplosionShowsFiveFramesAndLeavesTheFrameAsItWas) {
    frame->Settings().demolitionSpeed = 0;
    frame->RedrawAll();
    const QImage before = Frame().copy();
    std::vector<QRgb> seen;
    onSleep = [&] { seen.push_back(CellColour(1, 19)); };
    frame->Explosion(BlastRect{0, 2, 19, 20});
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(5, 0));
    const QImage explosion = LoadedPicture(assets::File(Picture::Explosion));
    std::vector<QRgb> expected;
    for (std::int32_t f = 0; f < 5; ++f) {
        expected.push_back(StripCentre(explosion, f, 20));
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(Frame(), before);
}

TEST_F(AnimationTest, LostGameCoversTheFieldThenUncoversTheIdlePicture) {
    frame->Settings().levelAnimationSpeed = 40;
    std::vector<QRgb> topRow;
    onSleep = [&] { topRow.push_back(CellColour(0, 3)); };
    frame->FieldAnimation(FieldAnimationKind::Lost);
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(36, 40));
    // Covered in one block colour of the first seven while the cover lasts.
    std::set<QRgb> firstSeven;
    for (std::int32_t kind = 0; kind < 7; ++kind) {
        firstSeven.insert(StripCentre(BlockPicture(WindowSize::Normal), kind, 20));
    }
    EXPECT_TRUE(firstSeven.contains(topRow[17]));
    EXPECT_TRUE(IdleShown());
}

// Plain rules: the automatic window size and the geometry of both layouts.
TEST(WindowSizeTest, BigFromEightThirtyBySixTwentyUnlessTheSettingFixesIt) {
    const struct {
        std::int32_t setting, width, height;
        WindowSize size;
    } cases[] = {{100, 1024, 768, WindowSize::Big},   {100, 800, 600, WindowSize::Normal},
                 {100, 830, 620, WindowSize::Big},    {100, 829, 620, WindowSize::Normal},
                 {100, 830, 619, WindowSize::Normal}, {0, 1920, 1080, WindowSize::Normal},
                 {1, 640, 480, WindowSize::Big},      {7, 640, 480, WindowSize::Normal}};
    for (const auto& c : cases) {
        EXPECT_EQ(WindowSizeOfSetting(c.setting, c.width, c.height), c.size)
            << c.setting << " " << c.width << "x" << c.height;
    }
}

class LayoutTest : public ::testing::TestWithParam<WindowSize> {};

// Every number of a layout: client size, cell, board origin, playing area,
// tool bar, next bar, the buttons in ToolButton order, the three labels, the
// counters (right digit, rectangle), status strip, status cover and clock.
std::vector<int> Numbers(const Layout& l) {
    std::vector<int> n = {l.client.width(), l.client.height(), l.cell.width(),
                          l.cell.height(),  l.boardOrigin.x(), l.boardOrigin.y()};
    const auto add = [&n](const QRect& r) {
        n.insert(n.end(), {r.x(), r.y(), r.width(), r.height()});
    };
    for (const QRect& r : {l.playingArea, l.toolBar, l.nextBar}) {
        add(r);
    }
    std::for_each(l.buttons.begin(), l.buttons.end(), add);
    for (const QRect& r : {l.gameTypeLabel, l.gameModeLabel, l.bombsLabel}) {
        add(r);
    }
    for (const CounterPlace* c :
         {&l.level, &l.linesLeft, &l.score, &l.lines, &l.timer, &l.rising, &l.best}) {
        n.insert(n.end(), {c->rightDigit.x(), c->rightDigit.y()});
        add(c->rect);
    }
    add(l.messageStrip);
    add(l.statusCover);
    n.insert(n.end(), {l.clock.x(), l.clock.y()});
    return n;
}

TEST_P(LayoutTest, EveryPlaceOfTheWindowAndTheVisibleRowsFillThePlayingArea) {
    const bool big = GetParam() == WindowSize::Big;
    // clang-format off
    const std::vector<int> expected = big ? std::vector<int>{
        602, 590, 30, 30, 151, -76,  151, 14, 300, 540,  16, 53, 110, 123,  476, 53, 110, 73,
        571, 39, 11, 11,  111, 39, 11, 11,  62, 568, 18, 17, // toggles: next, tool, status bar
        17, 54, 108, 19,  17, 74, 108, 19,  17, 94, 108, 19,  17, 114, 54, 19,  71, 114, 54, 19,
        17, 134, 54, 19,  71, 134, 54, 19,  17, 154, 54, 19,  71, 154, 54, 19,
        16, 236, 24, 23,  16, 284, 24, 23,  16, 332, 24, 23,  34, 486, 75, 32, // selectors, logo
        40, 236, 86, 23,  40, 284, 86, 23,  40, 332, 86, 23,
        507, 206, 475, 206, 48, 21,  571, 206, 539, 206, 48, 21,  571, 255, 475, 255, 112, 21,
        555, 304, 491, 304, 80, 21,  530, 353, 475, 353, 71, 21,  571, 353, 555, 353, 32, 21,
        571, 402, 475, 402, 112, 21,  80, 569, 414, 15,  80, 568, 460, 17,  501, 572}
    : std::vector<int>{
        483, 404, 20, 20, 141, -45,  141, 15, 200, 360,  16, 32, 110, 123,  356, 32, 110, 73,
        451, 18, 11, 11,  111, 18, 11, 11,  3, 382, 18, 17,
        17, 33, 108, 19,  17, 53, 108, 19,  17, 73, 108, 19,  17, 93, 54, 19,  71, 93, 54, 19,
        17, 113, 54, 19,  71, 113, 54, 19,  17, 133, 54, 19,  71, 133, 54, 19,
        16, 185, 24, 23,  16, 233, 24, 23,  16, 281, 24, 23,  32, 318, 75, 32,
        40, 185, 86, 23,  40, 233, 86, 23,  40, 281, 86, 23,
        388, 138, 356, 138, 48, 21,  452, 138, 420, 138, 48, 21,  452, 187, 356, 187, 112, 21,
        436, 236, 372, 236, 80, 21,  411, 285, 356, 285, 71, 21,  452, 285, 436, 285, 32, 21,
        452, 334, 356, 334, 112, 21,  21, 383, 414, 15,  21, 382, 460, 17,  442, 386};
    const int nextX[] = {401, 411, 401, 401, 401, 401, 391, 401, 401, 401, 401, 411, 391, 401, 401, 391};
    const int nextY[] = {68, 58, 68, 68, 68, 68, 48, 58, 58, 58, 58, 68, 68, 48, 48, 48};
    // clang-format on
    const Layout layout = Layout::For(GetParam());
    EXPECT_EQ(Numbers(layout), expected);
    for (std::int32_t kind = 0; kind < 16; ++kind) {
        EXPECT_EQ(layout.NextPieceOrigin(kind),
                  QPoint(nextX[kind], nextY[kind]) + (big ? QPoint(120, 21) : QPoint()))
            << kind;
    }
    EXPECT_EQ(layout.CellRect(0, 3).topLeft(), layout.playingArea.topLeft());
    EXPECT_EQ(layout.CellRect(9, 20).bottomRight(), layout.playingArea.bottomRight());
    EXPECT_EQ(layout.RowStrip(7).width(), layout.playingArea.width());
}

// Both edges of an area hold the pointer (QRect::contains holds neither the
// right nor the bottom one), except the right edge of the four buttons that
// leave it to the button on their right.
TEST_P(LayoutTest, PointerAreasHoldBothEdges) {
    const Layout layout = Layout::For(GetParam());
    const std::set<ToolButton> leaveRightEdge = {ToolButton::Options, ToolButton::Save,
                                                 ToolButton::LocalBestScores, ToolButton::Help};
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const auto button = static_cast<ToolButton>(b);
        const QRect r = layout.Button(button);
        const int right = r.left() + r.width();
        const int bottom = r.top() + r.height();
        const std::pair<QPoint, bool> edges[] = {
            {r.topLeft(), true},
            {{right - 1, bottom}, true},
            {{right, r.top()}, !leaveRightEdge.contains(button)},
            {r.topLeft() - QPoint(1, 0), false},
            {r.topLeft() - QPoint(0, 1), false},
            {{right + 1, bottom}, false},
            {{right - 1, bottom + 1}, false}};
        for (const auto& [at, inside] : edges) {
            EXPECT_EQ(PointerOver(layout, button, at), inside)
                << b << " at " << at.x() << "," << at.y();
        }
    }
}

// Each area names its status line at its centre; of two areas holding a point,
// the one tested last names it, as the status cover does at the status-bar
// toggle's right edge.
TEST_P(LayoutTest, EachPointerAreaNamesItsStatusLine) {
    const Layout layout = Layout::For(GetParam());
    using enum ToolButton;
    const auto at = [&layout](ToolButton b) { return layout.Button(b); };
    // clang-format off
    const std::pair<QRect, std::int32_t> lines[] = {
        {at(NextBarToggle), 15},  {at(ToolBarToggle), 14},      {at(StatusBarToggle), 16},
        {at(StartStop), 1},       {at(Pause), 2},               {at(Options), 3},
        {at(Save), 4},            {at(Load), 5},                {at(LocalBestScores), 6},
        {at(WorldTop10), 7},      {at(Help), 8},                {at(Exit), 9},
        {at(GameType), 10},       {at(GameMode), 11},           {at(Bombs), 12},
        {at(Logo), 13},           {layout.statusCover, 18},     {layout.nextBar, 17},
        {layout.level.rect, 19},  {layout.linesLeft.rect, 20},  {layout.score.rect, 21},
        {layout.lines.rect, 22},  {layout.timer.rect, 23},      {layout.rising.rect, 24},
        {layout.best.rect, 25},   {layout.playingArea, 0}};
    // clang-format on
    for (const auto& [area, line] : lines) {
        EXPECT_EQ(StatusLineAt(layout, area.center()), line) << area.x() << "," << area.y();
    }
    const QRect toggle = at(StatusBarToggle);
    const QPoint shared(toggle.left() + toggle.width(), toggle.center().y());
    ASSERT_TRUE(PointerOver(layout, StatusBarToggle, shared));
    EXPECT_EQ(StatusLineAt(layout, shared), 18);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest, ::testing::Values(WindowSize::Normal, WindowSize::Big));

} // namespace
} // namespace brinox::test
