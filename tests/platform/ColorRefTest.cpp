#include "platform/ColorRef.h"

#include <gtest/gtest.h>

// The options file keeps colours as the RGB macro of the old PC headers
// builds them: red | green << 8 | blue << 16.
TEST(ColorRef, EachChannelHasItsOwnByteOfTheStoredNumber) {
    for (const auto& [stored, colour] : {std::pair{0x0000FF, QColor(255, 0, 0)},
                                         {0x00FF00, QColor(0, 255, 0)},
                                         {0xFF0000, QColor(0, 0, 255)},
                                         {0xED9564, QColor(100, 149, 237)}}) {
        EXPECT_EQ(brinox::ColorOfRef(stored), colour) << std::hex << stored;
        EXPECT_EQ(brinox::RefOfColor(colour), stored) << std::hex << stored;
    }
}
