#include "BmpBytes.h"

#include "platform/PictureConversion.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace brinox {
namespace {

using test::BmpSpec;
using test::MakeBmp;

TEST(ToQImage, TrueColourPictureComesOutTopRowFirst) {
    BmpSpec spec;
    spec.width = 3;
    spec.height = 2;
    spec.pixels = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};
    const QImage image = ToQImage(DibImage::FromFileBytes(MakeBmp(spec)));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 0));
}

TEST(ToQImage, PalettePicturesLookUpTheirColours) {
    BmpSpec spec;
    spec.width = 5; // odd width: rows are padded
    spec.height = 2;
    spec.bitCount = 8;
    spec.usedColors = 3;
    spec.palette = {0x000000, 0xC08040, 0x10E0F0};
    spec.pixels = {1, 2, 0, 2, 1, 2, 2, 1, 1, 250};
    const QImage image = ToQImage(DibImage::FromFileBytes(MakeBmp(spec)));
    ASSERT_EQ(image.size(), QSize(5, 2));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xC0, 0x80, 0x40));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0x10, 0xE0, 0xF0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(4, 0), qRgb(0xC0, 0x80, 0x40));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0xC0, 0x80, 0x40));
    EXPECT_EQ(image.pixel(4, 1), qRgb(0, 0, 0)) << "an index past the palette is black";
}

TEST(ToQImage, OneAndFourBitPicturesAndThirtyTwoBits) {
    BmpSpec mono;
    mono.width = 9;
    mono.height = 1;
    mono.bitCount = 1;
    mono.palette = {0x0000FF, 0xFFFF00};
    mono.pixels = {1, 0, 1, 1, 0, 0, 0, 0, 1};
    const QImage monoImage = ToQImage(DibImage::FromFileBytes(MakeBmp(mono)));
    for (int x = 0; x < 9; ++x) {
        EXPECT_EQ(monoImage.pixel(x, 0),
                  mono.pixels[static_cast<std::size_t>(x)] ? qRgb(255, 255, 0) : qRgb(0, 0, 255))
            << x;
    }
    BmpSpec wide;
    wide.width = 2;
    wide.height = 1;
    wide.bitCount = 32;
    wide.pixels = {0x336699, 0xFEDCBA};
    const QImage wideImage = ToQImage(DibImage::FromFileBytes(MakeBmp(wide)));
    EXPECT_EQ(wideImage.pixel(0, 0), qRgb(0x33, 0x66, 0x99));
    EXPECT_EQ(wideImage.pixel(1, 0), qRgb(0xFE, 0xDC, 0xBA));
}

TEST(ToQImage, EmptyPictureGivesANullImage) {
    EXPECT_TRUE(ToQImage(DibImage()).isNull());
    const std::vector<std::uint8_t> junk(100, 'x');
    EXPECT_TRUE(ToQImage(DibImage::FromFileBytes(junk)).isNull());
}

} // namespace
} // namespace brinox

// Offscreen unless told otherwise, so that listing the tests works without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
