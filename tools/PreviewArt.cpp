#include "PreviewArt.h"

#include "BlockArt.h"
#include "DigitArt.h"

#include <QPainter>
#include <QPolygonF>

namespace brinox::art {

namespace {
constexpr int kPreviewCell = 16;
constexpr int kPreviewBlocks = 7;
constexpr int kDigitWidth = 16;
constexpr int kDigits = 10;
} // namespace

QImage PreviewArt::BlockSet(int set) {
    return BlockArt::Blocks(set, kPreviewCell)
        .copy(0, 0, kPreviewCell * kPreviewBlocks, kPreviewCell);
}

QImage PreviewArt::DigitSet(int set) {
    const QImage strip = DigitArt::Counter(set);
    return strip.copy(0, 0, kDigitWidth * kDigits, strip.height());
}

QImage PreviewArt::SpinArrow(bool up) {
    QImage arrow(9, 5, QImage::Format_ARGB32);
    arrow.fill(Qt::transparent);
    QPainter p(&arrow);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xc1, 0x4e));
    const double top = up ? 0 : 5;
    const double bottom = up ? 5 : 0;
    p.drawPolygon(QPolygonF({QPointF(0, bottom), QPointF(9, bottom), QPointF(4.5, top)}));
    return arrow;
}

} // namespace brinox::art
