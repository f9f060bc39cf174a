#include "settings/KeyName.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

struct Named {
    std::int32_t code;
    const char* name;
};

class KeyNameTest : public ::testing::TestWithParam<Named> {};

TEST_P(KeyNameTest, NamesEveryKeyOfTheTable) {
    EXPECT_EQ(KeyName(GetParam().code), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyNameTest,
    ::testing::Values(Named{37, "Left Arrow"}, Named{39, "Right Arrow"}, Named{38, "Up Arrow"},
                      Named{40, "Down Arrow"}, Named{32, "Space"}, Named{45, "Insert"},
                      Named{46, "Delete"}, Named{19, "Pause"}, Named{8, "BackSpace"},
                      Named{9, "Tab"}, Named{13, "Enter"}, Named{36, "Home"}, Named{35, "End"},
                      Named{33, "PageUp"}, Named{34, "PageDown"}, Named{144, "NumLock"},
                      Named{20, "CapsLock"}, Named{111, "/"}, Named{106, "*"}, Named{109, "-"},
                      Named{107, "+"}, Named{110, "."}, Named{96, "NumPad 0"},
                      Named{105, "NumPad 9"}, Named{48, "0"}, Named{57, "9"}, Named{65, "A"},
                      Named{90, "Z"}, Named{160, "Left Shift"}, Named{161, "Right Shift"},
                      Named{162, "Left Control"}, Named{163, "Right Control"}, Named{16, "Key #16"},
                      Named{112, "Key #112"}, Named{47, "Key #47"}, Named{91, "Key #91"},
                      Named{0, "Key #0"}, Named{-5, "Key #-5"}));

} // namespace
} // namespace brinox
