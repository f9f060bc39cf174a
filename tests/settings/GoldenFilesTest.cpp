// Byte layouts written out by hand from the file formats, independent of
// the code's own field tables: every field of the options file holds its
// own value, and the saved game's plain fields and multiplier groups.
#include "settings/OptionsFile.h"
#include "settings/SavedGame.h"

#include "engine/FileNames.h"
#include "settings/Archive.h"
#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace brinox::test {
namespace {

// The options file's integer fields 3..52 in file order (the eleven sound
// files come between soundEnabled[10] and startLevel).
std::vector<std::int32_t*> IntegerFields(Options& o) {
    // clang-format off
    std::vector<std::int32_t*> head = {&o.gameType, &o.gameMode, &o.bombsOn, &o.demolitionSpeed,
        &o.levelAnimationSpeed, &o.showNextBar, &o.showToolBar, &o.showStatusBar, &o.userColor,
        &o.fieldBackground, &o.reservedFlag, &o.keyLeft, &o.keyRight, &o.keyDown, &o.keyDrop,
        &o.keyRotate, &o.sensLeft, &o.sensRight, &o.sensDown, &o.sensDrop, &o.sensRotate,
        &o.blockSet, &o.animateTitle, &o.soundOn};
    // clang-format on
    for (int e = 0; e < 11; ++e) { // the twelfth switch is not stored
        head.push_back(&o.soundEnabled[e]);
    }
    head.insert(head.end(), {&o.startLevel, &o.startHeight, &o.digitSet, &o.keyPause});
    return head;
}

std::string SoundName(const std::string& stem, int event) {
    return std::string(stem).append(std::to_string(event)).append(".wav");
}

Bytes OptionsBytes(const std::vector<std::int32_t>& values, const std::string& fileStem) {
    Bytes b;
    b.Str("BRINOX2000_OPTIONS_FILE").Int(195);
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (int e = 0; i == 35 && e < 11; ++e) {
            b.Str(SoundName(fileStem, e));
        }
        b.Int(values[i]);
    }
    return b;
}

TEST(OptionsGolden, FiftyTwoDistinctFieldsAreWrittenInTheirPlaces) {
    ScratchDirectory dir;
    Options o;
    std::vector<std::int32_t> values;
    for (std::int32_t* field : IntegerFields(o)) {
        values.push_back(1000 + static_cast<std::int32_t>(values.size()) * 7);
        *field = values.back();
    }
    for (int e = 0; e < 11; ++e) {
        o.soundFile[e] = SoundName("w", e);
    }
    o.soundFile[11] = "not stored";
    ASSERT_TRUE(SaveOptions(dir.path, o));
    EXPECT_EQ(FileBytes(dir.File("brinox.dat")), OptionsBytes(values, "w").Get());
}

TEST(OptionsGolden, AFileOfInRangeValuesLoadsEachIntoItsField) {
    ScratchDirectory dir;
    // Distinct wherever the range allows it; the switches alternate.
    const std::vector<std::int32_t> values = {
        1,  2, 0, 3, 4, 0, 1, 0, 0x123456, 4, 7, 65, 66, 67, 68, 69, 10, 11, 12, 13,
        14, 9, 0, 1, 0, 1, 0, 1, 0,        1, 0, 1,  0,  1,  0,  19, 13, 2,  80};
    PutFile(dir.File("brinox.dat"), OptionsBytes(values, "/snd/s").Get());
    Options loaded;
    ASSERT_TRUE(LoadOptions(dir.path, loaded));
    const std::vector<std::int32_t*> fields = IntegerFields(loaded);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(*fields[i], values[i]) << "field " << i + 3;
    }
    EXPECT_EQ(loaded.soundFile[10], "/snd/s10.wav");
    EXPECT_EQ(loaded.soundEnabled[11], 1);
}

TEST(OptionsGolden, FirstStartStoresTheDefaults) {
    ScratchDirectory dir;
    Options options;
    options.keyLeft = 65; // whatever was there is replaced
    EXPECT_EQ(StartOptions(dir.path, options), OptionsStartup::CreatedDefaults);
    const std::vector<std::int32_t> defaults = {0,  0,  1,  50, 50, 1,  1,    1,   0, 0, 1, 37, 39,
                                                40, 32, 38, 50, 50, 50, 1000, 100, 6, 1, 1, 1,  1,
                                                1,  1,  1,  1,  1,  1,  1,    1,   1, 0, 0, 0,  19};
    const std::vector<std::int32_t*> fields = IntegerFields(options);
    for (std::size_t i = 0; i < defaults.size(); ++i) {
        EXPECT_EQ(*fields[i], defaults[i]) << "field " << i + 3;
    }
    for (int e = 0; e < 11; ++e) {
        EXPECT_EQ(options.soundFile[e], dir.path + std::string(files::kDefaultSounds[e]));
    }
    Options stored;
    EXPECT_EQ(StartOptions(dir.path, stored), OptionsStartup::Loaded);
    EXPECT_EQ(stored, options);
}

// The stored integers of a saved game written with key k, after its header.
std::vector<std::int32_t> StoredIntegers(const SavedGame& game, std::int32_t key) {
    ScratchDirectory dir;
    {
        Archive out;
        EXPECT_TRUE(out.OpenForStore(dir.File("g.tsv")));
        WriteSavedGame(out, game, key);
        EXPECT_TRUE(out.Close());
    }
    Archive in;
    EXPECT_TRUE(in.OpenForLoad(dir.File("g.tsv")));
    std::int32_t value = 0;
    EXPECT_TRUE(CheckSignature(in, "BRINOX2000_SAVE_FILE", 11) && in.ReadInt(value) &&
                value == key);
    std::vector<std::int32_t> stored;
    for (int i = 0; i < 236; ++i) { // 210 cells and 26 numbers before the two strings
        EXPECT_TRUE(in.ReadInt(value));
        stored.push_back(value);
    }
    std::string start, end;
    EXPECT_TRUE(in.ReadString(start) && start == "start" && in.ReadString(end) && end == "end");
    while (in.ReadInt(value)) {
        stored.push_back(value);
    }
    EXPECT_EQ(stored.size(), 243u);
    return stored;
}

TEST(SavedGameGolden, PlainFieldsAndTheSignOfEachMultiplierGroup) {
    SavedGame g;
    std::int32_t next = 1;
    // Each stored number with what it holds, in file order: the cells row by row first.
    std::vector<std::int32_t> values;
    for (std::int32_t r = 0; r < Board::kRows; ++r) {
        for (std::int32_t c = 0; c < Board::kColumns; ++c) {
            values.push_back(g.board.At(c, r) = (r * 10 + c) % 16);
        }
    }
    GameState& s = g.state;
    // clang-format off
    for (std::int32_t* f : {&g.gameInProgress, &s.currentKind, &s.rotation, &s.column, &s.row,
             &s.drawnKind, &s.drawnRotation, &s.drawnColumn, &s.drawnRow, &s.nextKind,
             &s.fallPeriodMs, &s.level, &s.score, &s.lines, &s.linesLeft, &s.timerSeconds,
             &s.risingCounter, &s.risingPeriod, &s.pieceStartSecond, &s.clockRefsValid,
             &g.gameType, &g.gameMode, &g.bombsOn, &s.gameSeconds, &s.pieces,
             &s.bombs, &s.minDropSeconds, &s.maxDropSeconds, &s.avgDropSeconds}) {
        // clang-format on
        *f = 100 + next++;
    }
    for (std::uint32_t* f :
         {&s.lastFallTime, &s.lastStepTime, &s.timerRefTime, &s.elapsedRefTime}) {
        *f = 100 + static_cast<std::uint32_t>(next++);
    }
    s.startTime = "start";
    s.endTime = "end";
    values.insert(values.end(), {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 130,
                                 131, 111, 112, 113, 114, 115, 116, 117, 118, 119, 132,
                                 120, 121, 122, 123, 133, 124, 125, 126, 127, 128, 129});
    const std::vector<std::int32_t> key1 = StoredIntegers(g, 1);
    const std::vector<std::int32_t> key3 = StoredIntegers(g, 3);
    ASSERT_EQ(key1.size(), values.size());
    // Each number's multiplier: P the piece's, D its negative, O a counter's own, 0 none. After
    // the cells: in progress, piece (4), drawn piece (4), next, two clocks, seven counters with
    // multipliers of their own, rising period, then plain.
    const std::string kinds = std::string(210, 'P') + "0PPPPDDDDP00OOOOOOOP0000000000000";
    const std::int32_t piece = key1[0] - values[0];
    EXPECT_NE(piece, 0);
    std::set<std::int32_t> own = {piece};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const std::int32_t m = key1[i] - values[i];
        EXPECT_EQ(key3[i] - values[i], 3 * m) << "offset m * k at " << i;
        if (kinds[i] == 'O') {
            EXPECT_TRUE(m > 0 && own.insert(m).second) << "a multiplier of its own at " << i;
        } else {
            EXPECT_EQ(m, kinds[i] == 'P' ? piece : kinds[i] == 'D' ? -piece : 0) << i;
        }
    }
}

} // namespace
} // namespace brinox::test
