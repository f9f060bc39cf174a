// A device-independent bitmap read whole from a .bmp file: one buffer holding
// the file (a 14-byte file header, information header, colour table, pixel
// bits) and two views into it. Rows stay bottom-up as stored. Copies of a
// picture share the buffer, which is safe because nothing changes it after
// parsing.
// Invariant: a picture is either empty (no buffer, every view empty) or fully
// validated - the header is a supported kind and the colour table and every
// row of bits lie inside the buffer - so readers never over-run it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brinox {

class DibImage {
public:
    DibImage() = default;

    // Parses a whole .bmp file held in memory. Anything that is not a picture
    // we can draw safely gives an empty picture.
    static DibImage FromFileBytes(std::span<const std::uint8_t> file);
    // The same for a file read into a buffer, which the picture keeps (no copy).
    static DibImage FromFile(std::vector<std::uint8_t> file);

    bool Empty() const { return file == nullptr; }
    std::int32_t Width() const { return width; }
    std::int32_t Height() const { return height; }
    std::int32_t BitCount() const { return bitCount; }
    // Number of 4-byte entries in the colour table.
    std::int32_t ColorCount() const { return colorCount; }
    // Bytes per stored row (padded to a multiple of four).
    std::size_t Stride() const { return stride; }

    std::span<const std::uint8_t> ColorTable() const;
    std::span<const std::uint8_t> Bits() const;

private:
    // Bytes of the file from `at`; empty for an empty picture.
    std::span<const std::uint8_t> View(std::size_t at, std::size_t size) const;

    std::shared_ptr<const std::vector<std::uint8_t>> file;
    std::size_t headerSize = 0;
    std::size_t bitsOffset = 0;
    std::size_t stride = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitCount = 0;
    std::int32_t colorCount = 0;
};

// Reads appDirectory + name ("graph/back.bmp"). A missing, unreadable or
// damaged file, or anything but a regular file, gives an empty picture.
DibImage LoadPicture(const std::string& appDirectory, std::string_view name);

} // namespace brinox
