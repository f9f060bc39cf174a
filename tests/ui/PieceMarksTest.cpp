// The colour-blind aid: each piece kind's own mark on its blocks, drawn in both window sizes
// (without it the blocks are the pictures' own: BoardTest). Leaves screenshots/aid-normal.png.
#include "ui/PieceMarks.h"
#include "WindowFixture.h"

namespace brinox::test {

TEST(PieceMarksTest, EachPieceKindHasASymmetricMarkOfItsOwnOnDarkAndLightBlocksAndBombsNone) {
    for (const QRgb shade : {qRgb(0, 0, 0), qRgb(255, 255, 255)}) {
        QImage strip(20 * 19, 20, QImage::Format_RGB32);
        strip.fill(shade);
        PieceMarks marks;
        const QImage mono = marks.Marked(strip, QSize(20, 20))
                                .convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        std::vector<QImage> seen;
        for (int kind = 0; kind < 19; ++kind) {
            seen.push_back(mono.copy(kind * 20, 0, 20, 20));
            EXPECT_EQ(std::ranges::count(seen, seen.back()), kind < 16 ? 1 : kind - 15) << kind;
            // Their own mirror image but the corner (and the cross: its diagonals miss the grid).
            const bool mirrored = seen.back() == seen.back().mirrored(true, false);
            EXPECT_TRUE(kind == 3 || mirrored == (kind != 15)) << kind;
        }
    }
}

TEST_F(WindowFixture, WithTheAidThePieceAndTheNextPieceCarryTheirMarksInBothSizes) {
    frame->Settings().gameType = Quinel;
    frame->Settings().startHeight = 8;
    frame->Settings().pieceMarks = 1;
    StartGame();
    BringPieceIntoView();
    const GameState& s = game().state;
    for (const std::int32_t big : {0, 1}) {
        frame->ApplyWindowSize(big);
        PieceMarks marks;
        auto block = [&](WindowSize size, QRect cell, std::int32_t kind) {
            EXPECT_EQ(Frame().copy(cell), marks.Marked(BlockPicture(size), cell.size())
                                              .copy(QRect({kind * cell.width(), 0}, cell.size())));
        };
        block(WindowSize{big}, frame->CurrentLayout().CellRect(s.column, s.row), s.currentKind);
        block(WindowSize::Normal,
              {frame->CurrentLayout().NextPieceOrigin(s.nextKind), QSize(20, 20)}, s.nextKind);
    }
    SaveShot(*frame, QStringLiteral("aid-normal"));
}

} // namespace brinox::test
