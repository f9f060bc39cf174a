#include "settings/SavedGame.h"

#include "settings/Archive.h"
#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace brinox::test {
namespace {

// A game in progress with every field away from its default and near its limits.
SavedGame SampleGame() {
    SavedGame g;
    g.board.At(0, 20) = 3;
    g.board.At(9, 20) = 15;
    g.board.At(4, 10) = 0;
    g.bombsOn = 0;
    g.gameInProgress = g.gameType = 1;
    g.gameMode = 2;
    GameState& s = g.state;
    // clang-format off
    s.currentKind = 12; s.rotation = 3; s.column = 5; s.row = 7;
    s.drawnKind = 12; s.drawnRotation = 2; s.drawnColumn = 5; s.drawnRow = 6; s.nextKind = 15;
    s.lastFallTime = 0xFFFFFF00u; s.lastStepTime = 17; s.fallPeriodMs = 450; s.level = 20;
    s.score = 1'999'999'999; s.lines = 310; s.linesLeft = -2; s.timerSeconds = -1;
    s.risingCounter = 4; s.risingPeriod = 9; s.clockRefsValid = 1; s.pieceStartSecond = 42;
    s.timerRefTime = 99; s.startTime = "Friday, 4 December 2026 1:05:09"; s.elapsedRefTime = 1234;
    s.gameSeconds = 3725; s.pieces = 400; s.bombs = 3; s.minDropSeconds = 1;
    s.maxDropSeconds = 30; s.avgDropSeconds = 900;
    // clang-format on
    return g;
}

class SavedGameTest : public ::testing::Test {
protected:
    ScratchDirectory dir;
    std::string path = dir.File("game.tsv");
    Random random;
};

TEST_F(SavedGameTest, RoundTripRestoresEveryStoredFieldWhateverTheKey) {
    std::set<std::int32_t> keys;
    for (std::int64_t seconds = 0; seconds < 100; ++seconds) {
        ASSERT_TRUE(WriteSavedGame(path, SampleGame(), random, seconds));
        Archive in;
        std::int32_t key = 0;
        ASSERT_TRUE(in.OpenForLoad(path) && CheckSignature(in, "BRINOX2000_SAVE_FILE", 11) &&
                    in.ReadInt(key));
        keys.insert(key);
        SavedGame loaded;
        loaded.state.bestScore = 777; // not in the file: kept
        ASSERT_EQ(ReadSavedGame(path, loaded), SavedGameLoad::Ok);
        SavedGame expected = SampleGame();
        expected.state.bestScore = 777;
        expected.state.clockRefsValid = 0; // the clocks restart on load
        ASSERT_EQ(loaded, expected) << "key " << key;
    }
    EXPECT_EQ(keys, (std::set<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(SavedGameTest, LoadRepairsADrawnPieceOffTheBoard) {
    SavedGame g = SampleGame();
    g.state.drawnColumn = -40;
    ASSERT_TRUE(WriteSavedGame(path, g, random, 3));
    SavedGame loaded;
    ASSERT_EQ(ReadSavedGame(path, loaded), SavedGameLoad::Ok);
    const GameState& s = loaded.state;
    EXPECT_EQ(std::vector({s.drawnKind, s.drawnRotation, s.drawnColumn, s.drawnRow}),
              std::vector({g.state.currentKind, g.state.rotation, g.state.column, g.state.row}));
}

TEST_F(SavedGameTest, ForeignFilesAndValuesTheGameWouldIndexByAreRefusedUntouched) {
    using G = SavedGame&;
    const std::function<void(SavedGame&)> spoils[] = {// clang-format off
        [](G g) { g.board.At(2, 2) = 16; }, [](G g) { g.board.At(2, 2) = 50; },
        [](G g) { g.board.At(9, 0) = -1; }, [](G g) { g.state.currentKind = 19; },
        [](G g) { g.state.rotation = 4; }, [](G g) { g.state.column = 9; },
        [](G g) { g.state.row = 20; }, [](G g) { g.state.nextKind = 16; },
        [](G g) { g.state.level = 0; }, [](G g) { g.state.level = 21; },
        [](G g) { g.state.fallPeriodMs = 0; }, [](G g) { g.state.score = -1; },
        [](G g) { g.state.timerSeconds = -2; }, [](G g) { g.state.risingPeriod = -5; },
        [](G g) { g.gameType = 2; }, [](G g) { g.gameMode = 4; }, [](G g) { g.gameMode = 3; },
        [](G g) { g.bombsOn = 2; }, [](G g) { g.gameInProgress = 2; },
        [](G g) { g.state.column = 2'147'483'647; }};
    // clang-format on
    for (std::size_t i = 0; i < std::size(spoils); ++i) {
        SavedGame g = SampleGame();
        spoils[i](g);
        ASSERT_TRUE(WriteSavedGame(path, g, random, 8));
        SavedGame live;
        EXPECT_EQ(ReadSavedGame(path, live), SavedGameLoad::Incorrect) << "case " << i;
        EXPECT_EQ(live, SavedGame{});
    }
    SavedGame live = SampleGame();
    EXPECT_EQ(ReadSavedGame(dir.File("none.tsv"), live), SavedGameLoad::CannotOpen);
    for (const char* signature : {"BRINOX2000_SAVE_FILE", "BRINOX2000_save_FILE"}) {
        PutFile(path, Bytes().Str(signature).Int(10).Int(1).Get());
        EXPECT_EQ(ReadSavedGame(path, live), SavedGameLoad::Incorrect);
    }
    EXPECT_EQ(live, SampleGame());
}

} // namespace
} // namespace brinox::test
