#include "PictureConversion.h"

#include <array>

namespace brinox {

namespace {

// Colour table as QRgb, padded to 256 entries so that any stored index is
// safe; unused entries are black.
std::array<QRgb, 256> Palette(const DibImage& picture) {
    std::array<QRgb, 256> palette{};
    palette.fill(qRgb(0, 0, 0));
    const auto table = picture.ColorTable();
    for (std::size_t i = 0; i < table.size() / 4 && i < palette.size(); ++i) {
        palette[i] = qRgb(table[i * 4 + 2], table[i * 4 + 1], table[i * 4]);
    }
    return palette;
}

} // namespace

QImage ToQImage(const DibImage& picture) {
    if (picture.Empty()) {
        return {};
    }
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    const auto bits = picture.Bits();
    const std::size_t stride = picture.Stride();
    const int depth = picture.BitCount();
    const auto palette = Palette(picture);
    for (int y = 0; y < picture.Height(); ++y) {
        const auto row =
            bits.subspan(stride * static_cast<std::size_t>(picture.Height() - 1 - y), stride);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width(); ++x) {
            const auto ux = static_cast<std::size_t>(x);
            if (depth >= 24) {
                const std::size_t at = ux * static_cast<std::size_t>(depth / 8);
                out[x] = qRgb(row[at + 2], row[at + 1], row[at]);
            } else {
                const std::size_t bitPos = ux * static_cast<std::size_t>(depth);
                const std::size_t shift = 8 - static_cast<std::size_t>(depth) - bitPos % 8;
                out[x] = palette[(row[bitPos / 8] >> shift) & ((1u << depth) - 1)];
            }
        }
    }
    return image;
}

} // namespace brinox
