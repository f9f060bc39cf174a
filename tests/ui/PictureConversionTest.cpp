#include "ui/PictureConversion.h"
#include "BmpBytes.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

TEST(ToQImage, PicturesComeOutTopRowFirstInTheirColours) {
    // An odd width pads the rows; the last index is past the palette: black.
    const BmpSpec palette{.width = 5,
                          .height = 2,
                          .bitCount = 8,
                          .usedColors = 3,
                          .palette = {0x000000, 0xC08040, 0x10E0F0},
                          .pixels = {1, 2, 0, 2, 1, 2, 2, 1, 1, 250}};
    const QImage image = ToQImage(DibImage::FromFileBytes(MakeBmp(palette)));
    ASSERT_EQ(image.size(), QSize(5, 2));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xC0, 0x80, 0x40));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0x10, 0xE0, 0xF0));
    EXPECT_EQ(image.pixel(4, 1), qRgb(0, 0, 0));
    BmpSpec spec;
    spec.width = 1;
    spec.pixels = {0x123456, 0xFEDCBA};
    const QImage rgb = ToQImage(DibImage::FromFileBytes(MakeBmp(spec)));
    EXPECT_EQ(rgb.pixel(0, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(rgb.pixel(0, 1), qRgb(0xFE, 0xDC, 0xBA));
    EXPECT_TRUE(ToQImage(DibImage()).isNull());
}

} // namespace
} // namespace brinox::test
