#include "ui/HeldKeys.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

using Device = HeldKeys::Device;

// A key goes up for the game only once neither device holds it; codes
// outside the key table (0, 256 and beyond, negative) are never held.
TEST(HeldKeysTest, AKeyGoesUpOnlyWhenNeitherDeviceHoldsIt) {
    HeldKeys held;
    for (const std::int32_t code : {1, 37, 255}) {
        held.Press(Device::Keyboard, code);
        held.Press(Device::Pad, code);
        EXPECT_FALSE(held.Release(Device::Pad, code)) << code;
        EXPECT_TRUE(held.Release(Device::Keyboard, code)) << code;
    }
    for (const std::int32_t code : {0, 256, 1000, -1}) {
        held.Press(Device::Keyboard, code);
        EXPECT_TRUE(held.Release(Device::Pad, code)) << code;
    }
    held.Press(Device::Keyboard, 40);
    held.ForgetKeyboard();
    EXPECT_TRUE(held.Release(Device::Pad, 40));
}

} // namespace
} // namespace brinox::test
