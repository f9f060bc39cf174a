#include "PictureConversion.h"

#include <array>
#include <cstdint>

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

// One stored row into RGB32. Rows of 24 and 32 bits are copied in a tight
// loop of their own: the pictures of a start-up are several megapixels and
// the first frame waits for them.
void ConvertRow(const std::uint8_t* row, int width, int depth, const std::array<QRgb, 256>& palette,
                QRgb* out) {
    if (depth >= 24) {
        const int step = depth / 8;
        for (int x = 0; x < width; ++x, row += step) {
            out[x] = qRgb(row[2], row[1], row[0]);
        }
        return;
    }
    const unsigned mask = (1u << depth) - 1;
    for (int x = 0; x < width; ++x) {
        const auto bitPos = static_cast<unsigned>(x * depth);
        const unsigned shift = 8 - static_cast<unsigned>(depth) - bitPos % 8;
        out[x] = palette[(row[bitPos / 8] >> shift) & mask];
    }
}

} // namespace

QImage ToQImage(const DibImage& picture) {
    if (picture.Empty()) {
        return {};
    }
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
    if (image.isNull()) {
        return {}; // no memory for it
    }
    image.setDevicePixelRatio(1.0);
    // Every row lies inside the picture's block (DibImage validated it).
    const std::uint8_t* bits = picture.Bits().data();
    const std::size_t stride = picture.Stride();
    const auto palette = Palette(picture);
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* row =
            bits + stride * static_cast<std::size_t>(picture.Height() - 1 - y);
        ConvertRow(row, picture.Width(), picture.BitCount(), palette,
                   reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

QImage NewBlackImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace brinox
