#include "DibImage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brinox {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreInfoSize = 40;
// Far beyond any picture of the game; keeps hostile headers from asking for
// gigabytes or overflowing the size arithmetic below.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{64} * 1024 * 1024;
constexpr std::uintmax_t kMaxFileSize = 512ull * 1024 * 1024;
constexpr std::uint32_t kCompressionNone = 0;

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
           std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool KnownHeaderSize(std::uint32_t size) {
    // BITMAPINFOHEADER and its longer descendants (V2, V3, V4, V5).
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool SupportedBitCount(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

} // namespace

DibImage DibImage::FromFileBytes(std::span<const std::uint8_t> file) {
    return FromFile(std::vector<std::uint8_t>(file.begin(), file.end()));
}

DibImage DibImage::FromFile(std::vector<std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + kCoreInfoSize || file[0] != 'B' || file[1] != 'M') {
        return {};
    }
    const std::span<const std::uint8_t> rest = std::span(file).subspan(kFileHeaderSize);
    const std::uint32_t infoSize = ReadU32(rest, 0);
    if (!KnownHeaderSize(infoSize) || infoSize > rest.size()) {
        return {};
    }
    const std::int64_t w = static_cast<std::int32_t>(ReadU32(rest, 4));
    const std::int64_t h = static_cast<std::int32_t>(ReadU32(rest, 8));
    const std::uint32_t planes = ReadU16(rest, 12);
    const std::uint32_t bits = ReadU16(rest, 14);
    const std::uint32_t compression = ReadU32(rest, 16);
    const std::uint32_t usedColors = ReadU32(rest, 32);
    // Top-down pictures (negative height) are not ours: rows must be bottom-up.
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide || w * h > kMaxPixels || planes != 1 ||
        !SupportedBitCount(bits) || compression != kCompressionNone) {
        return {};
    }
    const std::uint32_t fullTable = bits <= 8 ? (1u << bits) : 0;
    const std::uint32_t colors = usedColors != 0 ? usedColors : fullTable;
    if (colors > 256 || (bits <= 8 && colors > fullTable)) {
        return {};
    }
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(w) * bits + 31) / 32 * 4;
    const std::uint64_t bitsAt = std::uint64_t{infoSize} + std::uint64_t{colors} * 4;
    if (bitsAt + rowBytes * static_cast<std::uint64_t>(h) > rest.size()) {
        return {};
    }

    DibImage image;
    image.file = std::make_shared<const std::vector<std::uint8_t>>(std::move(file));
    image.headerSize = infoSize;
    image.bitsOffset = static_cast<std::size_t>(bitsAt);
    image.stride = static_cast<std::size_t>(rowBytes);
    image.width = static_cast<std::int32_t>(w);
    image.height = static_cast<std::int32_t>(h);
    image.bitCount = static_cast<std::int32_t>(bits);
    image.colorCount = static_cast<std::int32_t>(colors);
    return image;
}

std::span<const std::uint8_t> DibImage::View(std::size_t at, std::size_t size) const {
    if (Empty()) {
        return {};
    }
    return std::span<const std::uint8_t>(*file).subspan(at, size);
}

std::span<const std::uint8_t> DibImage::ColorTable() const {
    return View(kFileHeaderSize + headerSize, static_cast<std::size_t>(colorCount) * 4);
}

std::span<const std::uint8_t> DibImage::Bits() const {
    return View(kFileHeaderSize + bitsOffset, stride * static_cast<std::size_t>(height));
}

DibImage LoadPicture(const std::string& appDirectory, std::string_view name) {
    const std::string path = appDirectory + std::string(name);
    // Not blocking, so that a pipe in a picture's place cannot hang the game.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {};
    }
    struct stat status {};
    std::vector<std::uint8_t> file;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::uintmax_t>(status.st_size) <= kMaxFileSize) {
        file.resize(static_cast<std::size_t>(status.st_size));
        std::size_t done = 0;
        while (done < file.size()) {
            const ssize_t got = read(fd, file.data() + done, file.size() - done);
            if (got <= 0) {
                break; // cut short meanwhile: what was read is judged as it is
            }
            done += static_cast<std::size_t>(got);
        }
        file.resize(done);
    }
    close(fd);
    return DibImage::FromFile(std::move(file));
}

} // namespace brinox
