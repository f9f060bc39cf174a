#include "SceneArt.h"

#include "ArtKit.h"
#include "BlockArt.h"
#include "HelpText.h"
#include "Theme.h"

#include "ui/QtGeometry.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace brinox::art {

namespace {

constexpr double kPi = 3.14159265358979;

enum class Pattern { Spiral, Chevron, Ribs, Checker };

struct DomeSpec {
    double cx;
    double drumTop;
    double drumWidth;
    double width;
    double height;
    Pattern pattern;
    QColor a;
    QColor b;
};

QPainterPath OnionPath(double cx, double base, double w, double h) {
    QPainterPath path;
    path.moveTo(cx - w * 0.36, base);
    path.cubicTo(cx - w * 0.62, base - h * 0.22, cx - w * 0.58, base - h * 0.58, cx - w * 0.16,
                 base - h * 0.8);
    path.quadTo(cx - w * 0.03, base - h * 0.88, cx, base - h);
    path.quadTo(cx + w * 0.03, base - h * 0.88, cx + w * 0.16, base - h * 0.8);
    path.cubicTo(cx + w * 0.58, base - h * 0.58, cx + w * 0.62, base - h * 0.22, cx + w * 0.36,
                 base);
    path.closeSubpath();
    return path;
}

void Cross(QPainter& p, double x, double top, double size) {
    p.setPen(QPen(QColor(250, 214, 110), size * 0.16, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x, top), QPointF(x, top + size));
    p.drawLine(QPointF(x - size * 0.3, top + size * 0.3),
               QPointF(x + size * 0.3, top + size * 0.3));
    p.drawLine(QPointF(x - size * 0.22, top + size * 0.68),
               QPointF(x + size * 0.22, top + size * 0.55));
}

void DomePattern(QPainter& p, const DomeSpec& d, double base) {
    const QRectF box(d.cx - d.width, base - d.height, d.width * 2, d.height);
    p.fillRect(box, d.a);
    switch (d.pattern) {
    case Pattern::Spiral: {
        p.setPen(QPen(d.b, d.width * 0.13, Qt::SolidLine, Qt::FlatCap));
        for (double x = box.left() - d.height; x < box.right() + d.height; x += d.width * 0.27) {
            p.drawLine(QPointF(x, base), QPointF(x + d.height * 0.9, base - d.height));
        }
        break;
    }
    case Pattern::Chevron: {
        p.setPen(QPen(d.b, d.height * 0.07, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        for (double y = base; y > base - d.height; y -= d.height * 0.16) {
            QPainterPath zig;
            zig.moveTo(box.left(), y);
            bool up = true;
            for (double x = box.left(); x <= box.right(); x += d.width * 0.12) {
                zig.lineTo(x, y - (up ? d.height * 0.07 : 0));
                up = !up;
            }
            p.drawPath(zig);
        }
        break;
    }
    case Pattern::Ribs: {
        p.setPen(QPen(d.b, d.width * 0.05));
        for (double k = -0.9; k <= 0.9; k += 0.3) {
            QPainterPath rib;
            rib.moveTo(d.cx + k * d.width * 0.36, base);
            rib.quadTo(d.cx + k * d.width * 0.6, base - d.height * 0.45, d.cx, base - d.height);
            p.drawPath(rib);
        }
        break;
    }
    case Pattern::Checker: {
        p.setPen(Qt::NoPen);
        p.setBrush(d.b);
        const double step = d.width * 0.2;
        int row = 0;
        for (double y = base; y > base - d.height; y -= step * 0.8, ++row) {
            for (double x = box.left() + (row % 2) * step / 2; x < box.right(); x += step) {
                QPolygonF diamond;
                diamond << QPointF(x, y - step * 0.4) << QPointF(x + step * 0.3, y)
                        << QPointF(x, y + step * 0.4) << QPointF(x - step * 0.3, y);
                p.drawPolygon(diamond);
            }
        }
        break;
    }
    }
}

void Drum(QPainter& p, double cx, double top, double bottom, double w) {
    const QRectF drum(cx - w / 2, top, w, bottom - top);
    QLinearGradient g(drum.topLeft(), drum.topRight());
    g.setColorAt(0, QColor(250, 236, 206));
    g.setColorAt(0.6, QColor(222, 200, 160));
    g.setColorAt(1, QColor(150, 120, 95));
    p.fillRect(drum, g);
    // Brick band, slit windows and a row of small gables (kokoshniks).
    p.fillRect(QRectF(drum.left(), top + w * 0.35, w, w * 0.12), QColor(176, 62, 46));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 50));
    for (double x = drum.left() + w * 0.22; x < drum.right() - w * 0.1; x += w * 0.28) {
        p.drawRoundedRect(QRectF(x, top + w * 0.6, w * 0.1, w * 0.35), w * 0.05, w * 0.05);
    }
    p.setBrush(QColor(240, 226, 190));
    for (double x = drum.left(); x < drum.right() - 0.01; x += w / 3) {
        QPainterPath gable;
        gable.moveTo(x, top + w * 0.05);
        gable.quadTo(x + w / 6, top - w * 0.3, x + w / 3, top + w * 0.05);
        gable.closeSubpath();
        p.drawPath(gable);
    }
}

void OnionDome(QPainter& p, const DomeSpec& d, double bodyTop) {
    Drum(p, d.cx, d.drumTop, bodyTop, d.drumWidth);
    const double base = d.drumTop - d.drumWidth * 0.08;
    const QPainterPath dome = OnionPath(d.cx, base, d.width, d.height);
    p.save();
    p.setClipPath(dome);
    DomePattern(p, d, base);
    QLinearGradient light(d.cx - d.width / 2, 0, d.cx + d.width / 2, 0);
    light.setColorAt(0, QColor(255, 255, 255, 110));
    light.setColorAt(0.35, QColor(255, 255, 255, 0));
    light.setColorAt(0.7, QColor(0, 0, 0, 40));
    light.setColorAt(1, QColor(0, 0, 0, 140));
    p.fillRect(dome.boundingRect(), light);
    p.restore();
    p.setPen(QPen(QColor(40, 25, 30, 160), d.width * 0.03));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dome);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 196, 90));
    p.drawEllipse(QPointF(d.cx, base - d.height - d.width * 0.05), d.width * 0.06, d.width * 0.06);
    Cross(p, d.cx, base - d.height - d.width * 0.55, d.width * 0.5);
}

void TentTower(QPainter& p) {
    Drum(p, 50, 30, 72, 15);
    QPolygonF tent;
    tent << QPointF(42.5, 31) << QPointF(57.5, 31) << QPointF(50, 9);
    QLinearGradient g(42, 0, 58, 0);
    g.setColorAt(0, QColor(250, 240, 215));
    g.setColorAt(0.55, QColor(230, 210, 170));
    g.setColorAt(1, QColor(160, 130, 100));
    p.setPen(QPen(QColor(90, 60, 50), 0.3));
    p.setBrush(g);
    p.drawPolygon(tent);
    // Green diamond ornament on the tent.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 140, 86));
    for (int row = 0; row < 5; ++row) {
        const double y = 28 - row * 4;
        const double half = (y - 9) / 22 * 7.5;
        for (double x = 50 - half + 1.5; x < 50 + half - 1; x += 3) {
            QPolygonF diamond;
            diamond << QPointF(x, y - 1) << QPointF(x + 0.7, y) << QPointF(x, y + 1)
                    << QPointF(x - 0.7, y);
            p.drawPolygon(diamond);
        }
    }
    DomeSpec top{50, 9.5, 2.4, 5, 6, Pattern::Ribs, QColor(236, 186, 70), QColor(170, 110, 30)};
    OnionDome(p, top, 10.5);
}

void Body(QPainter& p) {
    // Main body with white cornices and arched windows, then the terrace.
    QLinearGradient brick(0, 66, 0, 90);
    brick.setColorAt(0, QColor(190, 72, 54));
    brick.setColorAt(1, QColor(140, 48, 38));
    p.fillRect(QRectF(6, 66, 88, 24), brick);
    p.fillRect(QRectF(6, 66, 88, 1.6), QColor(244, 232, 204));
    p.fillRect(QRectF(6, 76, 88, 1.0), QColor(244, 232, 204));
    p.setPen(Qt::NoPen);
    for (double x = 9; x < 92; x += 5.5) {
        p.setBrush(QColor(244, 232, 204));
        p.drawRoundedRect(QRectF(x - 0.4, 69, 3.2, 5.4), 1.4, 1.4);
        p.setBrush(QColor(50, 34, 46));
        p.drawRoundedRect(QRectF(x, 69.6, 2.4, 4.6), 1.1, 1.1);
    }
    p.fillRect(QRectF(0, 88, 100, 12), QColor(168, 62, 48));
    p.fillRect(QRectF(0, 88, 100, 1.2), QColor(244, 232, 204));
    for (double x = 1.5; x < 99; x += 7) {
        QPainterPath arch;
        arch.moveTo(x, 100);
        arch.lineTo(x, 94);
        arch.quadTo(x + 2.5, 90, x + 5, 94);
        arch.lineTo(x + 5, 100);
        arch.closeSubpath();
        p.setBrush(QColor(70, 30, 34));
        p.drawPath(arch);
    }
    // Evening light falling from the left.
    QLinearGradient shade(0, 0, 100, 0);
    shade.setColorAt(0, QColor(255, 200, 120, 40));
    shade.setColorAt(1, QColor(0, 0, 30, 90));
    p.fillRect(QRectF(0, 66, 100, 34), shade);
}

} // namespace

void SceneArt::PaintCathedral(QPainter& p, const QRectF& box) {
    p.save();
    Smooth(p);
    const double s = box.width() / 100.0;
    p.translate(box.left(), box.bottom() - 100 * s);
    p.scale(s, s);
    TentTower(p);
    const DomeSpec domes[] = {
        {27, 46, 9, 13, 15, Pattern::Spiral, QColor(204, 44, 44), QColor(40, 150, 84)},
        {73, 46, 9, 13, 15, Pattern::Chevron, QColor(44, 84, 196), QColor(240, 240, 236)},
        {12, 58, 8, 11, 12, Pattern::Ribs, QColor(232, 180, 64), QColor(172, 112, 30)},
        {88, 58, 8, 11, 12, Pattern::Checker, QColor(48, 156, 74), QColor(246, 206, 70)},
        {38, 54, 7, 10, 12, Pattern::Spiral, QColor(244, 142, 40), QColor(44, 136, 70)},
        {62, 54, 7, 10, 12, Pattern::Spiral, QColor(214, 52, 52), QColor(246, 214, 84)},
    };
    for (const DomeSpec& d : domes) {
        OnionDome(p, d, 67);
    }
    Body(p);
    p.restore();
}

void SceneArt::PaintSky(QPainter& p, const QRectF& r, unsigned seed) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(10, 14, 40));
    sky.setColorAt(0.45, QColor(40, 40, 92));
    sky.setColorAt(0.75, QColor(120, 70, 120));
    sky.setColorAt(1, QColor(236, 140, 96));
    p.fillRect(r, sky);
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    const int stars = static_cast<int>(r.width() * r.height() / 900);
    for (int i = 0; i < stars; ++i) {
        const QPointF at(rng.Range(r.left(), r.right()),
                         r.top() + r.height() * rng.Unit() * rng.Unit() * 0.7);
        const int alpha = static_cast<int>(rng.Range(70, 230));
        p.setBrush(QColor(255, 250, 230, alpha));
        const double size = rng.Unit() < 0.1 ? 1.1 : 0.6;
        p.drawEllipse(at, size, size);
    }
}

namespace {

void Caption(QPainter& p, const QRectF& r, const QString& text, double size) {
    Text(p, r, text, Font(Face::CondensedBold, size), theme::Caption(), Qt::AlignCenter,
         theme::CaptionShadow());
}

void GlassPanel(QPainter& p, const QRectF& r, int alpha) {
    p.save();
    Smooth(p);
    p.setPen(QPen(WithAlpha(theme::PanelLight(), 150), 1));
    p.setBrush(WithAlpha(theme::PanelFace(), alpha));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.restore();
}

void SunkenBox(QPainter& p, const QRect& inner, const QColor& face) {
    const QRect outer = inner.adjusted(-2, -2, 2, 2);
    p.fillRect(outer, face);
    Bevel(p, outer, QColor(6, 6, 12), theme::PanelLight(), 1);
    Bevel(p, outer.adjusted(1, 1, -1, -1), QColor(20, 22, 36), Shade(theme::PanelLight(), -0.3), 1);
    p.fillRect(inner, face);
}

void FieldFrame(QPainter& p, const QRect& field, int cell) {
    const QRect outer = field.adjusted(-5, -5, 5, 5);
    p.fillRect(outer, QColor(96, 74, 40));
    Bevel(p, outer, QColor(246, 214, 130), QColor(60, 40, 20), 2);
    Bevel(p, field.adjusted(-3, -3, 3, 3), QColor(50, 34, 18), QColor(214, 176, 96), 2);
    p.fillRect(field.adjusted(-1, -1, 1, 1), QColor(20, 22, 28));
    for (int y = field.top(); y < field.bottom(); y += cell) {
        for (int x = field.left(); x < field.right(); x += cell) {
            BlockArt::PaintEmptyCell(p, QRect(x, y, cell, cell));
        }
    }
}

using geometry::WindowGeometry;

// The places of the Normal (0) or Big (1) window.
const WindowGeometry& Window(int sizeIndex) {
    return geometry::Of(static_cast<WindowSize>(sizeIndex));
}

void StatusBar(QPainter& p, const WindowGeometry& g) {
    const QRect band(0, g.statusCover.y - 3, g.client.width, g.client.height - g.statusCover.y + 3);
    QLinearGradient face(band.topLeft(), band.bottomLeft());
    face.setColorAt(0, Shade(theme::PanelFace(), 0.1));
    face.setColorAt(1, Shade(theme::PanelFace(), -0.3));
    p.fillRect(band, face);
    p.setPen(theme::PanelLight());
    p.drawLine(band.topLeft(), band.topRight());
    const QRect strip = ToQt(g.messageStrip);
    p.fillRect(strip.adjusted(-1, -1, 1, 1), theme::StatusFace());
    Bevel(p, strip.adjusted(-2, -2, 2, 2), QColor(8, 8, 16), theme::PanelLight(), 1);
    const QRect clock(g.clock.x - 4, g.clock.y - 3, 29 + 8, 9 + 6);
    p.fillRect(clock, theme::ClockFace());
    Bevel(p, clock, QColor(8, 8, 16), theme::PanelLight(), 1);
}

void CounterPanel(QPainter& p, const WindowGeometry& g) {
    const double cap = g.client.width > 500 ? 11 : 10;
    const QRect level = ToQt(g.level.rect);
    const QRect area(level.left() - 10, level.top() - 22,
                     ToQt(g.linesLeft.rect).right() - level.left() + 21,
                     ToQt(g.best.rect).bottom() - level.top() + 32);
    GlassPanel(p, area, 150);
    const struct {
        const geometry::Counter& counter;
        const char* caption;
    } boxes[] = {{g.level, "LEVEL"},    {g.linesLeft, "TO CLEAR"}, {g.score, "SCORE"},
                 {g.lines, "LINES"},    {g.timer, "TIMER"},        {g.rising, "RISE"},
                 {g.best, "BEST SCORE"}};
    for (const auto& box : boxes) {
        const QRect rect = ToQt(box.counter.rect);
        SunkenBox(p, rect, theme::DisplayFace());
        const QRectF label(rect.center().x() - 40, rect.top() - 16, 80, 14);
        Caption(p, label, box.caption, cap);
    }
}

void LeftPanel(QPainter& p, const WindowGeometry& g) {
    const QRect typeButton = ToQt(g.Button(ToolButton::GameType));
    const QRect modeButton = ToQt(g.Button(ToolButton::GameMode));
    const QRect bombsButton = ToQt(g.Button(ToolButton::Bombs));
    const QRect area(8, typeButton.top() - 20, 126, bombsButton.bottom() - typeButton.top() + 27);
    GlassPanel(p, area, 140);
    const double cap = 10;
    const struct {
        QRect button;
        const char* text;
    } rows[] = {{typeButton, "GAME TYPE"}, {modeButton, "GAME MODE"}, {bombsButton, "BOMBS"}};
    for (const auto& row : rows) {
        Caption(p, QRectF(row.button.left(), row.button.top() - 15, 110, 14), row.text, cap);
        p.fillRect(QRect(row.button.left() - 1, row.button.top() - 1, 112, 25), QColor(8, 8, 16));
    }
    // Captions beside the bar toggles.
    Caption(p, QRectF(g.toolBar.x, g.Button(ToolButton::ToolBarToggle).y - 2, 92, 14), "TOOL BAR",
            cap);
    Caption(p, QRectF(g.nextBar.x, g.Button(ToolButton::NextBarToggle).y - 2, 92, 14), "NEXT PIECE",
            cap);
}

} // namespace

QImage SceneArt::MainBackground(int sizeIndex) {
    const WindowGeometry& g = Window(sizeIndex);
    QImage image = NewImage(g.client.width, g.client.height, Qt::black);
    QPainter p(&image);
    Smooth(p);
    PaintSky(p, QRectF(image.rect()), 17u + static_cast<unsigned>(sizeIndex));
    const double width = g.client.width * 1.0;
    PaintCathedral(p, QRectF(0, 0, width, g.statusCover.y - 2));
    FieldFrame(p, ToQt(g.playingArea), g.cell.width);
    LeftPanel(p, g);
    CounterPanel(p, g);
    StatusBar(p, g);
    return image;
}

QImage SceneArt::Idle(int sizeIndex) {
    const WindowGeometry& g = Window(sizeIndex);
    const int w = g.playingArea.width;
    const int h = g.playingArea.height;
    const double k = w / 200.0;
    QImage image = NewImage(w, h, Qt::black);
    QPainter p(&image);
    Smooth(p);
    PaintSky(p, QRectF(0, 0, w, h), 99u + static_cast<unsigned>(sizeIndex));
    PaintCathedral(p, QRectF(-w * 0.05, 0, w * 1.1, h - 6 * k));
    // Title plate.
    const QStringList words = HelpText::IdleWords();
    const QRectF plate(10 * k, 22 * k, w - 20 * k, 96 * k);
    p.setPen(QPen(WithAlpha(theme::Accent(), 200), 1.5));
    p.setBrush(QColor(8, 10, 30, 190));
    p.drawRoundedRect(plate, 8 * k, 8 * k);
    Text(p, QRectF(plate.left(), plate.top() + 6 * k, plate.width(), 34 * k), words[0],
         Font(Face::SansBold, 34 * k), theme::Accent(), Qt::AlignCenter, QColor(90, 30, 0));
    Text(p, QRectF(plate.left(), plate.top() + 38 * k, plate.width(), 24 * k), words[1],
         Font(Face::SansBold, 22 * k), QColor(255, 255, 255), Qt::AlignCenter, QColor(0, 0, 0));
    Text(p, QRectF(plate.left(), plate.top() + 64 * k, plate.width(), 22 * k), words[2],
         Font(Face::CondensedBold, 13 * k), QColor(150, 210, 255), Qt::AlignCenter,
         QColor(0, 0, 0));
    // What there is to play, under the plate.
    const QRectF games(14 * k, 140 * k, w - 28 * k, 40 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 130));
    p.drawRoundedRect(games, 6 * k, 6 * k);
    Text(p, games.adjusted(0, 2 * k, 0, -16 * k), words[3], Font(Face::SansBold, 15 * k),
         QColor(255, 255, 255), Qt::AlignCenter, QColor(0, 0, 0));
    Text(p, games.adjusted(0, 22 * k, 0, -2 * k), words[4],
         Font(Face::Condensed, FitSize(words[4], Face::Condensed, 9 * k, games.width() - 8 * k)),
         QColor(210, 220, 240), Qt::AlignCenter, QColor(0, 0, 0));
    return image;
}

QImage SceneArt::ColorField(int sizeIndex) {
    const WindowGeometry& g = Window(sizeIndex);
    const int w = g.playingArea.width;
    const int h = g.playingArea.height;
    QImage image = NewImage(w, h, Qt::black);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient base(0, 0, w, h);
    base.setColorAt(0, QColor(60, 20, 90));
    base.setColorAt(0.35, QColor(20, 50, 110));
    base.setColorAt(0.7, QColor(10, 90, 100));
    base.setColorAt(1, QColor(30, 70, 50));
    p.fillRect(image.rect(), base);
    // Soft colour clouds.
    Rng rng(7u + static_cast<unsigned>(sizeIndex));
    const QColor tints[] = {QColor(200, 60, 140), QColor(60, 140, 230), QColor(240, 170, 60),
                            QColor(80, 220, 160)};
    for (int i = 0; i < 9; ++i) {
        const QPointF at(rng.Range(0, w), rng.Range(0, h));
        const double radius = rng.Range(0.25, 0.5) * w;
        QRadialGradient cloud(at, radius);
        cloud.setColorAt(0, WithAlpha(tints[i % 4], 70));
        cloud.setColorAt(1, WithAlpha(tints[i % 4], 0));
        p.setPen(Qt::NoPen);
        p.setBrush(cloud);
        p.drawEllipse(at, radius, radius);
    }
    p.setPen(QColor(255, 255, 255, 14));
    for (int x = 0; x < w; x += g.cell.width) {
        p.drawLine(x, 0, x, h);
    }
    for (int y = 0; y < h; y += g.cell.height) {
        p.drawLine(0, y, w, y);
    }
    return image;
}

QImage SceneArt::DepthField(int sizeIndex) {
    const WindowGeometry& g = Window(sizeIndex);
    const int w = g.playingArea.width;
    const int h = g.playingArea.height;
    QImage image = NewImage(w, h, Qt::black);
    QPainter p(&image);
    Smooth(p);
    // A well seen from above: four walls falling towards a lit floor.
    const QRectF floor(w * 0.3, h * 0.32, w * 0.4, h * 0.36);
    const QPointF tl(0, 0), tr(w, 0), bl(0, h), br(w, h);
    auto wall = [&](QPolygonF poly, QColor a, QColor b, QPointF from, QPointF to) {
        QLinearGradient grad(from, to);
        grad.setColorAt(0, a);
        grad.setColorAt(1, b);
        p.setPen(Qt::NoPen);
        p.setBrush(grad);
        p.drawPolygon(poly);
    };
    QPolygonF top, left, right, bottom;
    top << tl << tr << floor.topRight() << floor.topLeft();
    left << tl << floor.topLeft() << floor.bottomLeft() << bl;
    right << tr << br << floor.bottomRight() << floor.topRight();
    bottom << bl << floor.bottomLeft() << floor.bottomRight() << br;
    wall(top, QColor(40, 46, 80), QColor(20, 24, 46), QPointF(0, 0), QPointF(0, floor.top()));
    wall(left, QColor(34, 40, 72), QColor(16, 20, 40), QPointF(0, 0), QPointF(floor.left(), 0));
    wall(right, QColor(22, 26, 50), QColor(12, 14, 30), QPointF(w, 0), QPointF(floor.right(), 0));
    wall(bottom, QColor(26, 30, 56), QColor(14, 16, 34), QPointF(0, h), QPointF(0, floor.bottom()));
    QRadialGradient glow(floor.center(), floor.width());
    glow.setColorAt(0, QColor(30, 60, 110));
    glow.setColorAt(1, QColor(12, 20, 44));
    p.fillRect(floor, glow);
    // Perspective grid lines.
    p.setPen(QPen(QColor(90, 140, 230, 70), 1));
    for (int i = 0; i <= 10; ++i) {
        const double t = i / 10.0;
        p.drawLine(QPointF(w * t, 0), QPointF(floor.left() + floor.width() * t, floor.top()));
        p.drawLine(QPointF(w * t, h), QPointF(floor.left() + floor.width() * t, floor.bottom()));
    }
    for (int i = 0; i <= 18; ++i) {
        const double t = i / 18.0;
        p.drawLine(QPointF(0, h * t), QPointF(floor.left(), floor.top() + floor.height() * t));
        p.drawLine(QPointF(w, h * t), QPointF(floor.right(), floor.top() + floor.height() * t));
    }
    for (int i = 1; i < 6; ++i) {
        const double t = i / 6.0;
        const QRectF ring(floor.left() * t, floor.top() * t, w - 2 * floor.left() * t,
                          h - 2 * floor.top() * t);
        p.setBrush(Qt::NoBrush);
        p.drawRect(ring);
    }
    return image;
}

QImage SceneArt::FantasyField(int sizeIndex) {
    const WindowGeometry& g = Window(sizeIndex);
    const int w = g.playingArea.width;
    const int h = g.playingArea.height;
    const double k = w / 200.0;
    QImage image = NewImage(w, h, Qt::black);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(8, 6, 30));
    sky.setColorAt(0.6, QColor(40, 16, 70));
    sky.setColorAt(1, QColor(70, 30, 80));
    p.fillRect(image.rect(), sky);
    Rng rng(303u + static_cast<unsigned>(sizeIndex));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 120 * k; ++i) {
        p.setBrush(QColor(255, 255, 255, static_cast<int>(rng.Range(50, 200))));
        p.drawEllipse(QPointF(rng.Range(0, w), rng.Range(0, h * 0.7)), 0.6 * k, 0.6 * k);
    }
    // Aurora ribbons.
    for (int band = 0; band < 3; ++band) {
        QPainterPath ribbon;
        const double y0 = h * (0.12 + band * 0.08);
        ribbon.moveTo(0, y0 + std::sin(band) * 18 * k);
        for (double x = 4; x <= w + 4; x += 4) {
            ribbon.lineTo(x, y0 + std::sin(x / w * kPi * 2 + band) * 18 * k);
        }
        QPen pen(QColor(band == 1 ? 120 : 60, 230, 170 - band * 30, 50), 16 * k);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(ribbon);
    }
    // Two moons.
    for (const auto& moon : {std::pair{QPointF(w * 0.75, h * 0.16), 16.0},
                             std::pair{QPointF(w * 0.28, h * 0.3), 7.0}}) {
        QRadialGradient body(moon.first - QPointF(3, 3) * k, moon.second * k);
        body.setColorAt(0, QColor(255, 244, 220));
        body.setColorAt(1, QColor(170, 150, 190));
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        p.drawEllipse(moon.first, moon.second * k, moon.second * k);
    }
    // Floating islands and far mountains.
    auto island = [&](double cx, double cy, double size) {
        // Jagged rock underside, lit from the moons above.
        QPainterPath rock;
        rock.moveTo(cx - size, cy);
        const int teeth = 7;
        for (int i = 1; i < teeth; ++i) {
            const double t = static_cast<double>(i) / teeth;
            const double depth = std::sin(t * kPi) * size * (i % 2 ? 0.95 : 0.6);
            rock.lineTo(cx - size + 2 * size * t, cy + depth);
        }
        rock.lineTo(cx + size, cy);
        rock.closeSubpath();
        QLinearGradient stone(cx, cy, cx, cy + size);
        stone.setColorAt(0, QColor(110, 80, 130));
        stone.setColorAt(1, QColor(40, 24, 60));
        p.setBrush(stone);
        p.drawPath(rock);
        // Grass cap with a lighter rim and a few trees.
        p.setBrush(QColor(46, 120, 96));
        p.drawEllipse(QPointF(cx, cy - size * 0.04), size, size * 0.14);
        p.setBrush(QColor(90, 180, 130, 150));
        p.drawEllipse(QPointF(cx - size * 0.1, cy - size * 0.08), size * 0.8, size * 0.07);
        p.setBrush(QColor(20, 60, 50));
        for (double t : {-0.55, -0.2, 0.35}) {
            QPolygonF tree;
            const double x = cx + t * size;
            tree << QPointF(x - size * 0.09, cy - size * 0.05) << QPointF(x, cy - size * 0.42)
                 << QPointF(x + size * 0.09, cy - size * 0.05);
            p.drawPolygon(tree);
        }
        // A thin waterfall into the void.
        QLinearGradient fall(cx, cy, cx, cy + size * 1.6);
        fall.setColorAt(0, QColor(140, 220, 255, 120));
        fall.setColorAt(1, QColor(140, 220, 255, 0));
        p.setBrush(fall);
        p.drawRect(QRectF(cx + size * 0.45, cy, size * 0.06, size * 1.6));
    };
    island(w * 0.3, h * 0.5, 34 * k);
    island(w * 0.78, h * 0.4, 22 * k);
    island(w * 0.62, h * 0.66, 16 * k);
    QPainterPath hills;
    hills.moveTo(0, h);
    for (double x = 0; x <= w; x += 5 * k) {
        hills.lineTo(x, h * 0.82 - std::abs(std::sin(x / w * 7.3)) * 40 * k - rng.Range(0, 4 * k));
    }
    hills.lineTo(w, h);
    hills.closeSubpath();
    p.setBrush(QColor(24, 10, 40));
    p.drawPath(hills);
    // Dim it all a little so blocks stay in front.
    p.fillRect(image.rect(), QColor(0, 0, 0, 60));
    return image;
}

} // namespace brinox::art
