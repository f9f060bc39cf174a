#include "ShellArt.h"

#include "ArtKit.h"
#include "SceneArt.h"
#include "Theme.h"

#include <QPainterPath>

#include <algorithm>
#include <array>

namespace brinox::art {

namespace {

constexpr int kPortraitWidth = 100;
constexpr int kPortraitHeight = 120;

// The logo's four block colours.
constexpr std::array<QRgb, 4> kBlockTones = {0xE53935, 0xFDD835, 0x43A047, 0x3F5FE0};

void Block(QPainter& p, const QRectF& r, const QColor& tone) {
    p.fillRect(r, tone);
    const int edge = r.width() >= 8 ? std::max(2, static_cast<int>(r.width() / 12)) : 1;
    Bevel(p, r.toRect(), Shade(tone, 0.5), Shade(tone, -0.5), edge);
}

// Gold, silver and bronze, for places 1 to 3.
QColor MedalColour(int place) {
    switch (place) {
    case 1:
        return QColor(236, 188, 52);
    case 2:
        return QColor(196, 202, 212);
    default:
        return QColor(196, 122, 62);
    }
}

struct Look {
    QColor skin;
    QColor hair;
    QColor shirt;
    bool longHair;
};

Look LookOf(int year, int place) {
    static const std::array<Look, 6> looks = {{
        {QColor(238, 200, 170), QColor(110, 74, 40), QColor(200, 40, 48), false},
        {QColor(246, 214, 190), QColor(236, 206, 120), QColor(40, 110, 200), true},
        {QColor(232, 192, 160), QColor(60, 44, 30), QColor(40, 150, 90), false},
        {QColor(226, 190, 150), QColor(24, 22, 26), QColor(30, 40, 110), false},
        {QColor(238, 200, 170), QColor(110, 74, 40), QColor(200, 40, 48), false},
        {QColor(222, 180, 146), QColor(70, 36, 24), QColor(150, 40, 140), true},
    }};
    return looks[static_cast<std::size_t>((year - 2000) * 3 + place - 1) % looks.size()];
}

void Frame(QPainter& p, const QRect& r, const QColor& tone) {
    Bevel(p, r, Shade(tone, 0.4), Shade(tone, -0.5), 3);
}

void Person(QPainter& p, const Look& look) {
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    // Shoulders, then neck, hair behind the head, head, fringe.
    p.setBrush(look.shirt);
    p.drawRoundedRect(QRectF(14, 82, 72, 50), 24, 24);
    p.setBrush(Shade(look.skin, -0.08));
    p.drawRect(QRectF(43, 68, 14, 18));
    p.setBrush(look.hair);
    if (look.longHair) {
        p.drawRoundedRect(QRectF(28, 26, 44, 58), 18, 18);
    }
    p.setBrush(look.skin);
    p.drawEllipse(QRectF(32, 28, 36, 44));
    p.setBrush(look.hair);
    QPainterPath fringe;
    fringe.moveTo(31, 48);
    fringe.cubicTo(28, 20, 72, 18, 69, 48);
    fringe.cubicTo(60, 36, 42, 34, 31, 48);
    p.drawPath(fringe);
    // A friendly face.
    p.setPen(QPen(QColor(40, 30, 30), 2));
    p.drawPoint(QPointF(43, 52));
    p.drawPoint(QPointF(57, 52));
    p.setPen(QPen(QColor(150, 60, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(42, 54, 16, 10), 200 * 16, 140 * 16);
}

void Medal(QPainter& p, int place) {
    const QColor tone = MedalColour(place);
    p.setPen(QPen(QColor(200, 30, 30), 3));
    p.drawLine(QPointF(42, 84), QPointF(50, 98));
    p.drawLine(QPointF(58, 84), QPointF(50, 98));
    p.setPen(QPen(Shade(tone, -0.5), 1));
    p.setBrush(tone);
    p.drawEllipse(QPointF(50, 104), 10, 10);
    Text(p, QRectF(40, 94, 20, 20), QString::number(place), Font(Face::SansBold, 12),
         QColor(60, 40, 10));
}

void Cup(QPainter& p) {
    const QColor gold(236, 188, 52);
    p.setPen(QPen(Shade(gold, -0.5), 1.5));
    p.setBrush(gold);
    QPainterPath bowl;
    bowl.moveTo(26, 22);
    bowl.lineTo(74, 22);
    bowl.cubicTo(74, 60, 60, 70, 50, 70);
    bowl.cubicTo(40, 70, 26, 60, 26, 22);
    p.drawPath(bowl);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 28, 20, 24), 90 * 16, 180 * 16);
    p.drawArc(QRectF(68, 28, 20, 24), 270 * 16, 180 * 16);
    p.setBrush(gold);
    p.drawRect(QRectF(45, 70, 10, 16));
    p.drawRect(QRectF(32, 86, 36, 8));
    p.setBrush(QColor(70, 40, 20));
    p.drawRect(QRectF(28, 94, 44, 14));
    Text(p, QRectF(28, 94, 44, 14), "WC", Font(Face::SansBold, 10), gold);
}

void Laurel(QPainter& p) {
    const QColor leaf(70, 160, 70);
    p.setPen(QPen(Shade(leaf, -0.5), 1));
    p.setBrush(leaf);
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 7; ++k) {
            const double angle = 200.0 - k * 22.0;
            p.save();
            p.translate(50, 60);
            p.rotate(side < 0 ? angle : 180 - angle);
            p.drawEllipse(QRectF(30, -5, 16, 8));
            p.restore();
        }
    }
    Text(p, QRectF(20, 40, 60, 40), "No. 1", Font(Face::SerifBold, 15), theme::Caption(),
         Qt::AlignCenter, QColor(0, 0, 0));
}

void FallingPieces(QPainter& p) {
    // An L, a T, an S and an I on their way down.
    const std::array<std::array<QPoint, 4>, 4> pieces = {{
        {QPoint(0, 0), QPoint(0, 1), QPoint(0, 2), QPoint(1, 2)},
        {QPoint(0, 0), QPoint(1, 0), QPoint(2, 0), QPoint(1, 1)},
        {QPoint(1, 0), QPoint(2, 0), QPoint(0, 1), QPoint(1, 1)},
        {QPoint(0, 0), QPoint(1, 0), QPoint(2, 0), QPoint(3, 0)},
    }};
    const std::array<QPoint, 4> origins = {QPoint(14, 10), QPoint(54, 26), QPoint(20, 64),
                                           QPoint(36, 96)};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const QColor tone = QColor::fromRgb(kBlockTones[i]);
        for (const QPoint& cell : pieces[i]) {
            Block(p, QRectF(origins[i].x() + cell.x() * 12, origins[i].y() + cell.y() * 12, 12, 12),
                  tone);
        }
    }
}

} // namespace

QImage ShellArt::About() {
    QImage image = NewImage(380, 110, Qt::black);
    QPainter p(&image);
    Smooth(p);
    SceneArt::PaintSky(p, QRectF(0, 0, 380, 110), 2025u);
    SceneArt::PaintCathedral(p, QRectF(262, 0, 112, 108));
    for (std::size_t k = 0; k < kBlockTones.size(); ++k) {
        const int x = 18 + static_cast<int>(k % 3) * 14;
        const int y = 18 + static_cast<int>(k / 3) * 14;
        Block(p, QRectF(x + (k == 3 ? 14 : 0), y, 14, 14), QColor::fromRgb(kBlockTones[k]));
    }
    Text(p, QRectF(70, 8, 190, 44), "BRINOX 2000",
         Font(Face::SansBold, FitSize("BRINOX 2000", Face::SansBold, 30, 184)), theme::Caption(),
         Qt::AlignCenter, QColor(0, 0, 0));
    Text(p, QRectF(70, 52, 190, 22), "World Championship", Font(Face::SerifBold, 16),
         QColor(230, 236, 255), Qt::AlignCenter, QColor(0, 0, 0));
    Bevel(p, image.rect(), theme::PanelLight(), theme::PanelDark(), 2);
    return image;
}

QImage ShellArt::Portrait(int year, int place) {
    QImage image = NewImage(kPortraitWidth, kPortraitHeight, Qt::black);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient back(0, 0, 0, kPortraitHeight);
    back.setColorAt(0, Shade(MedalColour(place), -0.2));
    back.setColorAt(1, theme::PanelFace());
    p.fillRect(image.rect(), back);
    Person(p, LookOf(year, place));
    Medal(p, place);
    Text(p, QRectF(4, 4, 40, 14), QString::number(year), Font(Face::CondensedBold, 11),
         QColor(255, 255, 255), Qt::AlignLeft | Qt::AlignTop, QColor(0, 0, 0));
    Frame(p, image.rect(), MedalColour(place));
    return image;
}

QImage ShellArt::Decor(int index) {
    QImage image = NewImage(kPortraitWidth, kPortraitHeight, theme::PanelFace());
    QPainter p(&image);
    Smooth(p);
    SceneArt::PaintSky(p, QRectF(0, 0, kPortraitWidth, kPortraitHeight),
                       300u + static_cast<unsigned>(index));
    switch (index) {
    case 0:
        Cup(p);
        break;
    case 1:
        Laurel(p);
        break;
    default:
        FallingPieces(p);
        break;
    }
    Frame(p, image.rect(), theme::PanelLight());
    return image;
}

QImage ShellArt::AppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    const double unit = size / 16.0;
    QLinearGradient tile(0, 0, 0, size);
    tile.setColorAt(0, theme::PanelLight());
    tile.setColorAt(1, theme::PanelDark());
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5 * unit, 0.5 * unit, 15 * unit, 15 * unit), 3 * unit, 3 * unit);
    // A T piece over an almost full row: the game in one glance.
    p.setRenderHint(QPainter::Antialiasing, false);
    const double cell = 4 * unit;
    const std::array<QPointF, 4> tee = {QPointF(2, 2), QPointF(6, 2), QPointF(10, 2),
                                        QPointF(6, 6)};
    for (const QPointF& at : tee) {
        Block(p, QRectF(at.x() * unit, at.y() * unit, cell, cell), QColor::fromRgb(kBlockTones[0]));
    }
    for (int column = 0; column < 3; ++column) {
        Block(p, QRectF((2 + column * 4) * unit, 10 * unit, cell, cell),
              QColor::fromRgb(kBlockTones[static_cast<std::size_t>(column) + 1]));
    }
    return image;
}

} // namespace brinox::art
