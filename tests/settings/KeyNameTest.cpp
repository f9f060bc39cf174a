#include "settings/KeyName.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

TEST(KeyNameTest, NamesEachFamilyOfKeysAndNumbersTheRest) {
    const std::pair<std::int32_t, const char*> keys[] = {
        {37, "Left Arrow"},   {32, "Space"},     {19, "Pause"},     {110, "."},
        {96, "NumPad 0"},     {105, "NumPad 9"}, {48, "0"},         {90, "Z"},
        {161, "Right Shift"}, {16, "Key #16"},   {112, "Key #112"}, {-5, "Key #-5"}};
    for (const auto& [code, name] : keys) {
        EXPECT_EQ(KeyName(code), name) << code;
    }
}

} // namespace
} // namespace brinox
