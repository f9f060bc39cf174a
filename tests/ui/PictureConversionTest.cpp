#include "ui/PictureConversion.h"
#include "BmpBytes.h"

#include <gtest/gtest.h>

// The window's pictures show each stored pixel in its palette colour, and an
// index past a short palette as black, as the picture decoder reads it.
TEST(PictureConversion, EachIndexTakesItsPaletteColourAndThoseBeyondAreBlack) {
    brinox::test::BmpSpec spec;
    spec.width = 5;
    spec.height = 1;
    spec.bitCount = 8;
    spec.palette = {0x102030, 0x405060, 0x708090};
    spec.usedColors = 3;
    spec.pixels = {2, 1, 0, 3, 255};
    const auto picture = brinox::DibImage::FromFileBytes(brinox::test::MakeBmp(spec));
    const QImage shown = brinox::ToQImage(picture);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(shown.pixel(x, 0) & 0xFFFFFF, picture.Pixel(x, 0)) << x;
    }
}
