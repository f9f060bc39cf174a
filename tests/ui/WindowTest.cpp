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

const QRgb kNoColour = 0;

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

TEST_F(WindowTest, NothingIsComposedBeforeTheFirstTick) {
    const QImage before = Frame().copy();
    frame->RedrawAll();
    EXPECT_EQ(Frame(), before);
    Tick();
    EXPECT_NE(Frame(), before);
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
    const QImage back = LoadedPicture(assets::kBack);
    for (QPoint old : before) {
        if (std::find(after.begin(), after.end(), old) == after.end()) {
            EXPECT_EQ(CellColour(old.x(), old.y()),
                      BackgroundAt(back, frame->CurrentLayout(), old.x(), old.y()));
        }
    }
    // The cell-by-cell update leaves exactly what a full redraw composes.
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
}

TEST_F(WindowTest, TicksAnimateTheTitle) {
    EXPECT_EQ(frame->windowTitle().toStdString(), *TitleAnimation::FrameText(0));
    for (int tick = 0; tick < 11; ++tick) {
        Tick();
    }
    EXPECT_EQ(frame->windowTitle().toStdString(), *TitleAnimation::FrameText(1));
}

TEST_F(WindowTest, PauseItemNamesTheConfiguredKey) {
    frame->Settings().keyPause = 80; // P
    frame->RedrawAll();
    EXPECT_EQ(frame->Menu().Action(Command::Pause)->text(), QStringLiteral("Pause\tP"));
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

// Pixels of one counter cell against the digits picture.
class CounterTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        StartGame();
        digits = LoadedPicture(assets::DigitPicture(frame->Settings().digitSet));
    }
    QImage Cell(QPoint right, std::int32_t k) const {
        return Frame().copy(QRect(right - QPoint(16 * k, 0), QSize(16, 21)));
    }
    QImage Digit(std::int32_t image) const { return digits.copy(QRect(image * 16, 0, 16, 21)); }
    QImage Blank() const { return Digit(10); }

    QImage digits;
};

TEST_F(CounterTest, ValuesAreRightAlignedWithBlankLeadingCells) {
    game().state.score = 5;
    game().state.level = 7;
    game().state.lines = 1204;
    frame->RedrawCounters();
    const Layout& layout = frame->CurrentLayout();
    EXPECT_EQ(Cell(layout.score.rightDigit, 0), Digit(5));
    for (std::int32_t k = 1; k < 7; ++k) {
        EXPECT_EQ(Cell(layout.score.rightDigit, k), Blank()) << k;
    }
    EXPECT_EQ(Cell(layout.level.rightDigit, 0), Digit(7));
    EXPECT_EQ(Cell(layout.level.rightDigit, 1), Blank());
    EXPECT_EQ(Cell(layout.level.rightDigit, 2), Blank());
    EXPECT_EQ(Cell(layout.lines.rightDigit, 0), Digit(4));
    EXPECT_EQ(Cell(layout.lines.rightDigit, 1), Digit(0));
    EXPECT_EQ(Cell(layout.lines.rightDigit, 2), Digit(2));
    EXPECT_EQ(Cell(layout.lines.rightDigit, 3), Digit(1));
    EXPECT_EQ(Cell(layout.lines.rightDigit, 4), Blank());
}

TEST_F(CounterTest, NarrowCountersShowTheLowPlacesOfAWiderValue) {
    game().state.lines = 123456;
    game().state.score = 12'345'678;
    frame->RedrawCounters();
    const Layout& layout = frame->CurrentLayout();
    for (std::int32_t k = 0; k < 5; ++k) {
        EXPECT_EQ(Cell(layout.lines.rightDigit, k), Digit(6 - k)) << k;
    }
    for (std::int32_t k = 0; k < 7; ++k) {
        EXPECT_EQ(Cell(layout.score.rightDigit, k), Digit(9)) << "no image beyond 9: " << k;
    }
}

struct TimerCase {
    std::int32_t seconds;
    std::array<std::int32_t, 4> mmss;
};

class TimerCounterTest : public CounterTest, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerCounterTest, ShowsMinutesAndSecondsWithLeadingZeros) {
    game().state.timerSeconds = GetParam().seconds;
    frame->RedrawCounters();
    const QPoint right = frame->CurrentLayout().timer.rightDigit;
    const auto& mmss = GetParam().mmss;
    EXPECT_EQ(Frame().copy(QRect(right - QPoint(55, 0), QSize(16, 21))), Digit(mmss[0]));
    EXPECT_EQ(Frame().copy(QRect(right - QPoint(39, 0), QSize(16, 21))), Digit(mmss[1]));
    EXPECT_EQ(Frame().copy(QRect(right - QPoint(23, 0), QSize(7, 21))),
              digits.copy(QRect(176, 0, 7, 21)));
    EXPECT_EQ(Frame().copy(QRect(right - QPoint(16, 0), QSize(16, 21))), Digit(mmss[2]));
    EXPECT_EQ(Frame().copy(QRect(right, QSize(16, 21))), Digit(mmss[3]));
}

INSTANTIATE_TEST_SUITE_P(Times, TimerCounterTest,
                         ::testing::Values(TimerCase{65, {0, 1, 0, 5}},
                                           TimerCase{600, {1, 0, 0, 0}}, TimerCase{0, {0, 0, 0, 0}},
                                           TimerCase{3599, {5, 9, 5, 9}}));

TEST_F(CounterTest, NoCountdownLeavesTheTimerAreaAlone) {
    game().state.timerSeconds = -1;
    const QRect area = frame->CurrentLayout().timer.rect;
    const QImage before = Frame().copy(area);
    frame->RedrawCounters();
    EXPECT_EQ(Frame().copy(area), before);
}

TEST_F(CounterTest, BestScoreShowsTheLargerFigureAndSoundsOnceWhenPassed) {
    const QPoint right = frame->CurrentLayout().best.rightDigit;
    game().state.bestScore = 300;
    game().state.score = 200;
    game().state.bestScorePending = 1;
    sounds.ClearRecords();
    frame->RedrawCounters();
    EXPECT_EQ(Cell(right, 0), Digit(0));
    EXPECT_EQ(Cell(right, 2), Digit(3));
    EXPECT_EQ(sounds.Played(SoundEvent::BestScoreReached), 0);

    game().state.score = 407;
    frame->RedrawCounters();
    EXPECT_EQ(Cell(right, 0), Digit(7));
    EXPECT_EQ(Cell(right, 2), Digit(4));
    EXPECT_EQ(sounds.Played(SoundEvent::BestScoreReached), 1);
    frame->RedrawAll();
    frame->RedrawCounters();
    EXPECT_EQ(sounds.Played(SoundEvent::BestScoreReached), 1);
}

TEST_F(CounterTest, ClockShowsHourAndMinuteOfTheLocalTime) {
    clock.local.hour = 9;
    clock.local.minute = 5;
    Tick(60'000); // the clock is read again once a minute can have turned
    const QImage tdigits = LoadedPicture(assets::kClockDigits);
    const QPoint at = frame->CurrentLayout().clock;
    auto cell = [&](std::int32_t dx) {
        return Frame().copy(QRect(at + QPoint(dx, 0), QSize(5, 9)));
    };
    auto image = [&](std::int32_t k) { return tdigits.copy(QRect(k * 5, 0, 5, 9)); };
    EXPECT_EQ(cell(0), image(11));
    EXPECT_EQ(cell(7), image(9));
    EXPECT_EQ(cell(12), image(10));
    EXPECT_EQ(cell(17), image(0));
    EXPECT_EQ(cell(24), image(5));
}

} // namespace
} // namespace brinox::test
