#include "BmpWriter.h"

#include <fstream>

namespace brinox::art {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeBmp(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto w = static_cast<std::uint32_t>(rgb.width());
    const auto h = static_cast<std::uint32_t>(rgb.height());
    const std::uint32_t stride = (w * 3 + 3) / 4 * 4;
    const std::uint32_t bitsSize = stride * h;
    const std::uint32_t offset = 14 + 40;

    std::vector<std::uint8_t> out;
    out.reserve(offset + bitsSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + bitsSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);        // no compression
    Put32(out, bitsSize); // image size
    Put32(out, 2835);     // 72 dpi
    Put32(out, 2835);
    Put32(out, 0); // colours used
    Put32(out, 0); // important colours
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (std::uint32_t x = 0; x < w; ++x) {
            out.push_back(static_cast<std::uint8_t>(qBlue(row[x])));
            out.push_back(static_cast<std::uint8_t>(qGreen(row[x])));
            out.push_back(static_cast<std::uint8_t>(qRed(row[x])));
        }
        for (std::uint32_t pad = w * 3; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

bool WriteBmp(const QImage& image, const std::string& path) {
    const auto bytes = EncodeBmp(image);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace brinox::art
