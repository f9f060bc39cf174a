#include "settings/OptionsFile.h"

#include "FileTestSupport.h"
#include "engine/FileNames.h"
#include "settings/Archive.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

using testing::Bytes;
using testing::ByteVector;
using testing::FileBytes;
using testing::PutFile;
using testing::ScratchDirectory;

ByteVector DefaultFile(const std::string& appDirectory) {
    Bytes b;
    b.Str("BRINOX2000_OPTIONS_FILE").Int(195);
    for (std::int32_t v :
         {0, 0, 1, 50, 50, 1, 1, 1, 0, 0, 1, 37, 39, 40, 32, 38, 50, 50, 50, 1000, 100, 6, 1}) {
        b.Int(v);
    }
    b.Int(1); // master sound switch
    for (int e = 0; e < 11; ++e) {
        b.Int(1);
    }
    for (int e = 0; e < 11; ++e) {
        b.Str(appDirectory + std::string(files::kDefaultSounds[e]));
    }
    b.Int(0).Int(0).Int(0).Int(19);
    return b.Get();
}

Options Defaults(const std::string& appDirectory) {
    Options o;
    o.SetDefaults();
    o.SetDefaultSoundFiles(appDirectory);
    return o;
}

class OptionsFileTest : public ::testing::Test {
protected:
    std::string OptionsPath() const { return dir.File("brinox.dat"); }
    ScratchDirectory dir;
};

TEST_F(OptionsFileTest, FirstStartWritesExactlyTheDefaults) {
    Options options;
    options.keyLeft = 65; // whatever was there is replaced by the defaults
    EXPECT_EQ(StartOptions(dir.path, options), OptionsStartup::CreatedDefaults);
    EXPECT_EQ(options, Defaults(dir.path));
    EXPECT_EQ(FileBytes(OptionsPath()), DefaultFile(dir.path));
    EXPECT_EQ(StartOptions(dir.path, options), OptionsStartup::Loaded);
}

TEST_F(OptionsFileTest, ForeignHeaderChangesNothingAndIsReplacedAtStart) {
    for (const ByteVector& bad :
         {Bytes().Str("BRINOX2000_OPTIONS_FILE").Int(194).Int(1).Get(),
          Bytes().Str("brinox2000_options_file").Int(195).Int(1).Get(),
          Bytes().Str("BRINOX2000_OPTIONS").Int(195).Int(1).Get(), ByteVector{}}) {
        PutFile(OptionsPath(), bad);
        Options options = Defaults(dir.path);
        options.gameType = 1;
        const Options before = options;
        EXPECT_FALSE(LoadOptions(dir.path, options));
        EXPECT_EQ(options, before);
        EXPECT_EQ(StartOptions(dir.path, options), OptionsStartup::CreatedDefaults);
        EXPECT_EQ(FileBytes(OptionsPath()), DefaultFile(dir.path));
    }
}

TEST_F(OptionsFileTest, FileCutAnywhereKeepsWhatItHeldAndStartRepairsIt) {
    Options custom = Defaults(dir.path);
    custom.gameType = 1;
    custom.keyLeft = 65;
    custom.keyPause = 80;
    ASSERT_TRUE(SaveOptions(dir.path, custom));
    const ByteVector whole = FileBytes(OptionsPath());
    const std::size_t header = 1 + 23 + 4;
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const ByteVector part = testing::Prefix(whole, cut);
        Archive in;
        in.OpenForLoad(part);
        Options options = Defaults(dir.path);
        EXPECT_FALSE(LoadOptions(in, options)) << cut;
        // The game type is the first field: kept once its four bytes are there.
        EXPECT_EQ(options.gameType, cut >= header + 4 ? 1 : 0) << cut;
        EXPECT_EQ(options.keyPause, 19) << cut;
    }
    PutFile(OptionsPath(), testing::Prefix(whole, whole.size() - 4));
    Options options;
    EXPECT_EQ(StartOptions(dir.path, options), OptionsStartup::CreatedDefaults);
    EXPECT_EQ(options.keyLeft, 65); // salvaged, and written back in a whole file
    Options reread = Defaults(dir.path);
    EXPECT_TRUE(LoadOptions(dir.path, reread));
    EXPECT_EQ(reread.keyLeft, 65);
    EXPECT_EQ(reread.keyPause, 19);
}

TEST_F(OptionsFileTest, UnwritableDirectoryReportsCannotSave) {
    Options options;
    EXPECT_EQ(StartOptions(dir.File("missing/"), options), OptionsStartup::CannotSave);
    EXPECT_EQ(options.blockSet, 6);
}

TEST_F(OptionsFileTest, ValuesTheOptionsPagesNeverWriteComeBackAsDefaults) {
    const struct {
        std::int32_t Options::*field;
        std::int32_t stored, loaded;
    } cases[] = {{&Options::gameType, 2, 0},
                 {&Options::gameType, -1, 0},
                 {&Options::gameMode, 4, 0},
                 {&Options::bombsOn, 2, 1},
                 {&Options::blockSet, 14, 6},
                 {&Options::blockSet, 13, 13},
                 {&Options::digitSet, 3, 0},
                 {&Options::fieldBackground, 5, 0},
                 {&Options::demolitionSpeed, 1001, 50},
                 {&Options::sensDrop, 5000, 1000},
                 {&Options::sensRotate, 0, 0},
                 {&Options::startLevel, 20, 0},
                 {&Options::startHeight, 14, 0},
                 {&Options::startHeight, 13, 13},
                 {&Options::keyLeft, 256, 37},
                 {&Options::keyPause, 0, 19},
                 {&Options::userColor, -1, 0x00FFFFFF},
                 {&Options::reservedFlag, 12345, 12345}};
    for (const auto& c : cases) {
        Options hostile = Defaults(dir.path);
        hostile.*c.field = c.stored;
        ASSERT_TRUE(SaveOptions(dir.path, hostile));
        Options loaded = Defaults(dir.path);
        ASSERT_TRUE(LoadOptions(dir.path, loaded));
        EXPECT_EQ(loaded.*c.field, c.loaded) << c.stored;
    }
}

TEST(OptionsCombinationTest, QuinelChampionshipFallsBackToClassic) {
    Options o;
    o.gameType = 1;
    o.gameMode = 3;
    o.soundEnabled[4] = 9;
    SanitizeOptions(o);
    EXPECT_EQ(o.gameType, 1);
    EXPECT_EQ(o.gameMode, 0);
    EXPECT_EQ(o.soundEnabled[4], 1);
}

} // namespace
} // namespace brinox
