// The program's files over a run, without a window: what start-up reads and
// writes, what a failing options file leads to, and what quitting and the
// window's end write, each once.
#include "FakeClock.h"
#include "FileTestSupport.h"

#include "scores/UsageRecords.h"
#include "settings/OptionsFile.h"
#include "settings/WindowSizeFile.h"
#include "ui/ProgramFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace brinox::test {
namespace {

// The player's language, as the test tells it: a mark before the English.
std::string Shown(const char* english) {
    return std::string("~").append(english);
}

class ProgramFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::current_path(directory.path);
        files.SetPrompts({[this](std::string_view text) { said.emplace_back(text); },
                          [this] {
                              said.emplace_back("quit?");
                              if (quitAnswer) {
                                  files.Quit();
                              }
                          },
                          Shown});
    }
    void TearDown() override { std::filesystem::current_path(before); }
    bool Exists(std::string_view name) const {
        return std::filesystem::exists(directory.File(name));
    }
    // A folder in place of brinox.dat makes every write of it fail.
    void BlockOptionsFile() {
        std::filesystem::remove(directory.File("brinox.dat"));
        std::filesystem::create_directory(directory.File("brinox.dat"));
    }

    std::filesystem::path before = std::filesystem::current_path();
    ScratchDirectory directory;
    FakeClock clock;
    Options options;
    ProgramFiles files{options, clock};
    std::vector<std::string> said;
    bool quitAnswer = false;
};

TEST_F(ProgramFilesTest, AFirstRunWritesItsRecordsAndCountsItsTimeOnceAtQuitAndEnd) {
    ASSERT_EQ(files.Open(), ProgramFiles::Start::Ready);
    EXPECT_EQ(files.Directory(), directory.path);
    EXPECT_TRUE(Exists("brinox.dat") && Exists("sdata.dat"));
    EXPECT_FALSE(Exists("ws.dat")) << "the window size is written when the window goes";
    files.SetWindowSizeSetting(1);
    options.blockSet = 4;
    clock.Advance(61'000);
    files.Quit();
    clock.Advance(5'000);
    files.ShutDown();
    files.ShutDown();
    EXPECT_EQ(ReadRunningTime(directory.path), (RunningTime{0, 1, 1}));
    EXPECT_EQ(ReadWindowSizeSetting(directory.path), 1);
    Options stored;
    ASSERT_TRUE(LoadOptions(directory.path, stored));
    EXPECT_EQ(stored.blockSet, 4);
}

TEST_F(ProgramFilesTest, AnOptionsFileThatCannotBeSavedWarnsAndAsksToQuitUnlessQuittingAlready) {
    ASSERT_EQ(files.Open(), ProgramFiles::Start::Ready);
    said.clear(); // the missing pictures
    BlockOptionsFile();
    files.SaveOptions();
    const std::string cannotSave = Shown(kCannotSaveOptionsMessage); // in the player's language
    EXPECT_EQ(said, (std::vector<std::string>{cannotSave, "quit?"}));
    quitAnswer = true;
    files.SaveOptions();
    EXPECT_TRUE(files.Quitting());
    said.clear();
    files.SaveOptions();
    files.ShutDown();
    EXPECT_TRUE(said.empty()) << "on the way out a failure is not asked about again";
}

class StartFailureTest : public ProgramFilesTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartFailureTest, AStartWithoutAWritableOptionsFileEndsAndLeavesTheFilesAlone) {
    BlockOptionsFile();
    quitAnswer = GetParam();
    EXPECT_EQ(files.Open(), quitAnswer ? ProgramFiles::Start::Quit : ProgramFiles::Start::Failed);
    std::vector<std::string> expected = {Shown(kCannotSaveOptionsMessage), "quit?"};
    if (!quitAnswer) {
        expected.emplace_back(Shown(kCannotCreateOptionsMessage));
    }
    EXPECT_EQ(said, expected);
    files.ShutDown();
    EXPECT_FALSE(Exists("ws.dat"));
}
INSTANTIATE_TEST_SUITE_P(QuitAnswer, StartFailureTest, ::testing::Bool());

} // namespace
} // namespace brinox::test
