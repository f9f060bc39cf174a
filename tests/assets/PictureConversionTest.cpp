#include "platform/PictureConversion.h"
#include "BmpBytes.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace brinox {
namespace {

TEST(ToQImage, PicturesComeOutTopRowFirstInTheirColours) {
    test::BmpSpec palette;
    palette.width = 5; // odd width: rows are padded
    palette.height = 2;
    palette.bitCount = 8;
    palette.usedColors = 3;
    palette.palette = {0x000000, 0xC08040, 0x10E0F0};
    palette.pixels = {1, 2, 0, 2, 1, 2, 2, 1, 1, 250};
    const QImage image = ToQImage(DibImage::FromFileBytes(MakeBmp(palette)));
    ASSERT_EQ(image.size(), QSize(5, 2));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xC0, 0x80, 0x40));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0x10, 0xE0, 0xF0));
    EXPECT_EQ(image.pixel(4, 1), qRgb(0, 0, 0)) << "an index past the palette is black";
    test::BmpSpec rgb;
    rgb.width = 1;
    rgb.pixels = {0x123456, 0xFEDCBA};
    const QImage colours = ToQImage(DibImage::FromFileBytes(MakeBmp(rgb)));
    EXPECT_EQ(colours.pixel(0, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(colours.pixel(0, 1), qRgb(0xFE, 0xDC, 0xBA));
    EXPECT_TRUE(ToQImage(DibImage()).isNull());
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
