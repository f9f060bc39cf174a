#include "PieceMarks.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>

#include <algorithm>
#include <initializer_list>

namespace brinox {

namespace {

// Shapes are drawn in a box from -1 to 1 (y down) around the cell's centre;
// the box spans kMarkSpan of the cell.
constexpr double kMarkSpan = 0.62;
constexpr double kLine = 0.42; // width of the line shapes, in box units
const QColor kInk(18, 18, 26);
const QColor kHalo(250, 250, 250);

QPainterPath Polygon(std::initializer_list<QPointF> points, bool closed) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    if (closed) {
        path.closeSubpath();
    }
    return path;
}

// A line shape as the area its strokes cover.
QPainterPath Stroked(const QPainterPath& lines, Qt::PenCapStyle cap = Qt::FlatCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(kLine);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(lines);
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Square(double half) {
    QPainterPath path;
    path.addRect(QRectF(-half, -half, 2 * half, 2 * half));
    return path;
}

QPainterPath Rect(double halfWidth, double halfHeight) {
    QPainterPath path;
    path.addRect(QRectF(-halfWidth, -halfHeight, 2 * halfWidth, 2 * halfHeight));
    return path;
}

// The area of each kind's mark, in box units.
QPainterPath Shape(std::int32_t kind) {
    switch (kind) {
    case 0: // dot
        return Circle({0, 0}, 0.72);
    case 1: // ring
        return Stroked(Circle({0, 0}, 0.76));
    case 2: { // plus
        QPainterPath lines = Polygon({{-1, 0}, {1, 0}}, false);
        lines.addPath(Polygon({{0, -1}, {0, 1}}, false));
        return Stroked(lines);
    }
    case 3: { // cross
        QPainterPath lines = Polygon({{-0.85, -0.85}, {0.85, 0.85}}, false);
        lines.addPath(Polygon({{-0.85, 0.85}, {0.85, -0.85}}, false));
        return Stroked(lines);
    }
    case 4: // triangle
        return Polygon({{0, -1}, {1, 0.8}, {-1, 0.8}}, true);
    case 5: // diamond
        return Polygon({{0, -1}, {1, 0}, {0, 1}, {-1, 0}}, true);
    case 6: // square
        return Square(0.68);
    case 7: // lying bar
        return Rect(1, 0.32);
    case 8: // standing bar
        return Rect(0.32, 1);
    case 9: // triangle upside down
        return Polygon({{0, 1}, {1, -0.8}, {-1, -0.8}}, true);
    case 10: // square outline
        return Stroked(Square(0.74));
    case 11: // diamond outline
        return Stroked(Polygon({{0, -1}, {1, 0}, {0, 1}, {-1, 0}}, true));
    case 12: // bow tie
        return Polygon({{-1, -0.8}, {0, 0}, {-1, 0.8}}, true)
            .united(Polygon({{1, -0.8}, {0, 0}, {1, 0.8}}, true));
    case 13: // two dots
        return Circle({-0.52, 0}, 0.44).united(Circle({0.52, 0}, 0.44));
    case 14: // caret
        return Stroked(Polygon({{-0.95, 0.55}, {0, -0.5}, {0.95, 0.55}}, false));
    default: // corner, like the three-cell piece
        return Stroked(Polygon({{-0.6, -1}, {-0.6, 0.6}, {1, 0.6}}, false), Qt::SquareCap);
    }
}

} // namespace

void PieceMarks::Paint(QPainter& painter, const QRectF& cell, std::int32_t kind) {
    const double half = std::min(cell.width(), cell.height()) * kMarkSpan / 2;
    QTransform place;
    place.translate(cell.center().x(), cell.center().y());
    place.scale(half, half);
    const QPainterPath area = place.map(Shape(kind));
    // A light rim of at least one pixel around the dark shape.
    const double halo = std::max(1.0, std::min(cell.width(), cell.height()) / 20.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.strokePath(area, QPen(kHalo, 2 * halo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(area, kInk);
    painter.restore();
}

const QImage& PieceMarks::Marked(const QImage& blocks, QSize cell) {
    if (blocks.isNull() || cell.isEmpty()) {
        return blocks;
    }
    for (const Stamped& entry : stamped) {
        if (entry.source == blocks.cacheKey() && entry.cell == cell) {
            return entry.image;
        }
    }
    // A strip of the same cell size is one the window no longer draws.
    auto same = std::ranges::find(stamped, cell, &Stamped::cell);
    Stamped& entry = same != stamped.end() ? *same : stamped[oldest++ % stamped.size()];
    entry.source = blocks.cacheKey();
    entry.cell = cell;
    entry.image = blocks.copy();
    QPainter painter(&entry.image);
    const std::int32_t kinds = std::min(kMarkedKinds, blocks.width() / cell.width());
    for (std::int32_t kind = 0; kind < kinds; ++kind) {
        Paint(painter, QRectF(QPointF(kind * cell.width(), 0), cell), kind);
    }
    return entry.image;
}

} // namespace brinox
