// Small drawing helpers shared by every painter of the asset generator: a
// seeded random generator (the same pictures on every run), the DejaVu fonts
// loaded from their files, colour arithmetic, bevels and shadowed text.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdint>

namespace brinox::art {

// A tiny deterministic generator; each picture seeds its own.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    std::uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() >> 8) / 16777216.0; }
    double Range(double low, double high) { return low + (high - low) * Unit(); }

private:
    std::uint32_t state;
};

enum class Face { Sans, SansBold, Condensed, CondensedBold, Serif, SerifBold, Mono, MonoBold };

// Registers the DejaVu TrueType files with Qt; false when one is missing.
bool LoadFonts();
QFont Font(Face face, double pixelSize);

QColor Mix(const QColor& a, const QColor& b, double t);
// amount > 0 moves towards white, < 0 towards black.
QColor Shade(const QColor& c, double amount);
QColor WithAlpha(QColor c, int alpha);

QImage NewImage(int width, int height, const QColor& fill);
// A painter with antialiasing for shapes and text.
void Smooth(QPainter& p);

// Raised (light top-left) or sunken frame of the given width inside r.
void Bevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark, int width);

// Text centred (or per flags) in r, with an optional 1-pixel drop shadow.
void Text(QPainter& p, const QRectF& r, const QString& text, const QFont& font, const QColor& color,
          int flags = Qt::AlignCenter, const QColor& shadow = QColor());

// Largest pixel size up to maxSize at which text fits into width.
double FitSize(const QString& text, Face face, double maxSize, double width);

} // namespace brinox::art
