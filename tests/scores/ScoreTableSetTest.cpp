#include "scores/ScoreTableSet.h"

#include "settings/Archive.h"
#include "settings/FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace brinox {
namespace {

using testing::Bytes;
using testing::ByteVector;
using testing::FileBytes;
using testing::PutFile;

const LocalTime kNow{2026, 12, 4, 5, 1, 5, 9};

ScoreEntry Result(std::int32_t score, std::int32_t level, std::int32_t lines,
                  std::string name = "P") {
    return {std::move(name), level, score, lines, 0, "", "", 0, 0, 0, 0, 0, 0, 0, ""};
}

// Every table filled with distinct values, including negative counters.
ScoreTableSet FullSet() {
    ScoreTableSet set;
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
            const std::int32_t n = t * 100 + r;
            set.tables[t].rows[r] = {"Player " + std::to_string(n),
                                     20 - r,
                                     100000 - n * 7,
                                     300 - r,
                                     r % 3 == 0 ? 0 : 1,
                                     "Start " + std::to_string(r),
                                     "End",
                                     n * 11,
                                     n * 3,
                                     -n,
                                     1,
                                     2'147'483'647 - n,
                                     -2'147'483'647 + n,
                                     r % 2,
                                     t == WorldTop10Table ? "Land " + std::to_string(r) : ""};
        }
        set.tables[t].lastUpdate = "Update " + std::to_string(t);
    }
    return set;
}

class ScoreTableSetTest : public ::testing::Test {
protected:
    std::string TablesPath() const { return dir.File("data.ttb"); }
    testing::ScratchDirectory dir;
    Random random;
};

TEST_F(ScoreTableSetTest, AllEightTablesRoundTripWithTheHeaderCopiesAndHiddenCounters) {
    const ScoreTableSet saved = FullSet();
    ASSERT_TRUE(saved.Save(dir.path, random, 1233));
    const ByteVector other = FileBytes(TablesPath());
    ASSERT_TRUE(saved.Save(dir.path, random, 1234));
    EXPECT_NE(FileBytes(TablesPath()), other) << "each save draws its own key";
    ScoreTableSet loaded;
    ASSERT_TRUE(loaded.Load(dir.path));
    EXPECT_EQ(loaded, saved);

    // Header: signature, 15, key, then row 0's score of tables 0..6, plain.
    Archive in;
    ASSERT_TRUE(in.OpenForLoad(TablesPath()));
    ASSERT_TRUE(CheckSignature(in, "BRINOX2000_TABLES_FILE", 15));
    std::int32_t key = 0;
    ASSERT_TRUE(in.ReadInt(key) && key >= 1 && key <= 10);
    for (std::int32_t t = 0; t < kLocalTableCount; ++t) {
        std::int32_t best = 0;
        ASSERT_TRUE(in.ReadInt(best));
        EXPECT_EQ(best, saved.tables[t].rows[0].score);
        EXPECT_EQ(BestScore(dir.path, t), best);
    }
    // Row 0 of table 0: the nine counters carry a positive multiple of the key,
    // each its own; used and bombsOn are plain.
    const ScoreEntry& e = saved.tables[0].rows[0];
    const std::int32_t values[] = {e.level,          e.score,          e.lines,  e.used,
                                   e.gameSeconds,    e.pieces,         e.bombs,  e.minDropSeconds,
                                   e.maxDropSeconds, e.avgDropSeconds, e.bombsOn};
    std::string text;
    ASSERT_TRUE(in.ReadString(text) && text == "Player 0");
    std::set<std::int64_t> multipliers;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        std::int32_t stored = 0;
        ASSERT_TRUE(in.ReadInt(stored));
        const std::int64_t offset = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(stored) - static_cast<std::uint32_t>(values[i]));
        if (i == 3 || i == 10) {
            EXPECT_EQ(offset, 0) << i;
            ASSERT_TRUE(i == 10 || (in.ReadString(text) && in.ReadString(text)));
        } else {
            EXPECT_GT(offset, 0) << i;
            EXPECT_EQ(offset % key, 0) << i;
            EXPECT_TRUE(multipliers.insert(offset / key).second) << i;
        }
    }
}

TEST_F(ScoreTableSetTest, OpeningReplacesAForeignFileAndKeepsWhatADamagedOneHeld) {
    for (const ByteVector& foreign : {Bytes().Str("BRINOX2000_TABLES_FILF").Int(15).Get(),
                                      Bytes().Str("BRINOX2000_TABLES_FILE").Int(14).Get()}) {
        PutFile(TablesPath(), foreign);
        ScoreTableSet set = FullSet();
        EXPECT_EQ(set.Open(dir.path, random, 2), TablesOpenResult::Ok);
        EXPECT_EQ(set, ScoreTableSet{});
        EXPECT_EQ(set.tables[7].lastUpdate, "Never");
        EXPECT_GT(FileBytes(TablesPath()).size(), foreign.size());
    }
    EXPECT_EQ(ScoreTableSet{}.Open(dir.File("absent/"), random, 3), TablesOpenResult::CreateFailed);

    const ScoreTableSet saved = FullSet();
    ASSERT_TRUE(saved.Save(dir.path, random, 5));
    const ByteVector whole = FileBytes(TablesPath());
    for (std::size_t cut = 0; cut < whole.size(); ++cut) { // only whole rows survive a cut
        Archive in;
        in.OpenForLoad(testing::Prefix(whole, cut));
        ScoreTableSet set;
        ASSERT_FALSE(set.Load(in)) << cut;
        for (std::int32_t t = 0; t < kTableCount; ++t) {
            for (const ScoreEntry& row : set.tables[t].rows) {
                const auto& rows = saved.tables[t].rows;
                ASSERT_TRUE(row == ScoreEntry{} ||
                            std::find(rows.begin(), rows.end(), row) != rows.end())
                    << cut;
            }
        }
    }
    PutFile(TablesPath(), testing::Prefix(whole, whole.size() / 2));
    ScoreTableSet set;
    ASSERT_EQ(set.Open(dir.path, random, 6), TablesOpenResult::Ok);
    EXPECT_EQ(set.tables[0].rows, saved.tables[0].rows);
    EXPECT_EQ(set.tables[0].lastUpdate, "Never"); // the dates come last in the file
    EXPECT_EQ(set.tables[7], ScoreTable{});
    EXPECT_EQ(BestScore(dir.path, 0), saved.tables[0].rows[0].score);
}

TEST_F(ScoreTableSetTest, BestScoreIsZeroWithoutAUsableHeaderOrTable) {
    EXPECT_EQ(BestScore(dir.path, 0), 0);
    for (std::int32_t number : {16, 15}) { // wrong number; header cut short
        PutFile(TablesPath(),
                Bytes().Str("BRINOX2000_TABLES_FILE").Int(number).Int(1).Int(500).Get());
        EXPECT_EQ(BestScore(dir.path, 0), 0);
    }
    ASSERT_TRUE(FullSet().Save(dir.path, random, 9));
    EXPECT_EQ(BestScore(dir.path, 7), 0);
    EXPECT_EQ(BestScore(dir.path, -1), 0);
}

TEST(PlaceTest, RanksByScoreThenLevelThenLinesAndEqualsGoBelow) {
    std::vector<ScoreEntry> full;
    for (std::int32_t r = 0; r < 10; ++r) {
        full.push_back(Result(1000 - r * 100, 5, 10));
    }
    const struct {
        std::vector<ScoreEntry> rows;
        ScoreEntry result;
        std::int32_t position;
    } cases[] = {
        {{}, Result(1, 0, 0), 0},
        {{}, Result(0, 1, 0), 0},
        {{}, Result(0, 0, 0), 10},
        {full, Result(700, 5, 10), 4},
        {{Result(500, 2, 10)}, Result(500, 3, 10), 0},
        {{Result(500, 2, 10)}, Result(500, 2, 11), 0},
        {{Result(500, 2, 10)}, Result(500, 2, 9), 1},
        {full, Result(50, 20, 999), 10},
        {{}, Result(-5, 9, 9), 10},
    };
    for (const auto& c : cases) {
        ScoreTableSet set;
        std::copy(c.rows.begin(), c.rows.end(), set.tables[2].rows.begin());
        EXPECT_EQ(set.Place(2, c.result.level, c.result.score, c.result.lines), c.position)
            << c.result.score << "/" << c.result.level << "/" << c.result.lines;
    }
}

TEST(ScoreTableEditTest, InsertShiftsRowsDropsTheLastStampsTheDateAndClearEmptiesOneTable) {
    ScoreTableSet set;
    for (std::int32_t r = 0; r < 10; ++r) {
        set.tables[0].rows[r] = Result(1000 - r * 100, 5, 10, "Row " + std::to_string(r));
    }
    set.Insert(0, 4, Result(700, 5, 10, "New"), kNow);
    std::string names;
    for (const ScoreEntry& row : set.tables[0].rows) {
        names += row.name.back();
    }
    EXPECT_EQ(names, "0123w45678");
    EXPECT_EQ(set.tables[0].rows[4].used, 1);
    EXPECT_EQ(set.tables[0].lastUpdate, "Friday, 4 December 2026 1:05:09");
    EXPECT_EQ(set.tables[1], ScoreTable{});

    set.tables[7].rows[2].country = "Chile"; // the row's own country stays with it
    ScoreEntry entry = Result(5, 5, 5);
    entry.country = "Peru";
    set.Insert(7, 2, entry, kNow);
    EXPECT_EQ(set.tables[7].rows[2].country + set.tables[7].rows[3].country, "ChileChile");
    set.Insert(0, 10, Result(1, 1, 1), kNow); // out of range: ignored
    set.Insert(9, 0, Result(1, 1, 1), kNow);
    EXPECT_EQ(set.tables[0].rows[9].name, "Row 8");

    set = FullSet();
    set.Clear(7);
    EXPECT_EQ(set.tables[7], ScoreTable{});
    EXPECT_EQ(set.tables[7].lastUpdate, "Never");
    set.Clear(8);
    EXPECT_EQ(set.tables[6], FullSet().tables[6]);
}

} // namespace
} // namespace brinox
