// Builds small .bmp files in memory for the loader tests: 1, 4, 8, 24 or 32
// bits per pixel, rows given top first, with a 40-byte info header.
#pragma once

#include <cstdint>
#include <vector>

namespace brinox::test {

struct BmpSpec {
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bitCount = 24;
    std::uint32_t usedColors = 0;
    // Palette entries 0xRRGGBB (written for 8 bits or fewer, and when usedColors says so).
    std::vector<std::uint32_t> palette;
    // Pixels row by row from the top: 0xRRGGBB for 24/32 bits, else indices.
    std::vector<std::uint32_t> pixels;
};

std::vector<std::uint8_t> MakeBmp(const BmpSpec& spec);

} // namespace brinox::test
