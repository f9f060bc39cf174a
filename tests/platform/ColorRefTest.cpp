#include "platform/ColorRef.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

// The options file keeps colours as the RGB macro of the old PC headers
// builds them: red | green << 8 | blue << 16.
TEST(ColorRef, EachChannelHasItsOwnByteOfTheStoredNumber) {
    const std::pair<std::int32_t, QColor> cases[] = {{0x0000FF, QColor(255, 0, 0)},
                                                     {0x00FF00, QColor(0, 255, 0)},
                                                     {0xFF0000, QColor(0, 0, 255)},
                                                     {0xED9564, QColor(100, 149, 237)},
                                                     {0, QColor(0, 0, 0)}};
    for (const auto& [stored, colour] : cases) {
        EXPECT_EQ(ColorOfRef(stored), colour) << std::hex << stored;
        EXPECT_EQ(RefOfColor(colour), stored) << std::hex << stored;
    }
}

} // namespace
} // namespace brinox::test
