#include "ui/DibImage.h"
#include "BmpBytes.h"
#include "ui/AssetFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

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

// At most 64 Mi pixels, 16384 wide: 4096 rows of 1 bit (8 MiB) are read, 4097 not.
TEST(DibImage, APictureOfMoreThan64MiPixelsIsRefused) {
    for (const std::int32_t rows : {4096, 4097}) {
        auto file = MakeBmp(Spec(1, 16384, {0, 0xFFFFFF}, std::vector<std::uint32_t>(16384, 1)));
        std::memcpy(&file[22], &rows, 4); // the height, little-endian like this machine
        file.resize(file.size() + static_cast<std::size_t>(rows - 1) * 2048);
        EXPECT_EQ(DibImage::FromFileBytes(file).Empty(), rows == 4097);
    }
}

// The names of a space-separated list of stems, as "graph/<stem>.bmp".
std::vector<std::string> Pictures(const std::string& stems) {
    std::vector<std::string> names;
    std::istringstream in(stems);
    for (std::string stem; in >> stem;) {
        names.push_back("graph/" + stem + ".bmp");
    }
    return names;
}

std::string Numbered(const std::string& stem, const std::string& suffix) {
    std::string list;
    for (int set = 0; set < 14; ++set) {
        list += " " + stem + std::to_string(set) + suffix;
    }
    return list;
}

TEST(AssetCheckList, HelpSoundsThenPicturesInTheOrderOfTheWarning) {
    std::vector<std::string> expected = {"brinox.hlp"};
    for (const char* sound : {"add", "bomb", "bombout", "button", "drop", "gameover", "gamewin",
                              "level", "line", "start", "time"}) {
        expected.push_back(std::string("snd/") + sound + ".wav");
    }
    const std::vector<std::string> pictures = Pictures(
        "back backb back1 back1b back2 back2b back3 back3b back4 back4b bbarmin bbarplus bbombs "
        "bbombsx bexit bhelp bload blogo bmin bplus stat help bmodes bmodesx bombs boptions "
        "bpauseof bpauseon bpausex bsave bsavex bstart bstop btable btypes btypesx bwwwtbl digits "
        "digits2 digits3 expl explb" +
        Numbered("ianim", "") + Numbered("ianim", "b") + Numbered("items", "") +
        Numbered("items", "b") + " modes nextbar toolbar types tdigits");
    expected.insert(expected.end(), pictures.begin(), pictures.end());
    EXPECT_EQ(assets::CheckList(), expected);
}

} // namespace
} // namespace brinox::test
