// The real window driven by keys and activation, checked by its pixels
// against the pictures of the game directory.
#include "WindowFixture.h"

#include "engine/PieceShape.h"
#include "ui/AssetFiles.h"
#include "ui/FrameView.h"

#include <QAction>
#include <QSignalSpy>

namespace brinox::test {
namespace {

using WindowTest = WindowFixture;

// The background the field shows at a cell with the default grey field.
QRgb BackgroundAt(const QImage& back, const Layout& layout, std::int32_t column, std::int32_t row) {
    return back.pixel(layout.CellRect(column, row).center());
}

TEST_F(WindowTest, ClientAreaHasTheSizeOfEachLayout) {
    EXPECT_EQ(frame->View().size(), QSize(483, 404));
    EXPECT_EQ(Frame().size(), QSize(483, 404));
    EXPECT_EQ(Frame().devicePixelRatio(), 1.0);

    frame->Menu().Action(Command::SizeBig)->trigger();
    EXPECT_EQ(frame->View().size(), QSize(602, 590));
    EXPECT_EQ(Frame().size(), QSize(602, 590));
    EXPECT_TRUE(frame->Menu().Action(Command::SizeBig)->isChecked());
    EXPECT_FALSE(frame->Menu().Action(Command::SizeAutomatic)->isChecked());

    frame->Menu().Action(Command::SizeNormal)->trigger();
    EXPECT_EQ(frame->View().size(), QSize(483, 404));
    EXPECT_TRUE(frame->Menu().Action(Command::SizeNormal)->isChecked());
}

TEST_F(WindowTest, StartedGameShowsTheBoardAndTheFallingPiece) {
    frame->Settings().startHeight = 6;
    StartGame();
    BringPieceIntoView();
    const QImage blocks = BlockPicture(WindowSize::Normal);
    const QImage back = LoadedPicture(assets::kBack);
    const Layout& layout = frame->CurrentLayout();
    std::int32_t blocksSeen = 0;
    for (std::int32_t row = Board::kSpawnRows; row < Board::kRows; ++row) {
        for (std::int32_t column = 0; column < Board::kColumns; ++column) {
            const std::int32_t value = game().board.At(column, row);
            const QRgb expected = value == Board::kEmpty ? BackgroundAt(back, layout, column, row)
                                                         : StripCentre(blocks, value, 20);
            bool pieceCell = false;
            for (QPoint cell : PieceCells()) {
                pieceCell = pieceCell || cell == QPoint(column, row);
            }
            if (!pieceCell) {
                EXPECT_EQ(CellColour(column, row), expected) << column << "," << row;
                blocksSeen += value != Board::kEmpty;
            }
        }
    }
    EXPECT_GT(blocksSeen, 6 * 5);
    for (QPoint cell : PieceCells()) {
        EXPECT_EQ(CellColour(cell.x(), cell.y()),
                  StripCentre(blocks, game().state.currentKind, 20));
    }
}

TEST_F(WindowTest, LeftKeyDrawsThePieceOneCellToTheLeft) {
    StartGame();
    BringPieceIntoView();
    const std::vector<QPoint> before = PieceCells();
    const QRgb pieceColour =
        StripCentre(BlockPicture(WindowSize::Normal), game().state.currentKind, 20);

    Press(Qt::Key_Left);
    Tick();
    Release(Qt::Key_Left);

    const std::vector<QPoint> after = PieceCells();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i], before[i] - QPoint(1, 0));
        EXPECT_EQ(CellColour(after[i].x(), after[i].y()), pieceColour);
    }
    // The cell-by-cell update, old cells erased, leaves exactly what a full redraw composes.
    const QImage partial = Frame().copy();
    frame->RedrawAll();
    EXPECT_EQ(partial, Frame());
}

TEST_F(WindowTest, PauseShowsTheIdlePictureAndKeepsNextPieceAndCounters) {
    StartGame();
    BringPieceIntoView();
    const Layout& layout = frame->CurrentLayout();
    const QImage nextBar = Frame().copy(layout.nextBar);
    const QImage score = Frame().copy(layout.score.rect);
    const QImage level = Frame().copy(layout.level.rect);

    Click(Qt::Key_Pause);
    ASSERT_EQ(game().flags.gameRunning, 0);
    Tick();

    const QImage idle = LoadedPicture(assets::kIdle);
    EXPECT_EQ(Frame().copy(layout.playingArea),
              idle.copy(QRect(QPoint(0, 0), layout.playingArea.size())));
    EXPECT_EQ(Frame().copy(layout.nextBar), nextBar);
    EXPECT_EQ(Frame().copy(layout.score.rect), score);
    EXPECT_EQ(Frame().copy(layout.level.rect), level);
    EXPECT_TRUE(frame->Menu().Action(Command::Pause)->isChecked());

    Click(Qt::Key_Pause);
    EXPECT_EQ(game().flags.gameRunning, 1);
    EXPECT_NE(Frame().copy(layout.playingArea),
              idle.copy(QRect(QPoint(0, 0), layout.playingArea.size())));
}

TEST_F(WindowTest, LosingActivationShowsTheIdlePictureAndClearsKeys) {
    StartGame();
    Press(Qt::Key_Left);
    ASSERT_EQ(game().keys[GameKey::Left].pressed, 1);
    frame->SetAppActive(false);
    EXPECT_EQ(game().keys[GameKey::Left].pressed, 0);
    const Layout& layout = frame->CurrentLayout();
    const QImage idle = LoadedPicture(assets::kIdle);
    EXPECT_EQ(Frame().copy(layout.playingArea),
              idle.copy(QRect(QPoint(0, 0), layout.playingArea.size())));
    Release(Qt::Key_Left);
}

TEST_F(WindowTest, HeldKeyRepeatsOfTheToolkitAreIgnored) {
    StartGame();
    BringPieceIntoView();
    const std::int32_t column = game().state.column;
    Press(Qt::Key_Left);
    Tick();
    ASSERT_EQ(game().state.column, column - 1);
    ASSERT_EQ(game().keys[GameKey::Left].repeatState, Held);

    // X11 sends a release/press pair for every repeat while the key is held.
    Release(Qt::Key_Left, true);
    Press(Qt::Key_Left, true);
    EXPECT_EQ(game().keys[GameKey::Left].pressed, 1);
    EXPECT_EQ(game().keys[GameKey::Left].repeatState, Held);
    Tick();
    EXPECT_EQ(game().state.column, column - 1) << "a repeat must not count as a new press";

    Release(Qt::Key_Left);
    EXPECT_EQ(game().keys[GameKey::Left].pressed, 0);
    Press(Qt::Key_Left, true);
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
    EXPECT_EQ(game().keys[GameKey::Left].pressed, 1);
    Release(Qt::Key_Left);
    Tick(); // a tap shorter than a tick still acts once
    EXPECT_EQ(game().state.column, column - 1);
    EXPECT_EQ(game().keys[GameKey::Left].pressed, 0);
}

TEST_F(WindowTest, MenuTextsAndStatesFollowTheGame) {
    const GameMenu& menu = frame->Menu();
    QAction* startStop = menu.Action(Command::StartStop);
    QAction* pause = menu.Action(Command::Pause);
    QAction* save = menu.Action(Command::Save);
    Activate();
    Tick();
    EXPECT_EQ(startStop->text(), QStringLiteral("Start Game\tF2"));
    EXPECT_EQ(pause->text(), QStringLiteral("Pause\tPause"));
    EXPECT_FALSE(pause->isEnabled());
    EXPECT_FALSE(save->isEnabled());
    for (std::int32_t index = 0; index < kCommandCount; ++index) {
        const auto command = static_cast<Command>(index);
        EXPECT_EQ(menu.Action(command)->isEnabled(), frame->Enabled(command)) << index;
    }

    Click(Qt::Key_F2);
    ASSERT_TRUE(game().flags.gameInProgress);
    EXPECT_EQ(startStop->text(), QStringLiteral("Stop Game\tF2"));
    EXPECT_TRUE(pause->isEnabled());
    EXPECT_FALSE(pause->isChecked());
    pause->trigger();
    EXPECT_TRUE(pause->isChecked());
    EXPECT_EQ(game().flags.gameRunning, 0);

    prompter.answers = {true};
    Click(Qt::Key_F2);
    EXPECT_FALSE(game().flags.gameInProgress);
    EXPECT_EQ(startStop->text(), QStringLiteral("Start Game\tF2"));
    EXPECT_FALSE(pause->isEnabled());
    EXPECT_FALSE(pause->isChecked());
    EXPECT_FALSE(save->isEnabled());

    frame->Settings().keyPause = 80; // P
    frame->RedrawAll();
    EXPECT_EQ(pause->text(), QStringLiteral("Pause\tP"));
}

TEST_F(WindowTest, TicksAnimateTheTitle) {
    EXPECT_EQ(frame->windowTitle().toStdString(), *TitleAnimation::FrameText(0));
    for (int tick = 0; tick < 11; ++tick) {
        Tick();
    }
    EXPECT_EQ(frame->windowTitle().toStdString(), *TitleAnimation::FrameText(1));
}

TEST_F(WindowTest, BigLayoutDrawsThirtyPixelCellsAndATwentyPixelNextPiece) {
    frame->Menu().Action(Command::SizeBig)->trigger();
    StartGame();
    game().board.At(4, 20) = 3;
    frame->RedrawAll();
    const Layout& layout = frame->CurrentLayout();
    ASSERT_EQ(layout.cell, QSize(30, 30));
    const QImage big = BlockPicture(WindowSize::Big);
    EXPECT_EQ(Frame().copy(layout.CellRect(4, 20)), big.copy(QRect(3 * 30, 0, 30, 30)));

    const std::int32_t next = game().state.nextKind;
    const QImage normal = BlockPicture(WindowSize::Normal);
    EXPECT_EQ(Frame().copy(QRect(layout.NextPieceOrigin(next), QSize(20, 20))),
              normal.copy(QRect(next * 20, 0, 20, 20)));
}

TEST_F(WindowTest, ChangingTheSizeDuringAGameRedrawsItInTheNewLayout) {
    StartGame();
    game().board.At(0, 20) = 5;
    const GameState state = game().state;
    frame->ApplyWindowSize(1);
    EXPECT_EQ(game().state, state);
    EXPECT_EQ(CellColour(0, 20), StripCentre(BlockPicture(WindowSize::Big), 5, 30));
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
            text += Read(Frame().copy(QRect(right - QPoint(16 * k, 0), QSize(16, 21))));
        }
        return text;
    }
    char Read(const QImage& cell) const {
        for (std::int32_t image = 0; image <= 10; ++image) {
            if (cell == digits.copy(QRect(image * 16, 0, 16, 21))) {
                return image == 10 ? ' ' : static_cast<char>('0' + image);
            }
        }
        return '?';
    }

    QImage digits;
};

TEST_F(CounterTest, ValuesAreRightAlignedAndNarrowCountersShowTheirLowPlaces) {
    const Layout& layout = frame->CurrentLayout();
    struct Case {
        std::int32_t score, level, lines;
        const char *shownScore, *shownLevel, *shownLines;
    };
    for (const Case& c : {Case{5, 7, 1204, "      5", "  7", " 1204"},
                          Case{12'345'678, 20, 123456, "9999999", " 20", "23456"}}) {
        game().state.score = c.score;
        game().state.level = c.level;
        game().state.lines = c.lines;
        frame->RedrawCounters();
        EXPECT_EQ(Shown(layout.score.rightDigit, 7), c.shownScore);
        EXPECT_EQ(Shown(layout.level.rightDigit, 3), c.shownLevel);
        EXPECT_EQ(Shown(layout.lines.rightDigit, 5), c.shownLines);
    }
}

TEST_F(CounterTest, TimerShowsMinutesColonSecondsOnlyWhileCountingDown) {
    const QPoint right = frame->CurrentLayout().timer.rightDigit;
    const QImage colon = digits.copy(QRect(176, 0, 7, 21));
    for (auto [seconds, mmss] :
         {std::pair{65, "0105"}, {600, "1000"}, {0, "0000"}, {3599, "5959"}}) {
        game().state.timerSeconds = seconds;
        frame->RedrawCounters();
        EXPECT_EQ(Shown(right - QPoint(39, 0), 2) + Shown(right, 2), mmss);
        EXPECT_EQ(Frame().copy(QRect(right - QPoint(23, 0), QSize(7, 21))), colon);
    }
    const QRect area = frame->CurrentLayout().timer.rect;
    frame->RedrawAll();
    const QImage before = Frame().copy(area);
    game().state.timerSeconds = -1;
    frame->RedrawCounters();
    EXPECT_EQ(Frame().copy(area), before) << "no countdown leaves the timer area alone";
}

TEST_F(CounterTest, BestScoreShowsTheLargerFigureAndSoundsOnceWhenPassed) {
    const QPoint right = frame->CurrentLayout().best.rightDigit;
    game().state.bestScore = 300;
    game().state.score = 200;
    game().state.bestScorePending = 1;
    sounds.ClearRecords();
    frame->RedrawCounters();
    EXPECT_EQ(Shown(right, 3), "300");
    EXPECT_EQ(sounds.Played(SoundEvent::BestScoreReached), 0);

    game().state.score = 407;
    frame->RedrawCounters();
    frame->RedrawAll();
    frame->RedrawCounters();
    EXPECT_EQ(Shown(right, 3), "407");
    EXPECT_EQ(sounds.Played(SoundEvent::BestScoreReached), 1);
}

TEST_F(CounterTest, ClockShowsHourAndMinuteOfTheLocalTime) {
    clock.local.hour = 9;
    clock.local.minute = 5;
    Tick(60'000); // the clock is read again once a minute can have turned
    const QImage tdigits = LoadedPicture(assets::kClockDigits);
    const QPoint at = frame->CurrentLayout().clock;
    for (auto [dx, image] : {std::pair{0, 11}, {7, 9}, {12, 10}, {17, 0}, {24, 5}}) {
        EXPECT_EQ(Frame().copy(QRect(at + QPoint(dx, 0), QSize(5, 9))),
                  tdigits.copy(QRect(image * 5, 0, 5, 9)))
            << dx;
    }
}

} // namespace
} // namespace brinox::test
