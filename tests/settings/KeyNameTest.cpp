#include "settings/KeyName.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace brinox {
namespace {

// The key table written out as the player reads it: every code from -1 to
// 300 checked against it, so a swapped or shifted name shows.
std::string ExpectedName(std::int32_t code) {
    // clang-format off
    static const std::map<std::int32_t, std::string> named = {
        {37, "Left Arrow"}, {39, "Right Arrow"}, {38, "Up Arrow"}, {40, "Down Arrow"},
        {32, "Space"}, {45, "Insert"}, {46, "Delete"}, {19, "Pause"}, {8, "BackSpace"},
        {9, "Tab"}, {13, "Enter"}, {36, "Home"}, {35, "End"}, {33, "PageUp"},
        {34, "PageDown"}, {144, "NumLock"}, {20, "CapsLock"}, {111, "/"}, {106, "*"},
        {109, "-"}, {107, "+"}, {110, "."}, {160, "Left Shift"}, {161, "Right Shift"},
        {162, "Left Control"}, {163, "Right Control"}};
    // clang-format on
    if (const auto it = named.find(code); it != named.end()) {
        return it->second;
    }
    if (code >= 96 && code <= 105) {
        return "NumPad " + std::string(1, static_cast<char>('0' + code - 96));
    }
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return std::string(1, static_cast<char>(code));
    }
    return "Key #" + std::to_string(code);
}

TEST(KeyNameTest, EveryCodeHasTheNameOfTheKeyTable) {
    for (std::int32_t code = -1; code <= 300; ++code) {
        EXPECT_EQ(KeyName(code), ExpectedName(code)) << code;
    }
}

} // namespace
} // namespace brinox
