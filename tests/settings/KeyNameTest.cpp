// A key's name as the player reads it on the Control page, by its code (each
// key's code is held to the Windows virtual-key codes by KeyCodesTest): the
// name on its keycap, or the code for keys without one and codes no key gives.
#include "settings/ShownKeyName.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

TEST(KeyNameTest, EachCodeShowsTheNameOnItsKeycapOrItsNumber) {
    const std::pair<std::int32_t, const char*> cases[] = {// clang-format off
        {37, "Left Arrow"}, {39, "Right Arrow"}, {38, "Up Arrow"}, {40, "Down Arrow"}, {32, "Space"},
        {45, "Insert"}, {46, "Delete"}, {19, "Pause"}, {8, "BackSpace"}, {9, "Tab"}, {13, "Enter"},
        {36, "Home"}, {35, "End"}, {33, "PageUp"}, {34, "PageDown"}, {144, "NumLock"},
        {20, "CapsLock"}, {111, "/"}, {106, "*"}, {109, "-"}, {107, "+"}, {110, "."},
        {96, "NumPad 0"}, {101, "NumPad 5"}, {105, "NumPad 9"}, {48, "0"}, {57, "9"}, {65, "A"},
        {77, "M"}, {90, "Z"}, {160, "Left Shift"}, {161, "Right Shift"}, {162, "Left Control"},
        {163, "Right Control"}, {27, "Key #27"}, {112, "Key #112"}, {186, "Key #186"}, {0, "Key #0"},
        {-1, "Key #-1"}, {47, "Key #47"}, {58, "Key #58"}, {64, "Key #64"}, {1000, "Key #1000"}};
    // clang-format on
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(ShownKeyName(code).toStdString(), name) << code;
    }
}

} // namespace
} // namespace brinox
