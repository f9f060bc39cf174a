#include "settings/SavedGame.h"

#include "FileTestSupport.h"
#include "settings/Archive.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace brinox {
namespace {

using testing::ByteVector;
using testing::FileBytes;
using testing::PutFile;
using testing::ScratchDirectory;

SavedGame SampleGame() {
    SavedGame g;
    g.board.At(0, 20) = 3;
    g.board.At(9, 20) = 15;
    g.board.At(4, 10) = 0;
    g.gameInProgress = 1;
    g.gameType = 1;
    g.gameMode = 2;
    g.bombsOn = 0;
    GameState& s = g.state;
    s.currentKind = 12;
    s.rotation = 3;
    s.column = 5;
    s.row = 7;
    s.drawnKind = 12;
    s.drawnRotation = 2;
    s.drawnColumn = 5;
    s.drawnRow = 6;
    s.nextKind = 15;
    s.lastFallTime = 0xFFFFFF00u;
    s.lastStepTime = 17;
    s.fallPeriodMs = 450;
    s.level = 20;
    s.score = 1'999'999'999;
    s.lines = 310;
    s.linesLeft = -2;
    s.timerSeconds = -1;
    s.risingCounter = 4;
    s.risingPeriod = 9;
    s.pieceStartSecond = 42;
    s.timerRefTime = 99;
    s.startTime = "Friday, 4 December 2026 1:05:09";
    s.endTime = "";
    s.elapsedRefTime = 1234;
    s.elapsedSeconds = 3725;
    s.piecesLanded = 400;
    s.bombsUsed = 3;
    s.minDropSeconds = 1;
    s.maxDropSeconds = 30;
    s.dropSecondsTotal = 900;
    return g;
}

class SavedGameTest : public ::testing::Test {
protected:
    std::string path = "";
    void SetUp() override { path = dir.File("game.tsv"); }
    ScratchDirectory dir;
    Random random;
};

TEST_F(SavedGameTest, RoundTripRestoresEveryStoredField) {
    const SavedGame saved = SampleGame();
    ASSERT_TRUE(WriteSavedGame(path, saved, random, 1'700'000'000));
    SavedGame loaded;
    loaded.state.bestScore = 777; // not in the file: kept
    ASSERT_EQ(ReadSavedGame(path, loaded), SavedGameLoad::Ok);
    SavedGame expected = saved;
    expected.state.bestScore = 777;
    EXPECT_EQ(loaded, expected);
}

TEST_F(SavedGameTest, KeyIsAlwaysOneToTen) {
    std::set<std::int32_t> keys;
    for (std::int64_t seconds = 0; seconds < 100; ++seconds) {
        ASSERT_TRUE(WriteSavedGame(path, SampleGame(), random, seconds));
        Archive in;
        ASSERT_TRUE(in.OpenForLoad(path));
        std::int32_t key = 0;
        ASSERT_TRUE(CheckSignature(in, "BRINOX2000_SAVE_FILE", 11) && in.ReadInt(key));
        keys.insert(key);
        SavedGame loaded;
        ASSERT_EQ(ReadSavedGame(path, loaded), SavedGameLoad::Ok);
    }
    EXPECT_EQ(*keys.begin(), 1);
    EXPECT_EQ(*keys.rbegin(), 10);
    EXPECT_EQ(keys.size(), 10u);
}

TEST_F(SavedGameTest, FileCutAtAnyByteLeavesTheGameUntouched) {
    ASSERT_TRUE(WriteSavedGame(path, SampleGame(), random, 99));
    const ByteVector whole = FileBytes(path);
    SavedGame live;
    live.state.score = 5;
    live.board.At(3, 3) = 1;
    const SavedGame before = live;
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        Archive in;
        const ByteVector part = testing::Prefix(whole, cut);
        in.OpenForLoad(part);
        ASSERT_EQ(ReadSavedGame(in, live), SavedGameLoad::Incorrect) << cut;
        ASSERT_EQ(live, before) << cut;
    }
}

TEST_F(SavedGameTest, ForeignHeadersAndMissingFilesAreRefused) {
    SavedGame live = SampleGame();
    const SavedGame before = live;
    EXPECT_EQ(ReadSavedGame(dir.File("none.tsv"), live), SavedGameLoad::CannotOpen);
    PutFile(path, testing::Bytes().Str("BRINOX2000_SAVE_FILE").Int(10).Int(1).Get());
    EXPECT_EQ(ReadSavedGame(path, live), SavedGameLoad::Incorrect);
    PutFile(path, testing::Bytes().Str("BRINOX2000_save_FILE").Int(11).Int(1).Get());
    EXPECT_EQ(ReadSavedGame(path, live), SavedGameLoad::Incorrect);
    EXPECT_EQ(live, before);
}

TEST_F(SavedGameTest, LoadRestartsTheClocksAndRepairsTheDrawnPiece) {
    SavedGame g = SampleGame();
    g.state.clockRefsValid = 1;
    g.state.drawnColumn = -40;
    ASSERT_TRUE(WriteSavedGame(path, g, random, 3));
    SavedGame loaded;
    ASSERT_EQ(ReadSavedGame(path, loaded), SavedGameLoad::Ok);
    EXPECT_EQ(loaded.state.clockRefsValid, 0);
    EXPECT_EQ(loaded.state.drawnKind, g.state.currentKind);
    EXPECT_EQ(loaded.state.drawnRotation, g.state.rotation);
    EXPECT_EQ(loaded.state.drawnColumn, g.state.column);
    EXPECT_EQ(loaded.state.drawnRow, g.state.row);
}

TEST_F(SavedGameTest, ValuesTheGameWouldIndexByRejectTheFile) {
    const std::function<void(SavedGame&)> spoils[] = {
        [](SavedGame& g) { g.board.At(2, 2) = 16; },
        [](SavedGame& g) { g.board.At(2, 2) = 50; },
        [](SavedGame& g) { g.board.At(9, 0) = -1; },
        [](SavedGame& g) { g.state.currentKind = 19; },
        [](SavedGame& g) { g.state.rotation = 4; },
        [](SavedGame& g) { g.state.column = 9; },
        [](SavedGame& g) { g.state.row = 20; },
        [](SavedGame& g) { g.state.nextKind = 16; },
        [](SavedGame& g) { g.state.level = 0; },
        [](SavedGame& g) { g.state.level = 21; },
        [](SavedGame& g) { g.state.fallPeriodMs = 0; },
        [](SavedGame& g) { g.state.score = -1; },
        [](SavedGame& g) { g.state.timerSeconds = -2; },
        [](SavedGame& g) { g.state.risingPeriod = -5; },
        [](SavedGame& g) { g.gameType = 2; },
        [](SavedGame& g) { g.gameMode = 4; },
        [](SavedGame& g) { g.gameMode = 3; },
        [](SavedGame& g) { g.bombsOn = 2; },
        [](SavedGame& g) { g.gameInProgress = 2; },
        [](SavedGame& g) { g.state.column = 2'147'483'647; }};
    for (std::size_t i = 0; i < std::size(spoils); ++i) {
        SavedGame g = SampleGame();
        spoils[i](g);
        ASSERT_TRUE(WriteSavedGame(path, g, random, 8));
        SavedGame live;
        EXPECT_EQ(ReadSavedGame(path, live), SavedGameLoad::Incorrect) << "case " << i;
        EXPECT_EQ(live, SavedGame{});
    }
    SavedGame twenty = SampleGame(); // the last level itself is fine
    ASSERT_TRUE(WriteSavedGame(path, twenty, random, 8));
    SavedGame live;
    EXPECT_EQ(ReadSavedGame(path, live), SavedGameLoad::Ok);
    EXPECT_EQ(live.state.level, 20);
}

} // namespace
} // namespace brinox
