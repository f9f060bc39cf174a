#include "DigitArt.h"

#include "ArtKit.h"
#include "Theme.h"

#include <QPainter>
#include <QPolygonF>

#include <array>

namespace brinox::art {

namespace {

constexpr int kCellW = 16;
constexpr int kCellH = 21;
constexpr int kColonX = 176;
constexpr int kColonW = 7;

// Segments a..g lit for each digit (bit 0 = a, top, clockwise, g middle).
constexpr std::array<int, 10> kSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                           0x6D, 0x7D, 0x07, 0x7F, 0x6F};

struct DisplayLook {
    QColor face;
    QColor off;
    QColor on;
    QColor glow;
};

DisplayLook Look(int set) {
    if (set == 0) {
        return {QColor(18, 5, 6), QColor(52, 16, 16), QColor(255, 56, 40), QColor(255, 40, 20, 70)};
    }
    return {QColor(156, 178, 112), QColor(140, 161, 100), QColor(24, 36, 22), QColor()};
}

// A slanted seven-segment digit inside a 16 x 21 cell.
QPolygonF Segment(int index, const QRectF& c) {
    const double t = 2.4;            // thickness
    const double l = c.left() + 3.0; // digit box
    const double r = c.right() - 2.5;
    const double top = c.top() + 2.5;
    const double bot = c.bottom() - 2.5;
    const double mid = (top + bot) / 2;
    const double slant = 0.12;
    auto at = [&](double x, double y) { return QPointF(x + (mid - y) * slant, y); };
    auto horizontal = [&](double y) {
        QPolygonF p;
        p << at(l + 1, y) << at(l + 1 + t / 2, y - t / 2) << at(r - 1 - t / 2, y - t / 2)
          << at(r - 1, y) << at(r - 1 - t / 2, y + t / 2) << at(l + 1 + t / 2, y + t / 2);
        return p;
    };
    auto vertical = [&](double x, double y0, double y1) {
        QPolygonF p;
        p << at(x, y0 + 1) << at(x + t / 2, y0 + 1 + t / 2) << at(x + t / 2, y1 - 1 - t / 2)
          << at(x, y1 - 1) << at(x - t / 2, y1 - 1 - t / 2) << at(x - t / 2, y0 + 1 + t / 2);
        return p;
    };
    switch (index) {
    case 0:
        return horizontal(top + t / 2);
    case 1:
        return vertical(r - t / 2, top + t / 2, mid);
    case 2:
        return vertical(r - t / 2, mid, bot - t / 2);
    case 3:
        return horizontal(bot - t / 2);
    case 4:
        return vertical(l + t / 2, mid, bot - t / 2);
    case 5:
        return vertical(l + t / 2, top + t / 2, mid);
    default:
        return horizontal(mid);
    }
}

void SegmentDigit(QPainter& p, const QRectF& cell, int digit, const DisplayLook& look) {
    const int lit = digit < 0 ? 0 : kSegments[static_cast<std::size_t>(digit)];
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        const bool on = (lit >> s) & 1;
        if (on && look.glow.isValid()) {
            p.setPen(QPen(look.glow, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(look.glow);
            p.drawPolygon(Segment(s, cell));
            p.setPen(Qt::NoPen);
        }
        p.setBrush(on ? look.on : look.off);
        p.drawPolygon(Segment(s, cell));
    }
}

QImage SegmentStrip(int set) {
    const DisplayLook look = Look(set);
    QImage strip = NewImage(kColonX + kColonW, kCellH, look.face);
    QPainter p(&strip);
    Smooth(p);
    for (int cell = 0; cell <= 10; ++cell) {
        SegmentDigit(p, QRectF(cell * kCellW, 0, kCellW, kCellH), cell < 10 ? cell : -1, look);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(look.on);
    for (double y : {7.0, 14.0}) {
        p.drawEllipse(QPointF(kColonX + 3.5, y), 1.6, 1.6);
    }
    if (set == 1) {
        // A faint LCD frame line keeps cells from looking like loose paper.
        p.setPen(QColor(128, 148, 92));
        p.drawLine(0, 0, strip.width(), 0);
        p.drawLine(0, kCellH - 1, strip.width(), kCellH - 1);
    }
    return strip;
}

QImage BlueStrip() {
    const QColor face(18, 48, 128);
    QImage strip = NewImage(kColonX + kColonW, kCellH, face);
    QPainter p(&strip);
    Smooth(p);
    QLinearGradient sheen(0, 0, 0, kCellH);
    sheen.setColorAt(0, QColor(38, 78, 170));
    sheen.setColorAt(0.5, face);
    sheen.setColorAt(1, QColor(12, 32, 92));
    p.fillRect(strip.rect(), sheen);
    const QFont font = Font(Face::MonoBold, 18);
    for (int d = 0; d < 10; ++d) {
        Text(p, QRectF(d * kCellW, 0, kCellW, kCellH), QString::number(d), font,
             QColor(255, 255, 255), Qt::AlignCenter, QColor(0, 0, 40, 160));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    for (double y : {7.0, 14.5}) {
        p.drawEllipse(QPointF(kColonX + 3.5, y), 1.7, 1.7);
    }
    return strip;
}

// 5 x 9 clock glyphs, one string per row, '#' lit.
constexpr const char* kClockGlyphs[11][9] = {
    {".###.", "#...#", "#..##", "#.#.#", "#.#.#", "##..#", "#...#", ".###.", "....."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###.", "....."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#....", "#####", "....."},
    {".###.", "#...#", "....#", "..##.", "....#", "....#", "#...#", ".###.", "....."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#.", "...#.", "....."},
    {"#####", "#....", "####.", "....#", "....#", "....#", "#...#", ".###.", "....."},
    {".###.", "#....", "#....", "####.", "#...#", "#...#", "#...#", ".###.", "....."},
    {"#####", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#...", "....."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###.", "....."},
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", ".###.", "....."},
    {".....", ".....", "..#..", ".....", ".....", "..#..", ".....", ".....", "....."},
};

} // namespace

const char* DigitArt::SetName(int set) {
    static const char* const kNames[kSetCount] = {"Red LED", "Green LCD", "White on blue"};
    return kNames[set];
}

QImage DigitArt::Counter(int set) {
    return set == 2 ? BlueStrip() : SegmentStrip(set);
}

QImage DigitArt::Clock() {
    QImage strip = NewImage(12 * 5, 9, theme::ClockFace());
    for (int cell = 0; cell < 11; ++cell) {
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 5; ++x) {
                if (kClockGlyphs[cell][y][x] == '#') {
                    strip.setPixelColor(cell * 5 + x, y, theme::ClockText());
                }
            }
        }
    }
    return strip;
}

} // namespace brinox::art
