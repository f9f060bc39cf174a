#include "ui/DibImage.h"
#include "BmpBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace brinox::test {
namespace {

BmpSpec Spec(std::uint16_t bits, std::int32_t width, std::vector<std::uint32_t> palette,
             std::vector<std::uint32_t> pixels) {
    BmpSpec spec;
    spec.width = width;
    spec.height = static_cast<std::int32_t>(pixels.size()) / width;
    spec.bitCount = bits;
    spec.palette = std::move(palette);
    spec.pixels = std::move(pixels);
    return spec;
}

TEST(DibImage, DamagedFilesGiveEmptyPictures) {
    const auto good = MakeBmp(Spec(8, 2, std::vector<std::uint32_t>(256, 0x102030), {1, 0, 1, 0}));
    for (std::size_t length = 0; length < good.size(); ++length) {
        // A copy of exactly this length, so the sanitizers see any over-read.
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(length));
        const DibImage image = DibImage::FromFileBytes(cut);
        EXPECT_TRUE(image.Empty() && image.Width() == 0 && image.Height() == 0) << length;
    }
    // offset, value, bytes: sizes, depths, compression, header and palette sizes
    const struct {
        std::size_t at;
        std::uint32_t value;
        int bytes;
    } tampers[] = {
        {18, 0, 4},          {18, 0xFFFFFFFE, 4}, {22, 0, 4},          {22, 0xFFFFFFFE, 4},
        {18, 3000, 4},       {18, 0x7FFFFFFF, 4}, {22, 0x80000000, 4}, {28, 16, 2},
        {28, 7, 2},          {26, 2, 2},          {30, 1, 4},          {14, 12, 4},
        {14, 0xFFFFFFFF, 4}, {46, 300, 4},        {46, 0xFFFFFFFF, 4}, {0, 'X', 1}};
    for (const auto& t : tampers) {
        auto file = good;
        for (int i = 0; i < t.bytes; ++i) {
            file[t.at + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(t.value >> (8 * i));
        }
        EXPECT_TRUE(DibImage::FromFileBytes(file).Empty()) << t.at << " = " << t.value;
    }
    auto longer = good;
    longer.insert(longer.end(), 7, 0xEE);
    EXPECT_FALSE(DibImage::FromFileBytes(longer).Empty()) << "trailing bytes are fine";
}

TEST(LoadPicture, ReadsUnderTheAppDirectoryAndToleratesBadFiles) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("brinox_load_picture_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "graph");
    const std::string app = dir.string() + "/";
    const auto good = MakeBmp(Spec(24, 1, {}, {0x00FF00}));
    std::ofstream(app + "graph/good.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(good.data()), static_cast<long>(good.size()));
    std::ofstream(app + "graph/text.bmp") << "not a picture at all, just some words in a file";
    EXPECT_EQ(LoadPicture(app, "graph/good.bmp").Bits()[1], 0xFF); // green
    EXPECT_TRUE(LoadPicture(app, "graph/text.bmp").Empty());
    EXPECT_TRUE(LoadPicture(app, "graph/missing.bmp").Empty());
    EXPECT_TRUE(LoadPicture(app, "graph").Empty()) << "a directory";
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace brinox::test
