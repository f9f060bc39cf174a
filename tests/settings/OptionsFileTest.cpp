#include "settings/OptionsFile.h"

#include "settings/Archive.h"
#include "settings/PieceMarksFile.h"
#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

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

// The ranges of the options record, where typed speeds have no upper limit:
// each field's lowest and highest value load back as stored, one beyond either
// as its default. The colour keeps its low three bytes, the reserved flag anything.
TEST_F(OptionsFileTest, EachFieldKeepsItsRangeAndLoadsItsDefaultBeyond) {
    using O = Options;
    constexpr std::int32_t kAny = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::int32_t O::*field;
        std::int32_t low, high;
    } ranges[] = {// clang-format off
        {&O::gameType, 0, 1}, {&O::gameMode, 0, 3}, {&O::bombsOn, 0, 1}, {&O::startLevel, 0, 19},
        {&O::startHeight, 0, 13}, {&O::demolitionSpeed, 0, kAny}, {&O::levelAnimationSpeed, 0, kAny},
        {&O::showNextBar, 0, 1}, {&O::showToolBar, 0, 1}, {&O::showStatusBar, 0, 1},
        {&O::fieldBackground, 0, 4}, {&O::blockSet, 0, 13}, {&O::digitSet, 0, 2},
        {&O::animateTitle, 0, 1}, {&O::keyLeft, 1, 255}, {&O::keyRight, 1, 255}, {&O::keyDown, 1, 255},
        {&O::keyDrop, 1, 255}, {&O::keyRotate, 1, 255}, {&O::keyPause, 1, 255}, {&O::sensLeft, 0, kAny},
        {&O::sensRight, 0, kAny}, {&O::sensDown, 0, kAny}, {&O::sensDrop, 0, kAny},
        {&O::sensRotate, 0, kAny}, {&O::soundOn, 0, 1}};
    // clang-format on
    const auto loaded = [this](std::int32_t O::*field, std::int32_t stored) {
        Options hostile = Defaults(dir.path);
        hostile.*field = stored;
        EXPECT_TRUE(SaveOptions(dir.path, hostile));
        Options read = Defaults(dir.path);
        EXPECT_TRUE(LoadOptions(dir.path, read));
        return read.*field;
    };
    const Options defaults = Defaults(dir.path);
    for (const auto& [field, low, high] : ranges) {
        EXPECT_EQ(loaded(field, low), low);
        EXPECT_EQ(loaded(field, high), high);
        EXPECT_EQ(loaded(field, low - 1), defaults.*field) << low;
        EXPECT_EQ(loaded(field, high == kAny ? high : high + 1),
                  high == kAny ? high : defaults.*field);
    }
    EXPECT_EQ(loaded(&O::userColor, -1), 0x00FFFFFF);
    EXPECT_EQ(loaded(&O::reservedFlag, 12345), 12345);
    Options o; // Quinel has no championship table; a sound switch is 0 or 1
    o.gameType = Quinel, o.gameMode = WorldChampionship, o.soundEnabled[4] = 9;
    SanitizeOptions(o);
    EXPECT_EQ(std::tie(o.gameType, o.gameMode, o.soundEnabled[4]), std::tuple(Quinel, Classic, 1));
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

} // namespace
} // namespace brinox::test
