#include "ContactSheet.h"

#include "ArtKit.h"

#include "engine/PieceShape.h"
#include "ui/QtGeometry.h"

#include <algorithm>

namespace brinox::art {

namespace {

constexpr int kSheetWidth = 1640;
constexpr int kGap = 12;
constexpr int kLabelHeight = 14;

// Copies image `index` of a strip (side by side, or stacked when vertical).
void Blit(QPainter& p, const QImage& strip, int index, QSize cell, QPoint at,
          bool vertical = false) {
    const QPoint from =
        vertical ? QPoint(0, index * cell.height()) : QPoint(index * cell.width(), 0);
    p.drawImage(at, strip, QRect(from, cell));
}

void Counter(QPainter& p, const QImage& digits, QPoint right, int cells, int value) {
    for (int k = 0; k < cells; ++k) {
        int digit = value % 10;
        if (k > 0 && value == 0) {
            digit = 10;
        }
        Blit(p, digits, digit, {16, 21}, right - QPoint(16 * k, 0));
        value /= 10;
    }
}

// Wraps a long strip into rows so that it fits the sheet.
QImage Wrapped(const Picture& pic, int maxWidth) {
    const int count = pic.image.width() / pic.cellWidth;
    if (pic.image.width() <= maxWidth || pic.cellHeight != pic.image.height()) {
        return pic.image;
    }
    const int perRow = std::max(1, maxWidth / pic.cellWidth);
    const int rows = (count + perRow - 1) / perRow;
    QImage out = NewImage(perRow * pic.cellWidth, rows * pic.cellHeight, QColor(30, 30, 30));
    QPainter p(&out);
    for (int i = 0; i < count; ++i) {
        Blit(p, pic.image, i, {pic.cellWidth, pic.cellHeight},
             {(i % perRow) * pic.cellWidth, (i / perRow) * pic.cellHeight});
    }
    return out;
}

} // namespace

QImage ContactSheet::WindowPreview(const std::map<std::string, QImage>& byName, int sizeIndex,
                                   bool playing) {
    const geometry::WindowGeometry& g = geometry::Of(static_cast<WindowSize>(sizeIndex));
    const bool big = sizeIndex == 1;
    const QRect field = ToQt(g.playingArea);
    const auto button = [&g](ToolButton b) { return ToQt(g.Button(b).TopLeft()); };
    const auto digit = [](const geometry::Counter& counter) { return ToQt(counter.rightDigit); };
    auto pic = [&](const char* normal, const char* large = nullptr) -> const QImage& {
        return byName.at(std::string("graph/") + (big && large ? large : normal));
    };
    QImage frame = NewImage(g.client.width, g.client.height, Qt::black);
    QPainter p(&frame);
    p.drawImage(0, 0, pic("back.bmp", "backb.bmp"));
    const QImage& blocks = pic("items0.bmp", "items0b.bmp");
    const QImage& digits = pic("digits.bmp");
    if (!playing) {
        p.drawImage(field.topLeft(), pic("back1.bmp", "back1b.bmp"));
    }
    p.drawImage(ToQt(g.nextBar.TopLeft()), pic("nextbar.bmp"));
    p.drawImage(ToQt(g.toolBar.TopLeft()), pic("toolbar.bmp"));
    Blit(p, pic("help.bmp"), playing ? 21 : 0, {414, 15}, ToQt(g.messageStrip.TopLeft()), true);
    if (playing) {
        const int next = 1;
        for (int i = 0; i < PieceShape::CellCount(next); ++i) {
            const CellOffset o = PieceShape::Offset(next, 0, i);
            Blit(p, pic("items0.bmp"), next, {20, 20},
                 ToQt(geometry::NextPieceOrigin(g, next)) + QPoint(o.dx * 20, o.dy * 20));
        }
        Counter(p, digits, digit(g.level), 3, 7);
        Counter(p, digits, digit(g.score), 7, 12345);
        Counter(p, digits, digit(g.best), 7, 45210);
        Counter(p, digits, digit(g.lines), 5, 37);
        Counter(p, digits, digit(g.linesLeft), 3, 13);
        Counter(p, digits, digit(g.rising), 2, 6);
        const QPoint t = digit(g.timer);
        Blit(p, digits, 5, {16, 21}, t);
        Blit(p, digits, 3, {16, 21}, t - QPoint(16, 0));
        p.drawImage(t - QPoint(23, 0), digits, QRect(176, 0, 7, 21));
        Blit(p, digits, 2, {16, 21}, t - QPoint(39, 0));
        Blit(p, digits, 0, {16, 21}, t - QPoint(55, 0));
    }
    Blit(p, pic("bbarmin.bmp"), 0, {11, 11}, button(ToolButton::NextBarToggle));
    Blit(p, pic("bbarmin.bmp"), 1, {11, 11}, button(ToolButton::ToolBarToggle));
    Blit(p, pic("bmin.bmp"), 0, {18, 17}, button(ToolButton::StatusBarToggle));
    const QPoint tb = ToQt(g.toolBar.TopLeft());
    Blit(p, pic(playing ? "bstop.bmp" : "bstart.bmp"), 1, {108, 19}, tb + QPoint(1, 1));
    Blit(p, pic(playing ? "bpauseof.bmp" : "bpausex.bmp"), 0, {108, 19}, tb + QPoint(1, 21));
    Blit(p, pic("boptions.bmp"), 2, {108, 19}, tb + QPoint(1, 41));
    Blit(p, pic(playing ? "bsave.bmp" : "bsavex.bmp"), 0, {54, 19}, tb + QPoint(1, 61));
    Blit(p, pic("bload.bmp"), 0, {54, 19}, tb + QPoint(55, 61));
    Blit(p, pic("btable.bmp"), 0, {54, 19}, tb + QPoint(1, 81));
    Blit(p, pic("bwwwtbl.bmp"), 0, {54, 19}, tb + QPoint(55, 81));
    Blit(p, pic("bhelp.bmp"), 0, {54, 19}, tb + QPoint(1, 101));
    Blit(p, pic("bexit.bmp"), 0, {54, 19}, tb + QPoint(55, 101));
    Blit(p, pic(playing ? "btypesx.bmp" : "btypes.bmp"), 0, {24, 23}, button(ToolButton::GameType));
    Blit(p, pic(playing ? "bmodesx.bmp" : "bmodes.bmp"), 0, {24, 23}, button(ToolButton::GameMode));
    Blit(p, pic(playing ? "bbombsx.bmp" : "bbombs.bmp"), playing ? 0 : 1, {24, 23},
         button(ToolButton::Bombs));
    Blit(p, pic("blogo.bmp"), 0, {75, 32}, button(ToolButton::Logo));
    // Clock 9:05.
    const QImage& clock = pic("tdigits.bmp");
    const QPoint c = ToQt(g.clock);
    Blit(p, clock, 11, {5, 9}, c);
    Blit(p, clock, 9, {5, 9}, c + QPoint(7, 0));
    Blit(p, clock, 10, {5, 9}, c + QPoint(12, 0));
    Blit(p, clock, 0, {5, 9}, c + QPoint(17, 0));
    Blit(p, clock, 5, {5, 9}, c + QPoint(24, 0));
    if (playing) {
        // A few locked rows and a falling piece.
        const int cell = g.cell.width;
        const int rows[4][10] = {{6, 6, 2, 100, 0, 0, 0, 4, 5, 5},
                                 {1, 1, 1, 1, 3, 3, 4, 4, 5, 100},
                                 {2, 2, 100, 6, 6, 3, 3, 100, 0, 1},
                                 {100, 5, 5, 100, 100, 2, 100, 100, 4, 100}};
        for (int r = 0; r < 4; ++r) {
            for (int col = 0; col < 10; ++col) {
                const int v = rows[3 - r][col];
                if (v != 100) {
                    Blit(p, blocks, v, {cell, cell},
                         {field.left() + col * cell, field.bottom() + 1 - (r + 1) * cell});
                }
            }
        }
        for (int i = 0; i < 4; ++i) {
            const CellOffset o = PieceShape::Offset(0, 1, i);
            Blit(p, blocks, 0, {cell, cell},
                 {field.left() + (4 + o.dx) * cell, field.top() + (6 + o.dy) * cell});
        }
        Blit(p, blocks, 17, {cell, cell}, {field.left() + 8 * cell, field.top() + 2 * cell});
    }
    Blit(p, pic("types.bmp"), 0, {86, 23}, button(ToolButton::GameType) + QPoint(24, 0));
    Blit(p, pic("modes.bmp"), playing ? 3 : 1, {86, 23},
         button(ToolButton::GameMode) + QPoint(24, 0));
    Blit(p, pic("bombs.bmp"), playing ? 1 : 0, {86, 23}, button(ToolButton::Bombs) + QPoint(24, 0));
    return frame;
}

QImage ContactSheet::Build(const std::vector<Picture>& pictures) {
    std::map<std::string, QImage> byName;
    for (const Picture& pic : pictures) {
        byName[pic.name] = pic.image;
    }
    // Lay out: previews first, then every picture in file order, flowing.
    struct Item {
        QString label;
        QImage image;
    };
    std::vector<Item> items;
    items.push_back({"Normal window, playing", WindowPreview(byName, 0, true)});
    items.push_back({"Normal window, idle", WindowPreview(byName, 0, false)});
    items.push_back({"Big window, playing", WindowPreview(byName, 1, true)});
    items.push_back({"Big window, idle", WindowPreview(byName, 1, false)});
    for (const Picture& pic : pictures) {
        const QString label = QString::fromStdString(pic.name).mid(6) +
                              QString(" %1x%2").arg(pic.image.width()).arg(pic.image.height());
        items.push_back({label, Wrapped(pic, kSheetWidth - 2 * kGap)});
    }
    std::vector<QPoint> places;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const Item& item : items) {
        const int w = std::max(item.image.width(), 120);
        if (x + w > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += w + kGap;
        rowHeight = std::max(rowHeight, item.image.height() + kLabelHeight);
    }
    QImage sheet = NewImage(kSheetWidth, y + rowHeight + kGap, QColor(70, 72, 78));
    QPainter p(&sheet);
    Smooth(p);
    const QFont font = Font(Face::Condensed, 11);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QPoint at = places[i];
        Text(p, QRectF(at.x(), at.y(), 400, kLabelHeight), items[i].label, font,
             QColor(240, 240, 240), Qt::AlignLeft | Qt::AlignVCenter);
        p.drawImage(at + QPoint(0, kLabelHeight), items[i].image);
    }
    return sheet;
}

} // namespace brinox::art
