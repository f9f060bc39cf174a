// Writes a picture as an uncompressed 24-bit .bmp file (BITMAPINFOHEADER,
// rows bottom-up, each padded to four bytes) - the format the game loads.
#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace brinox::art {

std::vector<std::uint8_t> EncodeBmp(const QImage& image);
bool WriteBmp(const QImage& image, const std::string& path);

} // namespace brinox::art
