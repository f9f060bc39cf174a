#include "BmpBytes.h"

#include "ui/DibImage.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace brinox {
namespace {

using test::BmpSpec;
using test::MakeBmp;
using test::Poke32;

std::uint32_t ReadField(std::span<const std::uint8_t> header, std::size_t at) {
    return std::uint32_t{header[at]} | std::uint32_t{header[at + 1]} << 8 |
           std::uint32_t{header[at + 2]} << 16 | std::uint32_t{header[at + 3]} << 24;
}

BmpSpec ThreeByTwo24() {
    BmpSpec spec;
    spec.width = 3;
    spec.height = 2;
    spec.pixels = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};
    return spec;
}

TEST(DibImage, TrueColourPictureKeepsItsPixelsAndViews) {
    const auto file = MakeBmp(ThreeByTwo24());
    const DibImage image = DibImage::FromFileBytes(file);
    ASSERT_FALSE(image.Empty());
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.BitCount(), 24);
    EXPECT_EQ(image.ColorCount(), 0);
    EXPECT_EQ(image.Stride(), 12u); // 9 bytes padded to 12
    EXPECT_EQ(image.InfoHeader().size(), 40u);
    EXPECT_TRUE(image.ColorTable().empty());
    EXPECT_EQ(image.Bits().size(), 24u);
    // The block holds the file after its 14-byte header: the bits are the
    // file's last bytes, bottom row first.
    EXPECT_EQ(image.Bits().data()[0], 0x56); // blue of the bottom-left pixel 0x123456
    EXPECT_EQ(image.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(image.Pixel(2, 0), 0x0000FFu);
    EXPECT_EQ(image.Pixel(0, 1), 0x123456u);
    EXPECT_EQ(image.Pixel(1, 1), 0xFFFFFFu);
    EXPECT_EQ(image.Pixel(3, 0), 0u) << "outside the picture";
    EXPECT_EQ(image.Pixel(-1, 0), 0u);
    // An image size of 0 is filled in as width x height.
    EXPECT_EQ(ReadField(image.InfoHeader(), 20), 6u);
}

TEST(DibImage, PaletteCountFollowsUsedColoursOrTheBitDepth) {
    BmpSpec full;
    full.bitCount = 8;
    full.palette.assign(256, 0);
    full.palette[7] = 0xABCDEF;
    full.pixels = {7, 0, 0, 7};
    const DibImage fullImage = DibImage::FromFileBytes(MakeBmp(full));
    ASSERT_FALSE(fullImage.Empty());
    EXPECT_EQ(fullImage.ColorCount(), 256);
    EXPECT_EQ(fullImage.ColorTable().size(), 1024u);
    EXPECT_EQ(ReadField(fullImage.InfoHeader(), 32), 256u) << "0 used colours is set to the count";
    EXPECT_EQ(fullImage.Pixel(0, 0), 0xABCDEFu);
    EXPECT_EQ(fullImage.Pixel(1, 0), 0u);

    BmpSpec small = full;
    small.palette = {0x112233, 0x445566};
    small.usedColors = 2;
    small.pixels = {1, 0, 0, 1};
    const DibImage smallImage = DibImage::FromFileBytes(MakeBmp(small));
    ASSERT_FALSE(smallImage.Empty());
    EXPECT_EQ(smallImage.ColorCount(), 2);
    EXPECT_EQ(smallImage.ColorTable().size(), 8u);
    EXPECT_EQ(smallImage.Pixel(0, 0), 0x445566u);
    EXPECT_EQ(smallImage.Pixel(1, 0), 0x112233u);
}

TEST(DibImage, PackedPixelsAreReadFromTheHighBitsFirst) {
    BmpSpec mono;
    mono.width = 10;
    mono.height = 1;
    mono.bitCount = 1;
    mono.palette = {0x000000, 0xFFFFFF};
    mono.pixels = {1, 0, 0, 0, 0, 0, 0, 1, 1, 0};
    const DibImage monoImage = DibImage::FromFileBytes(MakeBmp(mono));
    ASSERT_FALSE(monoImage.Empty());
    EXPECT_EQ(monoImage.Stride(), 4u);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(monoImage.Pixel(x, 0), mono.pixels[static_cast<std::size_t>(x)] ? 0xFFFFFFu : 0u)
            << "x " << x;
    }

    BmpSpec nibble;
    nibble.width = 3;
    nibble.height = 1;
    nibble.bitCount = 4;
    nibble.palette.assign(16, 0);
    nibble.palette[3] = 0x030303;
    nibble.palette[12] = 0x0C0C0C;
    nibble.pixels = {12, 3, 12};
    const DibImage nibbleImage = DibImage::FromFileBytes(MakeBmp(nibble));
    ASSERT_FALSE(nibbleImage.Empty());
    EXPECT_EQ(nibbleImage.Pixel(0, 0), 0x0C0C0Cu);
    EXPECT_EQ(nibbleImage.Pixel(1, 0), 0x030303u);
    EXPECT_EQ(nibbleImage.Pixel(2, 0), 0x0C0C0Cu);
}

TEST(DibImage, IndexBeyondAShortPaletteReadsAsBlackWithoutOverRead) {
    BmpSpec spec;
    spec.bitCount = 8;
    spec.usedColors = 2;
    spec.palette = {0xFFFFFF, 0xFF0000};
    spec.pixels = {255, 1, 0, 200};
    const DibImage image = DibImage::FromFileBytes(MakeBmp(spec));
    ASSERT_FALSE(image.Empty());
    EXPECT_EQ(image.Pixel(0, 0), 0u);
    EXPECT_EQ(image.Pixel(1, 0), 0xFF0000u);
    EXPECT_EQ(image.Pixel(1, 1), 0u);
}

TEST(DibImage, FilesThatAreNotBitmapsGiveEmptyPictures) {
    const std::string text = "This is a text file with a .bmp name, long enough for a header.";
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    EXPECT_TRUE(DibImage::FromFileBytes(bytes).Empty());
    EXPECT_TRUE(DibImage::FromFileBytes({}).Empty());
    auto file = MakeBmp(ThreeByTwo24());
    file[1] = 'A';
    const DibImage image = DibImage::FromFileBytes(file);
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.Width(), 0);
    EXPECT_TRUE(image.InfoHeader().empty());
    EXPECT_TRUE(image.ColorTable().empty());
    EXPECT_TRUE(image.Bits().empty());
    EXPECT_EQ(image.Pixel(0, 0), 0u);
}

TEST(DibImage, EveryTruncationGivesAnEmptyPicture) {
    for (int bits : {1, 8, 24}) {
        BmpSpec spec = ThreeByTwo24();
        spec.bitCount = static_cast<std::uint16_t>(bits);
        if (bits <= 8) {
            spec.palette.assign(std::size_t{1} << bits, 0x808080);
            spec.pixels = {1, 0, 1, 0, 1, 0};
        }
        const auto file = MakeBmp(spec);
        ASSERT_FALSE(DibImage::FromFileBytes(file).Empty()) << bits;
        for (std::size_t length = 0; length < file.size(); ++length) {
            // A copy of exactly this length, so the sanitizers see any over-read.
            const std::vector<std::uint8_t> cut(file.begin(),
                                                file.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_TRUE(DibImage::FromFileBytes(cut).Empty()) << bits << " bits, " << length;
        }
    }
}

struct Tamper {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    bool sixteenBits;
};

class HostileHeader : public ::testing::TestWithParam<Tamper> {};

TEST_P(HostileHeader, GivesAnEmptyPicture) {
    BmpSpec spec;
    spec.bitCount = 8;
    spec.palette.assign(256, 0x102030);
    auto file = MakeBmp(spec);
    const Tamper& t = GetParam();
    if (t.sixteenBits) {
        file[t.at] = static_cast<std::uint8_t>(t.value);
        file[t.at + 1] = static_cast<std::uint8_t>(t.value >> 8);
    } else {
        Poke32(file, t.at, t.value);
    }
    EXPECT_TRUE(DibImage::FromFileBytes(file).Empty()) << t.what;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HostileHeader,
    ::testing::Values(Tamper{"zero width", test::kWidthAt, 0, false},
                      Tamper{"negative width", test::kWidthAt, 0xFFFFFFFE, false},
                      Tamper{"zero height", test::kHeightAt, 0, false},
                      Tamper{"top-down height", test::kHeightAt, 0xFFFFFFFE, false},
                      Tamper{"width beyond the file", test::kWidthAt, 3000, false},
                      Tamper{"absurd width", test::kWidthAt, 0x7FFFFFFF, false},
                      Tamper{"absurd height", test::kHeightAt, 0x7FFFFFFF, false},
                      Tamper{"most negative height", test::kHeightAt, 0x80000000, false},
                      Tamper{"16 bits per pixel", test::kBitCountAt, 16, true},
                      Tamper{"0 bits per pixel", test::kBitCountAt, 0, true},
                      Tamper{"7 bits per pixel", test::kBitCountAt, 7, true},
                      Tamper{"two planes", 26, 2, true},
                      Tamper{"run-length compression", 30, 1, false},
                      Tamper{"bit-field compression", 30, 3, false},
                      Tamper{"core header size", 14, 12, false},
                      Tamper{"header larger than the file", 14, 1000, false},
                      Tamper{"header size overflow", 14, 0xFFFFFFFF, false},
                      Tamper{"more colours than 8 bits hold", test::kUsedColorsAt, 300, false},
                      Tamper{"colour count overflow", test::kUsedColorsAt, 0x40000000, false},
                      Tamper{"colour count near 2^32", test::kUsedColorsAt, 0xFFFFFFFF, false}),
    [](const ::testing::TestParamInfo<Tamper>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    });

TEST(DibImage, TrailingBytesAfterTheBitsAreAccepted) {
    auto file = MakeBmp(ThreeByTwo24());
    file.insert(file.end(), 7, 0xEE);
    const DibImage image = DibImage::FromFileBytes(file);
    ASSERT_FALSE(image.Empty());
    EXPECT_EQ(image.Bits().size(), 24u);
    EXPECT_EQ(image.Pixel(2, 1), 0u);
}

TEST(LoadPicture, ReadsTheFileUnderTheAppDirectoryAndToleratesBadOnes) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("brinox_load_picture_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "graph");
    const std::string app = dir.string() + "/";
    const auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(app + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    };
    write("graph/good.bmp", MakeBmp(ThreeByTwo24()));
    const std::string text = "not a picture at all, just some words in a file named .bmp";
    write("graph/text.bmp", std::vector<std::uint8_t>(text.begin(), text.end()));
    write("graph/zero.bmp", {});

    const DibImage good = LoadPicture(app, "graph/good.bmp");
    ASSERT_FALSE(good.Empty());
    EXPECT_EQ(good.Pixel(1, 0), 0x00FF00u);
    EXPECT_TRUE(LoadPicture(app, "graph/text.bmp").Empty());
    EXPECT_TRUE(LoadPicture(app, "graph/zero.bmp").Empty());
    EXPECT_TRUE(LoadPicture(app, "graph/missing.bmp").Empty());
    EXPECT_TRUE(LoadPicture(app, "graph").Empty()) << "a directory";
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace brinox
