#include "settings/AppDirectory.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace brinox {
namespace {

class AppDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override { previous = std::filesystem::current_path(); }
    void TearDown() override { std::filesystem::current_path(previous); }
    std::filesystem::path previous;
};

TEST_F(AppDirectoryTest, IsTheCurrentDirectoryWithASlashAndLeavesNoScratchFile) {
    testing::ScratchDirectory dir;
    std::filesystem::current_path(dir.path);
    const auto found = DetermineAppDirectory();
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, std::filesystem::current_path().string() + "/");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST_F(AppDirectoryTest, DirectoryWhereNoFileCanBeCreatedGivesNothing) {
    // Not even root can create a file here.
    std::filesystem::current_path("/proc");
    EXPECT_FALSE(DetermineAppDirectory());
}

} // namespace
} // namespace brinox
