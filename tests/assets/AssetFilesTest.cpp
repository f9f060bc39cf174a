#include "ui/AssetFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

namespace brinox::assets {
namespace {

TEST(AssetCheckList, HelpSoundsThenPicturesWithoutTheOptionalBestScoreSound) {
    const auto& list = CheckList();
    ASSERT_EQ(list.size(), 115u);
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), 115u);
    EXPECT_EQ(list[0], "brinox.hlp");
    EXPECT_EQ(list[1], "snd/add.wav");
    EXPECT_EQ(list[11], "snd/time.wav");
    EXPECT_EQ(list[12], "graph/back.bmp");
    EXPECT_EQ(list.back(), "graph/tdigits.bmp");
    EXPECT_EQ(std::count(list.begin(), list.end(), "snd/bestscr.wav"), 0);
    EXPECT_EQ(StartupPictures(5, 2).size(), 49u);
    EXPECT_EQ(BlockPicture(13, 1), "graph/items13b.bmp");
    EXPECT_EQ(RemovalPicture(7, 0), "graph/ianim7.bmp");
    EXPECT_EQ(DigitPicture(1), "graph/digits2.bmp");
}

TEST(MissingAssetFiles, ReportsExactlyTheAbsentFilesInCheckOrder) {
    const auto root =
        std::filesystem::temp_directory_path() / ("brinox_missing_" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "graph");
    std::filesystem::create_directories(root / "snd");
    const std::string app = root.string() + "/";
    EXPECT_EQ(MissingAssetFiles(app), CheckList());
    const std::set<std::string> skipped = {"graph/stat.bmp", "snd/drop.wav", "graph/items9b.bmp"};
    for (const std::string& name : CheckList()) {
        if (!skipped.count(name) && name != "brinox.hlp") {
            std::ofstream(app + name) << "x";
        }
    }
    std::filesystem::create_directory(root / "brinox.hlp"); // a directory is not the file
    EXPECT_EQ(MissingAssetFiles(app),
              (std::vector<std::string>{"brinox.hlp", "snd/drop.wav", "graph/stat.bmp",
                                        "graph/items9b.bmp"}));
    std::filesystem::remove_all(root);
    EXPECT_EQ(MissingFilesWarning({"snd/drop.wav", "graph/stat.bmp"}),
              "Attention! This files were not found:\nsnd/drop.wav\ngraph/stat.bmp\n"
              "\nProgram may work incorrectly");
    EXPECT_EQ(MissingFilesWarning({}), "");
}

} // namespace
} // namespace brinox::assets
