#include "settings/KeyName.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

TEST(KeyNameTest, NamesEveryKeyOfTheTableAndNumbersTheRest) {
    const std::pair<std::int32_t, const char*> keys[] = {// clang-format off
        {37, "Left Arrow"}, {39, "Right Arrow"}, {38, "Up Arrow"}, {40, "Down Arrow"},
        {32, "Space"}, {45, "Insert"}, {46, "Delete"}, {19, "Pause"}, {8, "BackSpace"}, {9, "Tab"},
        {13, "Enter"}, {36, "Home"}, {35, "End"}, {33, "PageUp"}, {34, "PageDown"},
        {144, "NumLock"}, {20, "CapsLock"}, {111, "/"}, {106, "*"}, {109, "-"}, {107, "+"},
        {110, "."}, {96, "NumPad 0"}, {105, "NumPad 9"}, {48, "0"}, {57, "9"}, {65, "A"}, {90, "Z"},
        {160, "Left Shift"}, {161, "Right Shift"}, {162, "Left Control"}, {163, "Right Control"},
        {16, "Key #16"}, {112, "Key #112"}, {47, "Key #47"}, {91, "Key #91"}, {0, "Key #0"},
        {-5, "Key #-5"}};
    // clang-format on
    for (const auto& [code, name] : keys) {
        EXPECT_EQ(KeyName(code), name) << code;
    }
}

} // namespace
} // namespace brinox
