// The colour-blind aid's marks: each of the sixteen piece kinds gets a shape
// of its own (dot, ring, plus, cross, triangle, diamond, square for Quadel's
// seven; two bars, a turned triangle, two outlines, a bow tie, two dots, a
// caret and a corner for Quinel's other nine), drawn dark with a light rim so
// that it reads on light and dark blocks alike, and scaled to the block size.
//
// Invariants: the marks are stamped once into a copy of a block strip and
// that copy is kept for as long as the strip is the same picture (the same
// cacheKey) at the same cell size, so drawing a marked block costs one copy,
// exactly as an unmarked one. Bombs (images 16 to 18) are never marked: their
// pictures already tell them apart by shape.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

#include <array>
#include <cstdint>

class QPainter;

namespace brinox {

class PieceMarks {
public:
    static constexpr std::int32_t kMarkedKinds = 16;

    // `blocks` with the mark of each piece kind on its image; a null strip
    // stays null. The result lives until the next call for another strip of
    // the same cell size.
    const QImage& Marked(const QImage& blocks, QSize cell);

    // The mark of `kind` (0 to 15) centred in `cell`.
    static void Paint(QPainter& painter, const QRectF& cell, std::int32_t kind);

private:
    struct Stamped {
        qint64 source = 0;
        QSize cell;
        QImage image;
    };
    // The window draws at most two cell sizes: the board's and the next bar's.
    std::array<Stamped, 2> stamped;
    std::size_t oldest = 0;
};

} // namespace brinox
