#include "ArtKit.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>

#include <algorithm>

namespace brinox::art {

namespace {

const char* const kFontDir = "/usr/share/fonts/truetype/dejavu/";

struct FaceFile {
    Face face;
    const char* file;
};

constexpr FaceFile kFaceFiles[] = {
    {Face::Sans, "DejaVuSans.ttf"},
    {Face::SansBold, "DejaVuSans-Bold.ttf"},
    {Face::Condensed, "DejaVuSansCondensed.ttf"},
    {Face::CondensedBold, "DejaVuSansCondensed-Bold.ttf"},
    {Face::Serif, "DejaVuSerif.ttf"},
    {Face::SerifBold, "DejaVuSerif-Bold.ttf"},
    {Face::Mono, "DejaVuSansMono.ttf"},
    {Face::MonoBold, "DejaVuSansMono-Bold.ttf"},
};

// Family and style name Qt reported for each loaded file.
QHash<int, QPair<QString, QString>>& Registry() {
    static QHash<int, QPair<QString, QString>> registry;
    return registry;
}

} // namespace

bool LoadFonts() {
    for (const FaceFile& f : kFaceFiles) {
        const int id = QFontDatabase::addApplicationFont(QString(kFontDir) + f.file);
        if (id < 0) {
            return false;
        }
        const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
        Registry().insert(static_cast<int>(f.face), {family, QString()});
    }
    return true;
}

QFont Font(Face face, double pixelSize) {
    const auto entry = Registry().value(static_cast<int>(face));
    QFont font(entry.first);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
    const bool bold = face == Face::SansBold || face == Face::CondensedBold ||
                      face == Face::SerifBold || face == Face::MonoBold;
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    const double s = 1.0 - t;
    return QColor::fromRgbF(static_cast<float>(a.redF() * s + b.redF() * t),
                            static_cast<float>(a.greenF() * s + b.greenF() * t),
                            static_cast<float>(a.blueF() * s + b.blueF() * t),
                            static_cast<float>(a.alphaF() * s + b.alphaF() * t));
}

QColor Shade(const QColor& c, double amount) {
    if (amount >= 0) {
        return Mix(c, QColor(255, 255, 255, c.alpha()), std::min(amount, 1.0));
    }
    return Mix(c, QColor(0, 0, 0, c.alpha()), std::min(-amount, 1.0));
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QImage NewImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void Bevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark, int width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width; ++i) {
        const QRect e = r.adjusted(i, i, -i, -i);
        p.setPen(light);
        p.drawLine(e.topLeft(), e.topRight());
        p.drawLine(e.topLeft(), e.bottomLeft());
        p.setPen(dark);
        p.drawLine(e.bottomLeft(), e.bottomRight());
        p.drawLine(e.topRight(), e.bottomRight());
    }
    p.restore();
}

void Text(QPainter& p, const QRectF& r, const QString& text, const QFont& font, const QColor& color,
          int flags, const QColor& shadow) {
    p.save();
    p.setFont(font);
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(r.translated(1, 1), flags, text);
    }
    p.setPen(color);
    p.drawText(r, flags, text);
    p.restore();
}

double FitSize(const QString& text, Face face, double maxSize, double width) {
    double size = maxSize;
    while (size > 6 && QFontMetricsF(Font(face, size)).horizontalAdvance(text) > width) {
        size -= 0.5;
    }
    return size;
}

} // namespace brinox::art
