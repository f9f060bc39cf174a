#include "PanelArt.h"

#include "ArtKit.h"
#include "BlockArt.h"
#include "Theme.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace brinox::art {

namespace {

constexpr int kButtonHeight = 19;
constexpr double kPi = 3.14159265358979;

enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

QColor FaceOf(State state) {
    switch (state) {
    case Hover:
        return Shade(theme::ButtonFace(), 0.18);
    case Pressed:
        return Shade(theme::ButtonFace(), -0.3);
    case Disabled:
        return QColor(58, 60, 72);
    default:
        return theme::ButtonFace();
    }
}

QColor InkOf(State state) {
    switch (state) {
    case Hover:
        return theme::Accent();
    case Disabled:
        return QColor(128, 130, 144);
    default:
        return theme::ButtonText();
    }
}

// Face, frame and bevel of one button cell; returns the content rect.
QRectF ButtonFrame(QPainter& p, const QRect& r, State state) {
    const QColor face = FaceOf(state);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (state == Pressed) {
        g.setColorAt(0, Shade(face, -0.25));
        g.setColorAt(1, Shade(face, 0.1));
    } else {
        g.setColorAt(0, Shade(face, 0.28));
        g.setColorAt(0.5, face);
        g.setColorAt(1, Shade(face, -0.25));
    }
    p.fillRect(r, g);
    if (state == Pressed) {
        Bevel(p, r, Shade(face, -0.6), Shade(face, 0.4), 1);
    } else {
        Bevel(p, r, Shade(face, 0.55), Shade(face, -0.6), 1);
    }
    if (state == Hover) {
        p.save();
        p.setPen(WithAlpha(theme::Accent(), 170));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -2, -2));
        p.restore();
    }
    const QRectF content(r.adjusted(2, 1, -2, -1));
    return state == Pressed ? content.translated(1, 1) : content;
}

void DrawIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& ink) {
    p.save();
    Smooth(p);
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height()) / 2 - 0.5;
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (icon) {
    case Icon::Play: {
        QPolygonF tri;
        tri << c + QPointF(-s * 0.6, -s) << c + QPointF(s, 0) << c + QPointF(-s * 0.6, s);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(tri);
        break;
    }
    case Icon::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(c.x() - s * 0.8, c.y() - s * 0.8, s * 1.6, s * 1.6));
        break;
    case Icon::Pause:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(c.x() - s * 0.8, c.y() - s * 0.85, s * 0.55, s * 1.7));
        p.drawRect(QRectF(c.x() + s * 0.25, c.y() - s * 0.85, s * 0.55, s * 1.7));
        break;
    case Icon::Gear: {
        p.setPen(QPen(ink, 1.6));
        for (int i = 0; i < 8; ++i) {
            const double a = i * kPi / 4;
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * s * 0.5,
                       c + QPointF(std::cos(a), std::sin(a)) * s);
        }
        p.setPen(QPen(ink, 1.4));
        p.drawEllipse(c, s * 0.55, s * 0.55);
        break;
    }
    case Icon::Disk:
        p.drawRect(QRectF(c.x() - s, c.y() - s, s * 2, s * 2));
        p.fillRect(QRectF(c.x() - s * 0.5, c.y() - s, s, s * 0.7), ink);
        break;
    case Icon::Folder: {
        QPolygonF f;
        f << c + QPointF(-s, -s * 0.7) << c + QPointF(-s * 0.2, -s * 0.7)
          << c + QPointF(0, -s * 0.4) << c + QPointF(s, -s * 0.4) << c + QPointF(s, s * 0.8)
          << c + QPointF(-s, s * 0.8);
        p.drawPolygon(f);
        break;
    }
    case Icon::List:
        for (int i = -1; i <= 1; ++i) {
            p.drawLine(c + QPointF(-s * 0.4, i * s * 0.6), c + QPointF(s, i * s * 0.6));
            p.drawPoint(c + QPointF(-s, i * s * 0.6));
        }
        break;
    case Icon::Globe:
        p.drawEllipse(c, s, s);
        p.drawEllipse(c, s * 0.4, s);
        p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        break;
    case Icon::Question:
        p.drawEllipse(c, s, s);
        Text(p, QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s + 1), "?", Font(Face::SansBold, s * 1.6),
             ink);
        break;
    case Icon::Cross:
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-s * 0.75, -s * 0.75), c + QPointF(s * 0.75, s * 0.75));
        p.drawLine(c + QPointF(-s * 0.75, s * 0.75), c + QPointF(s * 0.75, -s * 0.75));
        break;
    case Icon::None:
        break;
    }
    p.restore();
}

void TypeIcon(QPainter& p, const QRectF& box, State state) {
    const int cell = 5;
    const QPoint origin(static_cast<int>(box.center().x()) - 7,
                        static_cast<int>(box.center().y()) - 5);
    const QPoint cells[] = {{0, 1}, {1, 1}, {2, 1}, {1, 0}};
    for (QPoint c : cells) {
        const QRect r(origin.x() + c.x() * cell, origin.y() + c.y() * cell, cell, cell);
        const QColor tone = state == Disabled ? QColor(110, 112, 124) : QColor(80, 200, 240);
        p.fillRect(r, tone);
        Bevel(p, r, Shade(tone, 0.5), Shade(tone, -0.5), 1);
    }
}

void ModeIcon(QPainter& p, const QRectF& box, State state) {
    p.save();
    Smooth(p);
    const QColor ink = state == Disabled ? QColor(120, 122, 134) : QColor(255, 214, 120);
    const QPointF c = box.center() + QPointF(0, 1);
    const double r = 6.5;
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(c, r, r);
    p.drawLine(c + QPointF(0, -r), c + QPointF(0, -r - 2));
    p.drawLine(c, c + QPointF(0, -r * 0.7));
    p.drawLine(c, c + QPointF(r * 0.55, r * 0.2));
    p.restore();
}

void BombIcon(QPainter& p, const QRectF& box, State state) {
    p.save();
    Smooth(p);
    const QPointF c = box.center() + QPointF(-1, 2);
    QRadialGradient body(c - QPointF(2, 2), 8);
    body.setColorAt(0, state == Disabled ? QColor(150, 150, 160) : QColor(170, 170, 190));
    body.setColorAt(1, QColor(10, 10, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, 6, 6);
    p.setPen(QPen(QColor(230, 210, 170), 1.2));
    p.drawLine(c + QPointF(3.5, -4.5), c + QPointF(6, -8));
    if (state != Disabled) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 200, 60));
        p.drawEllipse(c + QPointF(6.5, -8.5), 1.8, 1.8);
    }
    p.restore();
}

} // namespace

QImage PanelArt::ToolBar() {
    QImage image = NewImage(110, 123, theme::PanelDark());
    QPainter p(&image);
    Bevel(p, image.rect(), theme::PanelLight(), QColor(4, 4, 10), 1);
    // Grooves between the button rows show between the pictures.
    for (int y = 20; y < 123; y += 20) {
        p.fillRect(QRect(1, y, 108, 1), QColor(6, 7, 14));
    }
    p.fillRect(QRect(55, 61, 1, 60), QColor(6, 7, 14));
    return image;
}

QImage PanelArt::NextBar() {
    QImage image = NewImage(110, 73, theme::PanelFace());
    QPainter p(&image);
    Smooth(p);
    QLinearGradient g(0, 0, 0, 73);
    g.setColorAt(0, Shade(theme::PanelFace(), 0.15));
    g.setColorAt(1, Shade(theme::PanelFace(), -0.25));
    p.fillRect(image.rect(), g);
    Bevel(p, image.rect(), theme::PanelLight(), QColor(4, 4, 10), 1);
    // Every next piece lies within x 15 to 95, y 6 to 66 of this picture.
    const QRect box(11, 4, 88, 65);
    p.fillRect(box, BlockArt::FieldColor());
    Bevel(p, box.adjusted(-1, -1, 1, 1), QColor(6, 6, 12), theme::PanelLight(), 1);
    p.setPen(QColor(255, 255, 255, 10));
    for (int x = box.left() + 4; x < box.right(); x += 20) {
        p.drawLine(x, box.top(), x, box.bottom());
    }
    for (int y = box.top() + 2; y < box.bottom(); y += 20) {
        p.drawLine(box.left(), y, box.right(), y);
    }
    return image;
}

QImage PanelArt::Button(const QString& label, Icon icon, int width, bool disabled, int images) {
    QImage strip = NewImage(width * images, kButtonHeight, Qt::black);
    QPainter p(&strip);
    for (int i = 0; i < images; ++i) {
        const State state = disabled ? Disabled : static_cast<State>(i);
        QRectF content = ButtonFrame(p, QRect(i * width, 0, width, kButtonHeight), state);
        const QColor ink = InkOf(state);
        const QFont font = Font(Face::SansBold, width > 60 ? 11 : 10);
        if (icon != Icon::None) {
            const double iconX = width > 60 ? content.left() + 10 : content.left() + 2;
            DrawIcon(p, icon, QRectF(iconX, content.top() + 4, 9, 9), ink);
            if (width > 60) {
                content.setLeft(content.left() + 16);
            } else {
                content.setLeft(content.left() + 12);
            }
        }
        Text(p, content, label, font, ink, Qt::AlignCenter,
             state == Disabled ? QColor() : QColor(0, 0, 0, 170));
    }
    return strip;
}

QImage PanelArt::SelectorButton(Selector kind, bool disabled, int images) {
    QImage strip = NewImage(24 * images, 23, Qt::black);
    QPainter p(&strip);
    for (int i = 0; i < images; ++i) {
        const State state = disabled ? Disabled : static_cast<State>(i);
        const QRectF content = ButtonFrame(p, QRect(i * 24, 0, 24, 23), state);
        switch (kind) {
        case Selector::Type:
            TypeIcon(p, content, state);
            break;
        case Selector::Mode:
            ModeIcon(p, content, state);
            break;
        case Selector::Bombs:
            BombIcon(p, content, state);
            break;
        }
    }
    return strip;
}

QImage PanelArt::Labels(const QStringList& labels, Selector kind) {
    QImage strip = NewImage(86 * static_cast<int>(labels.size()), 23, theme::DisplayFace());
    QPainter p(&strip);
    Smooth(p);
    for (int i = 0; i < labels.size(); ++i) {
        const QRect r(i * 86, 0, 86, 23);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(14, 18, 34));
        g.setColorAt(1, QColor(4, 5, 12));
        p.fillRect(r, g);
        Bevel(p, r, QColor(4, 4, 8), Shade(theme::PanelLight(), -0.2), 1);
        QColor ink = kind == Selector::Type   ? QColor(110, 220, 255)
                     : kind == Selector::Mode ? theme::Accent()
                                              : QColor(255, 130, 80);
        if (kind == Selector::Bombs && i == 1) {
            ink = QColor(150, 154, 170);
        }
        const QString text = labels[i];
        const QRectF area = QRectF(r).adjusted(3, 1, -3, -1);
        if (text.contains('\n')) {
            Text(p, area, text, Font(Face::CondensedBold, 9.5), ink, Qt::AlignCenter,
                 QColor(0, 0, 0));
        } else {
            const double size = FitSize(text, Face::CondensedBold, 13, area.width());
            Text(p, area, text, Font(Face::CondensedBold, size), ink, Qt::AlignCenter,
                 QColor(0, 0, 0));
        }
    }
    return strip;
}

QImage PanelArt::Logo() {
    QImage strip = NewImage(75 * 3, 32, Qt::black);
    QPainter p(&strip);
    Smooth(p);
    for (int i = 0; i < 3; ++i) {
        const QRect r(i * 75, 0, 75, 32);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, i == 1 ? QColor(70, 40, 16) : QColor(44, 26, 12));
        g.setColorAt(1, QColor(14, 8, 4));
        p.fillRect(r, g);
        Bevel(p, r, i == 2 ? QColor(8, 4, 0) : QColor(250, 210, 120),
              i == 2 ? QColor(250, 210, 120) : QColor(30, 16, 4), 1);
        const int shift = i == 2 ? 1 : 0;
        // Four little blocks as a T piece beside the name.
        const QRgb tones[] = {0xE53935, 0xFDD835, 0x43A047, 0x3F5FE0};
        const QPoint cells[] = {{0, 0}, {1, 0}, {2, 0}, {1, 1}};
        for (int k = 0; k < 4; ++k) {
            const QRect b(r.left() + 4 + cells[k].x() * 5 + shift, 10 + cells[k].y() * 5 + shift, 5,
                          5);
            const QColor tone = QColor::fromRgb(tones[k]);
            p.fillRect(b, tone);
            Bevel(p, b, Shade(tone, 0.5), Shade(tone, -0.5), 1);
        }
        const QColor ink = i == 1 ? QColor(255, 236, 160) : QColor(255, 200, 80);
        Text(p, QRectF(r.left() + 20 + shift, 2 + shift, 54, 17), "BRINOX",
             Font(Face::SansBold, FitSize("BRINOX", Face::SansBold, 12.5, 52)), ink,
             Qt::AlignCenter, QColor(0, 0, 0));
        Text(p, QRectF(r.left() + 20 + shift, 17 + shift, 54, 12), "2000",
             Font(Face::CondensedBold, 10), QColor(230, 236, 255), Qt::AlignCenter,
             QColor(0, 0, 0));
    }
    return strip;
}

QImage PanelArt::Toggle(bool plus, int width, int height) {
    QImage strip = NewImage(width * 3, height, Qt::black);
    QPainter p(&strip);
    for (int i = 0; i < 3; ++i) {
        const State state = static_cast<State>(i);
        const QRect r(i * width, 0, width, height);
        const QRectF content = ButtonFrame(p, r, state);
        const QPointF c = content.center();
        const double arm = std::floor(std::min(width, height) * 0.28);
        p.setPen(QPen(InkOf(state), height > 12 ? 2 : 1));
        const double cx = std::floor(c.x()) + 0.5;
        const double cy = std::floor(c.y()) + 0.5;
        p.drawLine(QPointF(cx - arm, cy), QPointF(cx + arm, cy));
        if (plus) {
            p.drawLine(QPointF(cx, cy - arm), QPointF(cx, cy + arm));
        }
    }
    return strip;
}

QImage PanelArt::StatusLines(const QStringList& lines) {
    QImage image = NewImage(414, 15 * static_cast<int>(lines.size()), theme::StatusFace());
    QPainter p(&image);
    Smooth(p);
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF r(5, i * 15, 406, 15);
        const double size = FitSize(lines[i], Face::Sans, 11, r.width());
        if (size < 11) {
            qWarning("status line %d is too long for the status bar", static_cast<int>(i));
        }
        Text(p, r, lines[i], Font(Face::Sans, size), theme::StatusText(),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    return image;
}

QImage PanelArt::StatusCover() {
    QImage image = NewImage(460, 17, theme::PanelFace());
    QPainter p(&image);
    Smooth(p);
    QLinearGradient g(0, 0, 0, 17);
    g.setColorAt(0, Shade(theme::PanelFace(), 0.05));
    g.setColorAt(1, Shade(theme::PanelFace(), -0.25));
    p.fillRect(image.rect(), g);
    p.setPen(WithAlpha(theme::PanelLight(), 90));
    p.drawLine(0, 8, 150, 8);
    p.drawLine(310, 8, 460, 8);
    Text(p, QRectF(150, 0, 160, 17), "BRINOX 2000", Font(Face::CondensedBold, 10),
         WithAlpha(theme::Caption(), 150), Qt::AlignCenter);
    return image;
}

} // namespace brinox::art
