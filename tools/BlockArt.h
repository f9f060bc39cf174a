// The block sets: fourteen styles, each with sixteen piece colours and three
// bombs, their row-removal frames and the bomb explosion frames. Every cell is
// drawn on the empty-field look of the grey field so that the animation frames
// blend in where they are drawn.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <cstdint>

namespace brinox::art {

class BlockArt {
public:
    static constexpr int kStyleCount = 14;
    static constexpr int kPieceColors = 16;

    static const char* StyleName(int style);
    // Strip of the 19 block kinds (16 pieces, small, medium and large bomb).
    static QImage Blocks(int style, int cell);
    // Strip of 80 removal frames: kind * 5 + frame, the block dissolving.
    static QImage Removal(int style, int cell);
    // Strip of 5 explosion frames, the same for every set.
    static QImage Explosion(int cell);

    // One empty cell of the grey field, as the main background shows it.
    static void PaintEmptyCell(QPainter& p, const QRect& r);
    static QColor FieldColor();
    static QColor PieceColor(int kind);

private:
    static void PaintBlock(QPainter& p, const QRect& r, int style, const QColor& c,
                           std::uint32_t seed);
    static void PaintBomb(QPainter& p, const QRect& r, int style, int size);
    static QImage SingleBlock(int style, int kind, int cell);
};

} // namespace brinox::art
