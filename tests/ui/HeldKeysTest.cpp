#include "ui/HeldKeys.h"

#include <gtest/gtest.h>

// A key goes up for the game only once neither device holds it; codes
// outside the key table (0, 256 and beyond, negative) are never held.
TEST(HeldKeysTest, AKeyGoesUpOnlyWhenNeitherDeviceHoldsIt) {
    using enum brinox::HeldKeys::Device;
    brinox::HeldKeys held;
    for (const std::int32_t code : {1, 37, 255, 0, 256, -1}) {
        held.Press(Keyboard, code);
        held.Press(Pad, code);
        EXPECT_EQ(held.Release(Pad, code), code <= 0 || code > 255) << code;
        EXPECT_TRUE(held.Release(Keyboard, code)) << code;
    }
    held.Press(Keyboard, 40);
    held.ForgetKeyboard();
    EXPECT_TRUE(held.Release(Pad, 40));
}
