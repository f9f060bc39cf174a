#include "ColourVision.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brinox::art {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado et al. 2009, severity 1.0, for linear RGB.
constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                 {0.114503, 0.786281, 0.099216},
                                 {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}}};

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int Encoded(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    const double e = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(e * 255));
}

} // namespace

QImage ColourVision::Simulate(const QImage& picture, Deficiency deficiency) {
    const Matrix& m = deficiency == Deficiency::Protanopia ? kProtanopia : kDeuteranopia;
    // Each of the 256 levels of a channel, linearised once.
    std::array<double, 256> linear{};
    for (int level = 0; level < 256; ++level) {
        linear[static_cast<std::size_t>(level)] = Linear(level);
    }
    QImage seen = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < seen.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(seen.scanLine(y));
        for (int x = 0; x < seen.width(); ++x) {
            const std::array<double, 3> rgb = {linear[static_cast<std::size_t>(qRed(row[x]))],
                                               linear[static_cast<std::size_t>(qGreen(row[x]))],
                                               linear[static_cast<std::size_t>(qBlue(row[x]))]};
            std::array<int, 3> out{};
            for (std::size_t i = 0; i < 3; ++i) {
                out[i] = Encoded(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2]);
            }
            row[x] = qRgb(out[0], out[1], out[2]);
        }
    }
    return seen;
}

bool ColourVision::SaveBoth(const QImage& picture, const QString& stem) {
    return Simulate(picture, Deficiency::Protanopia)
               .save(stem + QStringLiteral("-protanopia.png")) &&
           Simulate(picture, Deficiency::Deuteranopia)
               .save(stem + QStringLiteral("-deuteranopia.png"));
}

} // namespace brinox::art
