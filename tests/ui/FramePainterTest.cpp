// The composed frame: the board and the falling piece as a full redraw
// would draw them, and the counters and the clock read back from the
// frame's pixels against the digit pictures.
#include "WindowFixture.h"

#include "ui/AssetFiles.h"
#include "ui/FrameView.h"
#include "ui/Layout.h"
#include "ui/WindowSize.h"

namespace brinox::test {
namespace {

class BoardTest : public WindowFixture, public ::testing::WithParamInterface<WindowSize> {};

// After a size change and a move the frame holds the board and the falling piece, old
// cells erased, as a full redraw composes it over the fantasy field (normal size) or the
// grey one; the next piece keeps its 20-pixel blocks. The big window's picture is left
// as screenshots/big-window.png, the one the metainfo publishes.
TEST_P(BoardTest, FrameShowsTheBoardAndTheMovedPieceAsAFullRedrawWould) {
    const bool big = GetParam() == WindowSize::Big;
    frame->Settings().startHeight = 6;
    frame->Settings().fieldBackground = big ? GreyField : FantasyField;
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
    const QImage back = LoadedPicture(assets::File(big ? Picture::BackBig : Picture::FantasyField));
    const QPoint field = big ? QPoint() : frame->CurrentLayout().playingArea.topLeft();
    const std::vector<QPoint> piece = PieceCells();
    for (std::int32_t row = Board::kSpawnRows; row < Board::kRows; ++row) {
        for (std::int32_t column = 0; column < Board::kColumns; ++column) {
            const std::int32_t value = game().board.At(column, row);
            const QPoint centre = frame->CurrentLayout().CellRect(column, row).center();
            const bool inPiece = std::ranges::find(piece, QPoint(column, row)) != piece.end();
            const QRgb expected = inPiece ? StripCentre(blocks, game().state.currentKind, size)
                                  : value == Board::kEmpty ? back.pixel(centre - field)
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

} // namespace
} // namespace brinox::test
