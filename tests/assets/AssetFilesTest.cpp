#include "ui/AssetFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include <unistd.h>

namespace brinox::assets {
namespace {

std::size_t IndexOf(const std::vector<std::string>& list, const std::string& name) {
    return static_cast<std::size_t>(std::find(list.begin(), list.end(), name) - list.begin());
}

TEST(AssetCheckList, HoldsTheHelpFileElevenSoundsAndEveryPictureInWarningOrder) {
    const auto& list = CheckList();
    ASSERT_EQ(list.size(), 115u);
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), 115u) << "no duplicates";
    const std::vector<std::string> head = {
        "brinox.hlp",        "snd/add.wav",        "snd/bomb.wav",       "snd/bombout.wav",
        "snd/button.wav",    "snd/drop.wav",       "snd/gameover.wav",   "snd/gamewin.wav",
        "snd/level.wav",     "snd/line.wav",       "snd/start.wav",      "snd/time.wav",
        "graph/back.bmp",    "graph/backb.bmp",    "graph/back1.bmp",    "graph/back1b.bmp",
        "graph/back2.bmp",   "graph/back2b.bmp",   "graph/back3.bmp",    "graph/back3b.bmp",
        "graph/back4.bmp",   "graph/back4b.bmp",   "graph/bbarmin.bmp",  "graph/bbarplus.bmp",
        "graph/bbombs.bmp",  "graph/bbombsx.bmp",  "graph/bexit.bmp",    "graph/bhelp.bmp",
        "graph/bload.bmp",   "graph/blogo.bmp",    "graph/bmin.bmp",     "graph/bplus.bmp",
        "graph/stat.bmp",    "graph/help.bmp",     "graph/bmodes.bmp",   "graph/bmodesx.bmp",
        "graph/bombs.bmp",   "graph/boptions.bmp", "graph/bpauseof.bmp", "graph/bpauseon.bmp",
        "graph/bpausex.bmp", "graph/bsave.bmp",    "graph/bsavex.bmp",   "graph/bstart.bmp",
        "graph/bstop.bmp",   "graph/btable.bmp",   "graph/btypes.bmp",   "graph/btypesx.bmp",
        "graph/bwwwtbl.bmp", "graph/digits.bmp",   "graph/digits2.bmp",  "graph/digits3.bmp",
        "graph/expl.bmp",    "graph/explb.bmp",    "graph/ianim0.bmp"};
    for (std::size_t i = 0; i < head.size(); ++i) {
        EXPECT_EQ(list[i], head[i]) << "entry " << i;
    }
    EXPECT_EQ(list[54 + 13], "graph/ianim13.bmp");
    EXPECT_EQ(list[54 + 14], "graph/ianim0b.bmp");
    EXPECT_EQ(list[54 + 28], "graph/items0.bmp");
    EXPECT_EQ(list[54 + 41], "graph/items13.bmp");
    EXPECT_EQ(list[54 + 42], "graph/items0b.bmp");
    EXPECT_EQ(list[54 + 55], "graph/items13b.bmp");
    const std::vector<std::string> tail = {"graph/modes.bmp", "graph/nextbar.bmp",
                                           "graph/toolbar.bmp", "graph/types.bmp",
                                           "graph/tdigits.bmp"};
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), list.end() - 5));
    EXPECT_EQ(IndexOf(list, "snd/bestscr.wav"), list.size()) << "the best-score sound is optional";
}

TEST(AssetNames, PerSetPicturesFollowTheSetAndSize) {
    EXPECT_EQ(BlockPicture(0, 0), "graph/items0.bmp");
    EXPECT_EQ(BlockPicture(13, 1), "graph/items13b.bmp");
    EXPECT_EQ(RemovalPicture(7, 0), "graph/ianim7.bmp");
    EXPECT_EQ(RemovalPicture(12, 1), "graph/ianim12b.bmp");
    EXPECT_EQ(DigitPicture(0), "graph/digits.bmp");
    EXPECT_EQ(DigitPicture(1), "graph/digits2.bmp");
    EXPECT_EQ(DigitPicture(2), "graph/digits3.bmp");
}

TEST(AssetNames, StartUpLoadsFortyNinePicturesOfTheCurrentSets) {
    const auto order = StartupPictures(5, 2);
    ASSERT_EQ(order.size(), 49u);
    const std::vector<std::string> head = {
        "graph/back.bmp",     "graph/backb.bmp",   "graph/items5.bmp",   "graph/items5b.bmp",
        "graph/toolbar.bmp",  "graph/nextbar.bmp", "graph/ianim5.bmp",   "graph/ianim5b.bmp",
        "graph/digits3.bmp",  "graph/expl.bmp",    "graph/explb.bmp",    "graph/bbarmin.bmp",
        "graph/bbarplus.bmp", "graph/bstart.bmp",  "graph/bstop.bmp",    "graph/bpauseof.bmp",
        "graph/bpauseon.bmp", "graph/bpausex.bmp", "graph/boptions.bmp", "graph/bsave.bmp",
        "graph/bsavex.bmp",   "graph/bload.bmp",   "graph/btable.bmp",   "graph/bwwwtbl.bmp",
        "graph/bhelp.bmp",    "graph/bexit.bmp",   "graph/btypes.bmp",   "graph/btypesx.bmp",
        "graph/bmodes.bmp",   "graph/bmodesx.bmp", "graph/bbombs.bmp",   "graph/bbombsx.bmp",
        "graph/types.bmp",    "graph/modes.bmp",   "graph/bombs.bmp",    "graph/back1.bmp",
        "graph/back1b.bmp",   "graph/back2.bmp",   "graph/back2b.bmp",   "graph/back3.bmp",
        "graph/back3b.bmp",   "graph/back4.bmp",   "graph/back4b.bmp",   "graph/blogo.bmp",
        "graph/bmin.bmp",     "graph/bplus.bmp",   "graph/stat.bmp",     "graph/help.bmp",
        "graph/tdigits.bmp"};
    EXPECT_EQ(order, head);
    for (const std::string& name : StartupPictures(0, 0)) {
        EXPECT_LT(IndexOf(CheckList(), name), CheckList().size()) << name << " is checked";
    }
}

TEST(MissingFilesWarning, ListsEachNameOnItsOwnLineThenAnEmptyLine) {
    EXPECT_EQ(MissingFilesWarning({"snd/drop.wav", "graph/stat.bmp"}),
              "Attention! This files were not found:\nsnd/drop.wav\ngraph/stat.bmp\n"
              "\nProgram may work incorrectly");
    EXPECT_EQ(MissingFilesWarning({"brinox.hlp"}),
              "Attention! This files were not found:\nbrinox.hlp\n\nProgram may work incorrectly");
    EXPECT_EQ(MissingFilesWarning({}), "");
}

class MissingAssetFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("brinox_missing_" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "graph");
        std::filesystem::create_directories(root / "snd");
        app = root.string() + "/";
    }
    void TearDown() override { std::filesystem::remove_all(root); }
    void CreateAllBut(const std::set<std::string>& skipped) {
        for (const std::string& name : CheckList()) {
            if (!skipped.count(name)) {
                std::ofstream(app + name) << "x";
            }
        }
    }
    std::filesystem::path root;
    std::string app;
};

TEST_F(MissingAssetFilesTest, ReportsExactlyTheAbsentFilesInCheckOrder) {
    CreateAllBut({"graph/stat.bmp", "snd/drop.wav", "graph/items9b.bmp"});
    EXPECT_EQ(MissingAssetFiles(app),
              (std::vector<std::string>{"snd/drop.wav", "graph/stat.bmp", "graph/items9b.bmp"}));
}

TEST_F(MissingAssetFilesTest, ADirectoryUnderAFileNameCountsAsMissing) {
    CreateAllBut({"brinox.hlp"});
    std::filesystem::create_directory(root / "brinox.hlp");
    EXPECT_EQ(MissingAssetFiles(app), std::vector<std::string>{"brinox.hlp"});
}

TEST_F(MissingAssetFilesTest, NothingMissingAndTheBestScoreSoundIsNeverAsked) {
    CreateAllBut({});
    EXPECT_TRUE(MissingAssetFiles(app).empty());
    EXPECT_FALSE(std::filesystem::exists(root / "snd" / "bestscr.wav"));
}

TEST_F(MissingAssetFilesTest, AnEmptyDirectoryMissesAll) {
    EXPECT_EQ(MissingAssetFiles(app), CheckList());
    EXPECT_EQ(MissingAssetFiles(app + "no/such/dir/").size(), 115u);
}

} // namespace
} // namespace brinox::assets
