#include "BlockArt.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <functional>

namespace brinox::art {

namespace {

constexpr double kPi = 3.14159265358979;

// Quadel pieces (0 to 6) get the strongest, most familiar hues.
constexpr std::array<QRgb, 16> kPalette = {
    0xE53935, // 0 red
    0x26C6DA, // 1 cyan
    0xFB8C00, // 2 orange
    0x3F5FE0, // 3 blue
    0x43A047, // 4 green
    0xFDD835, // 5 yellow
    0xAB47BC, // 6 purple
    0x8D5A2B, // 7 brown
    0xF48FB1, // 8 pink
    0x00897B, // 9 teal
    0xB2E04A, // 10 lime
    0x283593, // 11 indigo
    0xFF7F6E, // 12 coral
    0xC9CED6, // 13 silver
    0x81B7FF, // 14 sky
    0x9E1B42, // 15 crimson
};

QColor Desaturate(const QColor& c, double amount) {
    const int grey = qGray(c.rgb());
    return Mix(c, QColor(grey, grey, grey), amount);
}

QPolygonF Quad(QPointF a, QPointF b, QPointF c, QPointF d) {
    QPolygonF poly;
    poly << a << b << c << d;
    return poly;
}

void FillPoly(QPainter& p, const QPolygonF& poly, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(poly);
}

// Four trapezoids around an inner square: the classic raised tile.
void Facets(QPainter& p, const QRectF& r, double depth, const QColor& top, const QColor& left,
            const QColor& right, const QColor& bottom) {
    const QRectF in = r.adjusted(depth, depth, -depth, -depth);
    FillPoly(p, Quad(r.topLeft(), r.topRight(), in.topRight(), in.topLeft()), top);
    FillPoly(p, Quad(r.topLeft(), in.topLeft(), in.bottomLeft(), r.bottomLeft()), left);
    FillPoly(p, Quad(r.topRight(), r.bottomRight(), in.bottomRight(), in.topRight()), right);
    FillPoly(p, Quad(r.bottomLeft(), in.bottomLeft(), in.bottomRight(), r.bottomRight()), bottom);
}

void Bevelled(QPainter& p, const QRectF& r, const QColor& c) {
    const double d = r.width() / 6.5;
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Shade(c, 0.12));
    g.setColorAt(1, Shade(c, -0.12));
    p.fillRect(r, g);
    Facets(p, r, d, Shade(c, 0.55), Shade(c, 0.3), Shade(c, -0.35), Shade(c, -0.55));
}

void Glossy(QPainter& p, const QRectF& r, const QColor& c) {
    const QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = r.width() * 0.22;
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, Shade(c, 0.35));
    g.setColorAt(0.5, c);
    g.setColorAt(1, Shade(c, -0.4));
    p.setPen(QPen(Shade(c, -0.6), 1));
    p.setBrush(g);
    p.drawRoundedRect(b, radius, radius);
    QLinearGradient shine(b.topLeft(), QPointF(b.left(), b.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 190));
    shine.setColorAt(1, QColor(255, 255, 255, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    const QRectF top(b.left() + 2, b.top() + 1.5, b.width() - 4, b.height() * 0.45);
    p.drawRoundedRect(top, radius * 0.8, radius * 0.8);
}

void Flat(QPainter& p, const QRectF& r, const QColor& c) {
    const QRectF b = r.adjusted(1, 1, -1, -1);
    p.fillRect(b, c);
    p.setPen(QPen(Shade(c, -0.25), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(b.adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing, true);
}

void Rounded(QPainter& p, const QRectF& r, const QColor& c) {
    const QRectF b = r.adjusted(1, 1, -1, -1);
    QRadialGradient g(b.left() + b.width() * 0.3, b.top() + b.height() * 0.3, b.width() * 0.9);
    g.setColorAt(0, Shade(c, 0.45));
    g.setColorAt(0.55, c);
    g.setColorAt(1, Shade(c, -0.45));
    p.setPen(QPen(Shade(c, -0.5), 1));
    p.setBrush(g);
    const double radius = b.width() * 0.38;
    p.drawRoundedRect(b.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void Gem(QPainter& p, const QRectF& r, const QColor& c) {
    const QColor deep = Shade(c, -0.2);
    Facets(p, r, r.width() * 0.28, Shade(deep, 0.55), Shade(deep, 0.25), Shade(deep, -0.4),
           Shade(deep, -0.65));
    const QRectF table =
        r.adjusted(r.width() * 0.28, r.width() * 0.28, -r.width() * 0.28, -r.width() * 0.28);
    QLinearGradient g(table.topLeft(), table.bottomRight());
    g.setColorAt(0, Shade(c, 0.5));
    g.setColorAt(1, Shade(c, -0.1));
    p.fillRect(table, g);
    // Facet edges and a sparkle.
    p.setPen(QPen(Shade(c, 0.7), 0.8));
    p.drawLine(r.topLeft(), table.topLeft());
    p.drawLine(r.topRight(), table.topRight());
    p.setPen(QPen(Shade(c, -0.7), 0.8));
    p.drawLine(r.bottomLeft(), table.bottomLeft());
    p.drawLine(r.bottomRight(), table.bottomRight());
    p.setPen(QPen(QColor(255, 255, 255, 220), r.width() / 20.0));
    const QPointF s = table.topLeft() + QPointF(table.width() * 0.3, table.height() * 0.3);
    const double k = r.width() * 0.12;
    p.drawLine(s + QPointF(-k, 0), s + QPointF(k, 0));
    p.drawLine(s + QPointF(0, -k), s + QPointF(0, k));
}

void Metallic(QPainter& p, const QRectF& r, const QColor& c, Rng& rng) {
    const QColor steel = Mix(Desaturate(c, 0.1), QColor(180, 185, 195), 0.12);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Shade(steel, 0.45));
    g.setColorAt(0.45, steel);
    g.setColorAt(0.5, Shade(steel, -0.15));
    g.setColorAt(1, Shade(steel, 0.1));
    p.fillRect(r, g);
    // Brushed streaks.
    for (double y = r.top() + 1; y < r.bottom() - 1; y += 1.0) {
        p.setPen(QPen(QColor(255, 255, 255, static_cast<int>(rng.Range(0, 45))), 0.6));
        const double x0 = r.left() + rng.Range(0, r.width() * 0.5);
        p.drawLine(QPointF(x0, y + 0.5), QPointF(x0 + rng.Range(3, r.width()), y + 0.5));
    }
    Bevel(p, r.toRect(), Shade(steel, 0.7), Shade(steel, -0.6), 1);
    const double k = r.width() * 0.17;
    for (QPointF at : {r.topLeft() + QPointF(k, k), r.topRight() + QPointF(-k, k),
                       r.bottomLeft() + QPointF(k, -k), r.bottomRight() + QPointF(-k, -k)}) {
        QRadialGradient rivet(at - QPointF(0.5, 0.5), r.width() * 0.08);
        rivet.setColorAt(0, QColor(255, 255, 255));
        rivet.setColorAt(1, Shade(steel, -0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(rivet);
        p.drawEllipse(at, r.width() * 0.065, r.width() * 0.065);
    }
}

void Brick(QPainter& p, const QRectF& r, const QColor& c, Rng& rng) {
    p.fillRect(r, QColor(205, 198, 184));
    const double h = r.height() / 2;
    const double m = std::max(1.0, r.width() / 20.0);
    auto brick = [&](QRectF b) {
        const QColor tone = Shade(c, rng.Range(-0.12, 0.08));
        b = b.adjusted(m * 0.5, m * 0.5, -m * 0.5, -m * 0.5);
        p.fillRect(b, tone);
        Bevel(p, b.toRect(), Shade(tone, 0.3), Shade(tone, -0.35), 1);
        for (int i = 0; i < 4; ++i) {
            p.setPen(QPen(Shade(tone, rng.Range(-0.25, 0.2)), 1));
            const QPointF at(rng.Range(b.left() + 1, b.right() - 1),
                             rng.Range(b.top() + 1, b.bottom() - 1));
            p.drawPoint(at);
        }
    };
    p.setRenderHint(QPainter::Antialiasing, false);
    brick(QRectF(r.left(), r.top(), r.width(), h));
    brick(QRectF(r.left() - r.width() * 0.5, r.top() + h, r.width(), h));
    brick(QRectF(r.left() + r.width() * 0.5, r.top() + h, r.width(), h));
    p.setRenderHint(QPainter::Antialiasing, true);
}

void Pastel(QPainter& p, const QRectF& r, const QColor& c) {
    const QColor soft = Mix(c, QColor(255, 255, 255), 0.42);
    const QRectF b = r.adjusted(1, 1, -1, -1);
    const double radius = r.width() * 0.18;
    p.setPen(QPen(Shade(soft, -0.3), 1));
    p.setBrush(soft);
    p.drawRoundedRect(b.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(b.adjusted(2.5, 2.5, -2.5, -2.5), radius * 0.6, radius * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(soft, -0.12));
    p.drawEllipse(b.center(), b.width() * 0.16, b.width() * 0.16);
}

void Neon(QPainter& p, const QRectF& r, const QColor& c) {
    p.fillRect(r, QColor(12, 12, 22));
    const QColor glow = Shade(Desaturate(c, -0.3), 0.15);
    const QRectF b =
        r.adjusted(r.width() * 0.2, r.width() * 0.2, -r.width() * 0.2, -r.width() * 0.2);
    const double radius = r.width() * 0.1;
    p.setBrush(Qt::NoBrush);
    for (int i = 4; i >= 1; --i) {
        p.setPen(QPen(WithAlpha(glow, 38), r.width() * 0.08 * i, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawRoundedRect(b, radius, radius);
    }
    p.setPen(QPen(Shade(glow, 0.55), r.width() * 0.07));
    p.drawRoundedRect(b, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(glow, 60));
    p.drawRoundedRect(b.adjusted(2, 2, -2, -2), radius, radius);
}

void Stone(QPainter& p, const QRectF& r, const QColor& c, Rng& rng) {
    const QColor rock = Mix(Desaturate(c, 0.15), QColor(120, 118, 112), 0.12);
    const double w = r.width();
    QPolygonF outline;
    outline << QPointF(r.left() + w * 0.12, r.top() + 0.5)
            << QPointF(r.right() - w * 0.2, r.top() + 0.5)
            << QPointF(r.right() - 0.5, r.top() + w * 0.15)
            << QPointF(r.right() - 0.5, r.bottom() - w * 0.1)
            << QPointF(r.right() - w * 0.1, r.bottom() - 0.5)
            << QPointF(r.left() + w * 0.15, r.bottom() - 0.5)
            << QPointF(r.left() + 0.5, r.bottom() - w * 0.18)
            << QPointF(r.left() + 0.5, r.top() + w * 0.1);
    QRadialGradient g(r.left() + w * 0.35, r.top() + w * 0.3, w * 0.85);
    g.setColorAt(0, Shade(rock, 0.3));
    g.setColorAt(1, Shade(rock, -0.35));
    p.setPen(QPen(Shade(rock, -0.6), 1));
    p.setBrush(g);
    p.drawPolygon(outline);
    p.save();
    QPainterPath clip;
    clip.addPolygon(outline);
    p.setClipPath(clip);
    for (int i = 0; i < static_cast<int>(w * w / 6); ++i) {
        const QColor speck = Shade(rock, rng.Range(-0.4, 0.4));
        p.setPen(QPen(WithAlpha(speck, 140), 1));
        p.drawPoint(QPointF(rng.Range(r.left(), r.right()), rng.Range(r.top(), r.bottom())));
    }
    p.setPen(QPen(Shade(rock, -0.55), 0.9));
    QPointF at(r.left() + w * rng.Range(0.5, 0.7), r.top() + w * 0.15);
    for (int i = 0; i < 3; ++i) {
        const QPointF next = at + QPointF(rng.Range(-w * 0.15, w * 0.1), w * 0.18);
        p.drawLine(at, next);
        at = next;
    }
    p.restore();
}

void Wood(QPainter& p, const QRectF& r, const QColor& c, Rng& rng) {
    const QColor timber = Mix(c, QColor(150, 100, 55), 0.35);
    const double w = r.width();
    p.fillRect(r, timber);
    const double phase = rng.Range(0, 6);
    for (double y = r.top() + 1.5; y < r.bottom(); y += w / 7.0) {
        QPainterPath grain;
        grain.moveTo(r.left(), y);
        for (double x = r.left(); x <= r.right() + 1; x += 1) {
            grain.lineTo(x, y + std::sin((x - r.left()) / w * 5 + phase + y) * w * 0.05);
        }
        p.setPen(QPen(Shade(timber, -0.3), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grain);
    }
    p.setPen(QPen(Shade(timber, -0.45), 0.9));
    p.setBrush(Shade(timber, -0.2));
    p.drawEllipse(QPointF(r.left() + w * rng.Range(0.3, 0.7), r.top() + w * rng.Range(0.3, 0.7)),
                  w * 0.1, w * 0.06);
    Bevel(p, r.toRect(), Shade(timber, 0.35), Shade(timber, -0.5), std::max(1, int(w / 12)));
}

void Glass(QPainter& p, const QRectF& r, const QColor& c) {
    const QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, Mix(c, QColor(255, 255, 255), 0.35));
    g.setColorAt(0.5, Mix(c, BlockArt::FieldColor(), 0.35));
    g.setColorAt(1, Mix(c, BlockArt::FieldColor(), 0.1));
    p.setPen(QPen(Shade(c, 0.65), 1));
    p.setBrush(g);
    p.drawRect(b);
    QPainterPath band;
    const double w = r.width();
    band.moveTo(b.left() + w * 0.15, b.bottom());
    band.lineTo(b.left() + w * 0.45, b.bottom());
    band.lineTo(b.right(), b.top() + w * 0.3);
    band.lineTo(b.right(), b.top() + w * 0.05);
    band.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 55));
    p.drawPath(band);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawLine(QPointF(b.left() + 2, b.top() + 2), QPointF(b.left() + w * 0.45, b.top() + 2));
    p.drawLine(QPointF(b.left() + 2, b.top() + 2), QPointF(b.left() + 2, b.top() + w * 0.3));
}

void RetroPixel(QPainter& p, const QRectF& r, const QColor& c) {
    const int px = std::max(2, static_cast<int>(r.width()) / 10);
    const int n = static_cast<int>(r.width()) / px;
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor dark = Shade(c, -0.55);
    const QColor light = Shade(c, 0.5);
    const QColor mid = Shade(c, -0.2);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            QColor tone = c;
            if (i == 0 || j == 0 || i == n - 1 || j == n - 1) {
                tone = dark;
            } else if (i == 1 || j == 1) {
                tone = light;
            } else if (i == n - 2 || j == n - 2) {
                tone = mid;
            }
            if ((i == 2 && j == 2) || (i == 3 && j == 2) || (i == 2 && j == 3)) {
                tone = QColor(255, 255, 255);
            }
            p.fillRect(QRectF(r.left() + i * px, r.top() + j * px, px, px), tone);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
}

void Marble(QPainter& p, const QRectF& r, const QColor& c, Rng& rng) {
    const QColor stone = Mix(c, QColor(245, 242, 236), 0.25);
    const double w = r.width();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Shade(stone, 0.25));
    g.setColorAt(1, Shade(stone, -0.15));
    p.fillRect(r, g);
    p.setBrush(Qt::NoBrush);
    for (int v = 0; v < 3; ++v) {
        QPainterPath vein;
        QPointF at(r.left() + rng.Range(0, w), r.top());
        vein.moveTo(at);
        while (at.y() < r.bottom()) {
            at += QPointF(rng.Range(-w * 0.18, w * 0.18), w * 0.12);
            vein.lineTo(at);
        }
        p.setPen(QPen(WithAlpha(Shade(c, -0.45), v == 0 ? 170 : 90), v == 0 ? 1.0 : 0.6));
        p.drawPath(vein);
    }
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(r.left() + 1, r.top() + 1.5), QPointF(r.right() - 1, r.top() + 1.5));
    p.setPen(QPen(Shade(stone, -0.5), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

QImage Render(int cell, const std::function<void(QPainter&, const QRect&)>& paint) {
    QImage image = NewImage(cell, cell, Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    paint(p, QRect(0, 0, cell, cell));
    return image;
}

} // namespace

const char* BlockArt::StyleName(int style) {
    static const char* const kNames[kStyleCount] = {
        "Bevelled", "Glossy", "Flat",  "Rounded", "Gem",   "Metallic",    "Brick",
        "Pastel",   "Neon",   "Stone", "Wood",    "Glass", "Retro pixel", "Marble"};
    return kNames[style];
}

QColor BlockArt::FieldColor() {
    return QColor(46, 49, 58);
}

QColor BlockArt::PieceColor(int kind) {
    return QColor::fromRgb(kPalette[kind % 16]);
}

void BlockArt::PaintEmptyCell(QPainter& p, const QRect& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, FieldColor());
    p.setPen(QColor(53, 56, 66));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.restore();
}

void BlockArt::PaintBlock(QPainter& p, const QRect& cell, int style, const QColor& c,
                          std::uint32_t seed) {
    const QRectF r(cell);
    Rng rng(static_cast<std::uint32_t>(style * 977) + seed * 131 +
            static_cast<std::uint32_t>(cell.width()));
    p.save();
    p.setClipRect(cell);
    switch (style) {
    case 0:
        Bevelled(p, r, c);
        break;
    case 1:
        Glossy(p, r, c);
        break;
    case 2:
        Flat(p, r, c);
        break;
    case 3:
        Rounded(p, r, c);
        break;
    case 4:
        Gem(p, r, c);
        break;
    case 5:
        Metallic(p, r, c, rng);
        break;
    case 6:
        Brick(p, r, c, rng);
        break;
    case 7:
        Pastel(p, r, c);
        break;
    case 8:
        Neon(p, r, c);
        break;
    case 9:
        Stone(p, r, c, rng);
        break;
    case 10:
        Wood(p, r, c, rng);
        break;
    case 11:
        Glass(p, r, c);
        break;
    case 12:
        RetroPixel(p, r, c);
        break;
    default:
        Marble(p, r, c, rng);
        break;
    }
    p.restore();
}

void BlockArt::PaintBomb(QPainter& p, const QRect& cell, int style, int size) {
    const QRectF r(cell);
    const double w = r.width();
    // A charcoal block of the set's own style with hazard stripes, yellow,
    // orange or red for small to large, carrying a bomb of matching size.
    static const QRgb kRing[3] = {0xFFE14D, 0xFF9A2E, 0xFF3B30};
    p.save();
    p.setClipRect(cell);
    PaintBlock(p, cell, style, QColor(62, 62, 70), 7u + static_cast<std::uint32_t>(size));
    const QColor ring = QColor::fromRgb(kRing[size]);
    const QRectF inner = r.adjusted(w * 0.12, w * 0.12, -w * 0.12, -w * 0.12);
    p.save();
    p.setClipRect(inner);
    p.setPen(QPen(ring, w * 0.15, Qt::SolidLine, Qt::FlatCap));
    for (double x = inner.left() - inner.height(); x < inner.right(); x += w * 0.26) {
        p.drawLine(QPointF(x, inner.bottom()), QPointF(x + inner.height(), inner.top()));
    }
    p.restore();
    const double radius = w * (0.2 + 0.075 * size);
    const QPointF centre(r.center().x() - w * 0.02, r.bottom() - radius - w * 0.12);
    QRadialGradient body(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    body.setColorAt(0, QColor(150, 150, 165));
    body.setColorAt(0.35, QColor(45, 45, 55));
    body.setColorAt(1, QColor(5, 5, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);
    // Cap, fuse and spark.
    const QPointF cap = centre + QPointF(radius * 0.55, -radius * 0.75);
    p.setBrush(QColor(120, 120, 130));
    p.drawEllipse(cap, w * 0.06, w * 0.05);
    QPainterPath fuse;
    fuse.moveTo(cap);
    const QPointF tip(std::min(r.right() - w * 0.14, cap.x() + w * 0.15), r.top() + w * 0.17);
    fuse.quadTo(QPointF(cap.x() + w * 0.12, cap.y()), tip);
    p.setPen(QPen(QColor(230, 210, 170), std::max(1.0, w / 22.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fuse);
    p.setPen(Qt::NoPen);
    QRadialGradient spark(tip, w * 0.13);
    spark.setColorAt(0, QColor(255, 255, 230));
    spark.setColorAt(0.4, WithAlpha(ring, 230));
    spark.setColorAt(1, WithAlpha(ring, 0));
    p.setBrush(spark);
    p.drawEllipse(tip, w * 0.13, w * 0.13);
    // Size mark: one, two or three pips on the body.
    p.setBrush(ring);
    for (int i = 0; i <= size; ++i) {
        const double x = centre.x() + (i - size / 2.0) * w * 0.1;
        p.drawEllipse(QPointF(x, centre.y() + radius * 0.35), w * 0.035, w * 0.035);
    }
    p.restore();
}

QImage BlockArt::SingleBlock(int style, int kind, int cell) {
    return Render(cell, [&](QPainter& p, const QRect& r) {
        if (kind >= kPieceColors) {
            PaintBomb(p, r, style, kind - kPieceColors);
        } else {
            PaintBlock(p, r, style, PieceColor(kind), static_cast<std::uint32_t>(kind));
        }
    });
}

QImage BlockArt::Blocks(int style, int cell) {
    QImage strip = NewImage(cell * 19, cell, FieldColor());
    QPainter p(&strip);
    for (int kind = 0; kind < 19; ++kind) {
        const QRect r(kind * cell, 0, cell, cell);
        PaintEmptyCell(p, r);
        p.drawImage(r.topLeft(), SingleBlock(style, kind, cell));
    }
    return strip;
}

QImage BlockArt::Removal(int style, int cell) {
    QImage strip = NewImage(cell * 80, cell, FieldColor());
    QPainter p(&strip);
    Smooth(p);
    for (int kind = 0; kind < 16; ++kind) {
        const QImage block = SingleBlock(style, kind, cell);
        const QColor c = PieceColor(kind);
        Rng rng(static_cast<std::uint32_t>(kind * 31 + style));
        for (int f = 0; f < 5; ++f) {
            const QRect r((kind * 5 + f) * cell, 0, cell, cell);
            PaintEmptyCell(p, r);
            p.save();
            p.setClipRect(r);
            const QPointF mid = QRectF(r).center();
            if (f == 0) {
                p.drawImage(r.topLeft(), block);
                p.fillRect(r, QColor(255, 255, 255, 110));
            } else if (f == 1) {
                p.setOpacity(0.95);
                p.drawImage(
                    QRectF(mid.x() - cell * 0.42, mid.y() - cell * 0.42, cell * 0.84, cell * 0.84),
                    block);
                p.fillRect(r, QColor(255, 255, 255, 50));
            } else {
                // Shards fly apart and fade.
                const double spread = cell * (0.1 + 0.14 * (f - 2));
                const double scale = 1.0 - 0.22 * (f - 1);
                p.setOpacity(1.0 - 0.28 * (f - 2));
                for (int q = 0; q < 4; ++q) {
                    const int qx = q % 2;
                    const int qy = q / 2;
                    const QRectF source(qx * cell / 2.0, qy * cell / 2.0, cell / 2.0, cell / 2.0);
                    const double h = cell / 2.0 * scale;
                    const QPointF dir(qx ? 1 : -1, qy ? 1 : -1);
                    const QPointF at = mid + dir * (spread + h / 2) - QPointF(h / 2, h / 2);
                    p.drawImage(QRectF(at, QSizeF(h, h)), block, source);
                }
            }
            p.setOpacity(1.0);
            // Sparkles grow as the block goes.
            for (int s = 0; s < f * 2; ++s) {
                const QPointF at(r.left() + rng.Range(2, cell - 2), rng.Range(2, cell - 2));
                const double k = cell * rng.Range(0.03, 0.07);
                p.setPen(QPen(Shade(c, 0.6), std::max(1.0, cell / 24.0)));
                p.drawLine(at - QPointF(k, 0), at + QPointF(k, 0));
                p.drawLine(at - QPointF(0, k), at + QPointF(0, k));
            }
            p.restore();
        }
    }
    return strip;
}

QImage BlockArt::Explosion(int cell) {
    QImage strip = NewImage(cell * 5, cell, FieldColor());
    QPainter p(&strip);
    Smooth(p);
    Rng rng(4242u + static_cast<std::uint32_t>(cell));
    for (int f = 0; f < 5; ++f) {
        const QRect r(f * cell, 0, cell, cell);
        PaintEmptyCell(p, r);
        p.save();
        p.setClipRect(r);
        const QPointF mid = QRectF(r).center();
        const double radii[5] = {0.3, 0.62, 0.75, 0.7, 0.6};
        const double radius = cell * radii[f];
        QRadialGradient fire(mid, radius);
        if (f == 0) {
            fire.setColorAt(0, QColor(255, 255, 255));
            fire.setColorAt(0.5, QColor(255, 245, 160));
            fire.setColorAt(1, QColor(255, 200, 60, 0));
        } else if (f == 1) {
            fire.setColorAt(0, QColor(255, 255, 220));
            fire.setColorAt(0.35, QColor(255, 210, 70));
            fire.setColorAt(0.75, QColor(250, 110, 20, 230));
            fire.setColorAt(1, QColor(200, 40, 10, 0));
        } else if (f == 2) {
            fire.setColorAt(0, QColor(255, 190, 60));
            fire.setColorAt(0.5, QColor(220, 70, 20, 230));
            fire.setColorAt(0.85, QColor(90, 60, 50, 200));
            fire.setColorAt(1, QColor(60, 55, 55, 0));
        } else if (f == 3) {
            fire.setColorAt(0, QColor(150, 80, 40, 220));
            fire.setColorAt(0.5, QColor(100, 95, 95, 200));
            fire.setColorAt(1, QColor(80, 80, 85, 0));
        } else {
            fire.setColorAt(0, QColor(110, 110, 115, 120));
            fire.setColorAt(1, QColor(90, 90, 95, 0));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(fire);
        p.drawEllipse(mid, radius, radius);
        // Flying sparks and embers.
        const int sparks = f == 0 ? 0 : 9 - f;
        for (int s = 0; s < sparks; ++s) {
            const double angle = rng.Range(0, 2 * kPi);
            const double dist = cell * rng.Range(0.15, 0.2 + 0.08 * f);
            const QPointF at = mid + QPointF(std::cos(angle), std::sin(angle)) * dist;
            p.setBrush(f < 3 ? QColor(255, 240, 150) : QColor(255, 120, 40, 200));
            p.drawEllipse(at, cell * 0.035, cell * 0.035);
        }
        p.restore();
    }
    return strip;
}

} // namespace brinox::art
