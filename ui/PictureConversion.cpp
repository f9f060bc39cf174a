#include "PictureConversion.h"

#include <algorithm>
#include <array>
#include <atomic>

#include <cstdint>
#include <sys/mman.h>

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

// Pixel memory is carved from blocks the kernel may back with 2 MiB pages.
// Memory touched for the first time costs a fault per page, and a start-up
// converts several megabytes of pictures before the first frame: one fault
// per huge page instead of one per 4 KiB page. A block is returned when the
// last image carved from it is gone and a newer block has taken its place.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kBlockSize = 2 * kHugePage;

struct PixelBlock {
    std::uint8_t* base = nullptr;
    std::size_t size = 0;
    std::size_t used = 0;
    std::atomic<int> users{1}; // the images carved from it, and the arena while current
};

void Release(void* info) {
    auto* block = static_cast<PixelBlock*>(info);
    if (block->users.fetch_sub(1) == 1) {
        munmap(block->base, block->size);
        delete block;
    }
}

PixelBlock* NewBlock(std::size_t atLeast) {
    const std::size_t size =
        (std::max(atLeast, kBlockSize) + kHugePage - 1) / kHugePage * kHugePage;
    // Mapped one huge page larger, then trimmed to a huge-page boundary.
    void* mapped =
        mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        return nullptr;
    }
    auto* start = static_cast<std::uint8_t*>(mapped);
    auto* base = reinterpret_cast<std::uint8_t*>(
        (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1));
    if (base > start) {
        munmap(start, static_cast<std::size_t>(base - start));
    }
    munmap(base + size, static_cast<std::size_t>(start + kHugePage - base));
    madvise(base, size, MADV_HUGEPAGE);
    // Where huge pages are off, the small ones are at least faulted in one call.
    madvise(base, size, MADV_POPULATE_WRITE);
    auto* block = new PixelBlock;
    block->base = base;
    block->size = size;
    return block;
}

QImage NewImage(int width, int height) {
    static PixelBlock* current = nullptr;
    const std::size_t bytes =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    const std::size_t carved = (bytes + 63) / 64 * 64;
    if (current == nullptr || current->size - current->used < carved) {
        PixelBlock* fresh = NewBlock(carved);
        if (fresh == nullptr) {
            return QImage(width, height, QImage::Format_RGB32);
        }
        if (current != nullptr) {
            Release(current);
        }
        current = fresh;
    }
    std::uint8_t* memory = current->base + current->used;
    current->used += carved;
    current->users.fetch_add(1);
    return QImage(memory, width, height, width * 4, QImage::Format_RGB32, Release, current);
}

} // namespace

QImage ToQImage(const DibImage& picture) {
    if (picture.Empty()) {
        return {};
    }
    QImage image = NewImage(picture.Width(), picture.Height());
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
    QImage image = NewImage(width, height);
    image.fill(Qt::black);
    return image;
}

} // namespace brinox
