#include "settings/AppDirectory.h"

#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

TEST(AppDirectoryTest, IsTheCurrentDirectoryWithASlashOrNothingWhereNoFileCanBeMade) {
    const std::filesystem::path previous = std::filesystem::current_path();
    ScratchDirectory dir;
    std::filesystem::current_path(dir.path);
    const auto found = DetermineAppDirectory();
    EXPECT_EQ(found.value_or(""), std::filesystem::current_path().string() + "/");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path)) << "no scratch file left";
    std::filesystem::current_path("/proc"); // not even root can create a file here
    EXPECT_FALSE(DetermineAppDirectory());
    std::filesystem::current_path(previous);
}

} // namespace
} // namespace brinox::test
