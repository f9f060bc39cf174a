#include "settings/OptionsFile.h"

#include "settings/Archive.h"
#include "settings/PieceMarksFile.h"
#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

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

TEST_F(OptionsFileTest, DamagedFilesAreRepairedAtStartKeepingWhatTheyHeld) {
    Options custom = Defaults(dir.path);
    custom.keyLeft = 65;
    ASSERT_TRUE(SaveOptions(dir.path, custom));
    const ByteVector whole = FileBytes(OptionsPath());
    // A foreign signature or format number holds nothing; a cut file its first fields.
    const std::pair<ByteVector, std::int32_t> files[] = {
        {Bytes().Str("BRINOX2000_OPTIONS_FILE").Int(194).Int(1).Get(), 37},
        {Bytes().Str("brinox2000_options_file").Int(195).Int(1).Get(), 37},
        {Prefix(whole, whole.size() - 4), 65}};
    for (const auto& [bytes, keyLeft] : files) {
        PutFile(OptionsPath(), bytes);
        Options options = custom;
        options.keyPause = 80;
        EXPECT_EQ(StartOptions(dir.path, options), OptionsStartup::CreatedDefaults);
        EXPECT_EQ(options.keyLeft, keyLeft);
        EXPECT_EQ(options.keyPause, 19);
        Options reread = Defaults(dir.path);
        EXPECT_TRUE(LoadOptions(dir.path, reread));
        EXPECT_EQ(reread, options);
    }
    EXPECT_EQ(StartOptions(dir.File("missing/"), custom), OptionsStartup::CannotSave);
}

// Typed speeds have no upper limit, so only a negative one is foreign.
TEST_F(OptionsFileTest, ValuesTheOptionsPagesNeverWriteComeBackAsDefaults) {
    using O = Options;
    const struct {
        std::int32_t Options::*field;
        std::int32_t stored, loaded;
    } cases[] = {// clang-format off
        {&O::gameType, 2, 0}, {&O::gameType, -1, 0}, {&O::blockSet, 14, 6}, {&O::blockSet, 13, 13},
        {&O::startHeight, 14, 0}, {&O::sensDrop, 5000, 5000}, {&O::sensLeft, -1, 50},
        {&O::demolitionSpeed, 2147483647, 2147483647}, {&O::levelAnimationSpeed, -7, 50},
        {&O::keyLeft, 256, 37}, {&O::keyPause, 0, 19}, {&O::userColor, -1, 0x00FFFFFF},
        {&O::reservedFlag, 12345, 12345}};
    // clang-format on
    for (const auto& c : cases) {
        Options hostile = Defaults(dir.path);
        hostile.*c.field = c.stored;
        ASSERT_TRUE(SaveOptions(dir.path, hostile));
        Options loaded = Defaults(dir.path);
        ASSERT_TRUE(LoadOptions(dir.path, loaded));
        EXPECT_EQ(loaded.*c.field, c.loaded) << c.stored;
    }
}

TEST_F(OptionsFileTest, PieceMarksAreReadAtStartFromMarksDatAndAMissingOrForeignOneMeansOff) {
    EXPECT_EQ(ReadPieceMarksSetting(dir.path), 0);
    Options options;
    options.pieceMarks = 1;
    ASSERT_TRUE(SaveOptions(dir.path, options));
    const Bytes head = Bytes().Str("BRINOX2000_MARKS_FILE").Int(1);
    EXPECT_EQ(FileBytes(dir.File("marks.dat")), Bytes(head).Int(1).Get());
    EXPECT_EQ(StartOptions(dir.path, options), OptionsStartup::Loaded);
    EXPECT_EQ(options.pieceMarks, 1);
    for (const ByteVector& foreign : {Bytes(head).Int(2).Get(), Prefix(Bytes(head).Get(), 26)}) {
        PutFile(dir.File("marks.dat"), foreign);
        EXPECT_EQ(ReadPieceMarksSetting(dir.path), 0);
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
} // namespace brinox::test
