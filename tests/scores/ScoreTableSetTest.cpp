#include "scores/ScoreTableSet.h"

#include "settings/Archive.h"
#include "settings/FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace brinox {
namespace {

using testing::ByteVector;
using testing::FileBytes;
using testing::PutFile;
using testing::ScratchDirectory;

const LocalTime kNow{2026, 12, 4, 5, 1, 5, 9};

ScoreEntry Result(std::int32_t score, std::int32_t level, std::int32_t lines,
                  std::string name = "P") {
    ScoreEntry e;
    e.name = std::move(name);
    e.score = score;
    e.level = level;
    e.lines = lines;
    return e;
}

// Every table filled with distinct values, including negative counters.
ScoreTableSet FullSet() {
    ScoreTableSet set;
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
            ScoreEntry& e = set.tables[t].rows[r];
            const std::int32_t n = t * 100 + r;
            e = Result(100000 - n * 7, 20 - r, 300 - r, "Player " + std::to_string(n));
            e.used = r % 3 == 0 ? 0 : 1;
            e.startTime = "Friday, 4 December 2026 1:05:" + std::to_string(r);
            e.endTime = "Saturday, 5 December 2026 2:00:00";
            e.gameSeconds = n * 11;
            e.pieces = n * 3;
            e.bombs = -n;
            e.minDropSeconds = 1;
            e.maxDropSeconds = 2'147'483'647 - n;
            e.avgDropSeconds = -2'147'483'647 + n;
            e.bombsOn = r % 2;
            e.country = t == WorldTop10Table ? "Country " + std::to_string(r) : "";
        }
        set.tables[t].lastUpdate = "Update " + std::to_string(t);
    }
    return set;
}

class ScoreTableSetTest : public ::testing::Test {
protected:
    std::string TablesPath() const { return dir.File("data.ttb"); }
    ScratchDirectory dir;
    Random random;
};

TEST_F(ScoreTableSetTest, AllEightTablesRoundTripWithTheHeaderCopies) {
    const ScoreTableSet saved = FullSet();
    ASSERT_TRUE(saved.Save(dir.path, random, 1234));
    ScoreTableSet loaded;
    ASSERT_TRUE(loaded.Load(dir.path));
    EXPECT_EQ(loaded, saved);

    // Header: signature, 15, key, then row 0's score of tables 0..6, plain.
    Archive in;
    ASSERT_TRUE(in.OpenForLoad(TablesPath()));
    ASSERT_TRUE(CheckSignature(in, "BRINOX2000_TABLES_FILE", 15));
    std::int32_t key = 0;
    ASSERT_TRUE(in.ReadInt(key));
    EXPECT_GE(key, 1);
    EXPECT_LE(key, 10);
    for (std::int32_t t = 0; t < kLocalTableCount; ++t) {
        std::int32_t best = 0;
        ASSERT_TRUE(in.ReadInt(best));
        EXPECT_EQ(best, saved.tables[t].rows[0].score);
        EXPECT_EQ(BestScore(dir.path, t), saved.tables[t].rows[0].score);
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
        } else {
            EXPECT_GT(offset, 0) << i;
            EXPECT_EQ(offset % key, 0) << i;
            EXPECT_TRUE(multipliers.insert(offset / key).second) << i;
        }
        if (i == 3) {
            ASSERT_TRUE(in.ReadString(text) && in.ReadString(text));
        }
    }
}

TEST_F(ScoreTableSetTest, SavesWithDifferentKeysLoadTheSameTables) {
    const ScoreTableSet saved = FullSet();
    ByteVector first;
    bool differed = false;
    for (std::int64_t seconds = 0; seconds < 10; ++seconds) {
        ASSERT_TRUE(saved.Save(dir.path, random, seconds));
        const ByteVector bytes = FileBytes(TablesPath());
        if (first.empty()) {
            first = bytes;
        }
        differed = differed || bytes != first;
        ScoreTableSet loaded;
        ASSERT_TRUE(loaded.Load(dir.path));
        EXPECT_EQ(loaded, saved);
    }
    EXPECT_TRUE(differed);
}

TEST_F(ScoreTableSetTest, OpeningCreatesOrReplacesAnUnusableFile) {
    ScoreTableSet set = FullSet();
    EXPECT_EQ(set.Open(dir.path, random, 1), TablesOpenResult::Ok);
    EXPECT_EQ(set, ScoreTableSet{});
    EXPECT_EQ(set.tables[7].lastUpdate, "Never");
    ASSERT_TRUE(std::filesystem::exists(TablesPath()));

    for (const ByteVector& foreign :
         {testing::Bytes().Str("BRINOX2000_TABLES_FILF").Int(15).Get(),
          testing::Bytes().Str("BRINOX2000_TABLES_FILE").Int(14).Get()}) {
        PutFile(TablesPath(), foreign);
        set = FullSet();
        EXPECT_EQ(set.Open(dir.path, random, 2), TablesOpenResult::Ok);
        EXPECT_EQ(set, ScoreTableSet{});
        EXPECT_GT(FileBytes(TablesPath()).size(), foreign.size());
    }
    EXPECT_EQ(set.Open(dir.File("absent/"), random, 3), TablesOpenResult::CreateFailed);
}

TEST_F(ScoreTableSetTest, FileCutAnywhereFailsAndKeepsOnlyWholeRows) {
    const ScoreTableSet saved = FullSet();
    ASSERT_TRUE(saved.Save(dir.path, random, 4));
    const ByteVector whole = FileBytes(TablesPath());
    for (std::size_t cut = 0; cut < whole.size(); cut += 1) {
        const ByteVector part = testing::Prefix(whole, cut);
        Archive in;
        in.OpenForLoad(part);
        ScoreTableSet set;
        ASSERT_FALSE(set.Load(in)) << cut;
        for (std::int32_t t = 0; t < kTableCount; ++t) {
            for (const ScoreEntry& row : set.tables[t].rows) {
                const bool isDefault = row == ScoreEntry{};
                ASSERT_TRUE(isDefault ||
                            std::find(saved.tables[t].rows.begin(), saved.tables[t].rows.end(),
                                      row) != saved.tables[t].rows.end())
                    << cut;
            }
        }
    }
}

TEST_F(ScoreTableSetTest, OpeningADamagedFileSavesWhatItStillHeld) {
    const ScoreTableSet saved = FullSet();
    ASSERT_TRUE(saved.Save(dir.path, random, 5));
    const ByteVector whole = FileBytes(TablesPath());
    PutFile(TablesPath(), testing::Prefix(whole, whole.size() / 2));
    ScoreTableSet set;
    ASSERT_EQ(set.Open(dir.path, random, 6), TablesOpenResult::Ok);
    EXPECT_EQ(set.tables[0].rows, saved.tables[0].rows);
    EXPECT_EQ(set.tables[0].lastUpdate, "Never"); // the dates come last in the file
    EXPECT_EQ(set.tables[7], ScoreTable{});
    EXPECT_EQ(BestScore(dir.path, 0), saved.tables[0].rows[0].score);
}

TEST_F(ScoreTableSetTest, BestScoreIsZeroWithoutAUsableFile) {
    EXPECT_EQ(BestScore(dir.path, 0), 0);
    PutFile(TablesPath(),
            testing::Bytes().Str("BRINOX2000_TABLES_FILE").Int(16).Int(1).Int(500).Get());
    EXPECT_EQ(BestScore(dir.path, 0), 0);
    PutFile(TablesPath(),
            testing::Bytes().Str("BRINOX2000_TABLES_FILE").Int(15).Int(1).Int(500).Get());
    EXPECT_EQ(BestScore(dir.path, 0), 0); // header cut short
    ASSERT_TRUE(FullSet().Save(dir.path, random, 9));
    EXPECT_EQ(BestScore(dir.path, 7), 0);
    EXPECT_EQ(BestScore(dir.path, -1), 0);
    EXPECT_EQ(BestScore(dir.path, 1), FullSet().tables[1].rows[0].score);
}

std::vector<ScoreEntry> FullTable() {
    std::vector<ScoreEntry> rows;
    for (std::int32_t r = 0; r < 10; ++r) {
        rows.push_back(Result(1000 - r * 100, 5, 10));
    }
    return rows;
}

TEST(PlaceTest, RanksByScoreThenLevelThenLinesAndEqualsGoBelow) {
    const struct {
        std::vector<ScoreEntry> rows;
        ScoreEntry result;
        std::int32_t position;
    } cases[] = {
        {{}, Result(1, 0, 0), 0},
        {{}, Result(0, 1, 0), 0},
        {{}, Result(0, 0, 0), 10},
        {FullTable(), Result(700, 5, 10), 4},
        {{Result(500, 2, 10)}, Result(500, 3, 10), 0},
        {{Result(500, 2, 10)}, Result(500, 2, 11), 0},
        {{Result(500, 2, 10)}, Result(500, 2, 9), 1},
        {FullTable(), Result(50, 20, 999), 10},
        {{}, Result(-5, 9, 9), 10},
    };
    for (const auto& c : cases) {
        ScoreTableSet set;
        std::copy(c.rows.begin(), c.rows.end(), set.tables[2].rows.begin());
        EXPECT_EQ(set.Place(2, c.result.level, c.result.score, c.result.lines), c.position)
            << c.result.score << "/" << c.result.level << "/" << c.result.lines;
    }
}

TEST(ScoreTableEditTest, InsertShiftsRowsDropsTheLastAndStampsTheDate) {
    ScoreTableSet set;
    for (std::int32_t r = 0; r < 10; ++r) {
        set.tables[0].rows[r] = Result(1000 - r * 100, 5, 10, "Row " + std::to_string(r));
        set.tables[0].rows[r].used = 1;
    }
    const std::int32_t p = set.Place(0, 5, 700, 10);
    ASSERT_EQ(p, 4);
    set.Insert(0, p, Result(700, 5, 10, "New"), kNow);
    EXPECT_EQ(set.tables[0].rows[3].name, "Row 3");
    EXPECT_EQ(set.tables[0].rows[4].name, "New");
    EXPECT_EQ(set.tables[0].rows[4].used, 1);
    EXPECT_EQ(set.tables[0].rows[5].name, "Row 4");
    EXPECT_EQ(set.tables[0].rows[9].name, "Row 8");
    EXPECT_EQ(set.tables[0].lastUpdate, "Friday, 4 December 2026 1:05:09");
    EXPECT_EQ(set.tables[1], ScoreTable{});

    set.tables[7].rows[2].country = "Chile"; // the row's own country stays with it
    ScoreEntry entry = Result(5, 5, 5);
    entry.country = "Peru";
    set.Insert(7, 2, entry, kNow);
    EXPECT_EQ(set.tables[7].rows[2].country, "Chile");
    EXPECT_EQ(set.tables[7].rows[3].country, "Chile");
    set.Insert(0, 10, Result(1, 1, 1), kNow); // out of range: ignored
    set.Insert(9, 0, Result(1, 1, 1), kNow);
    EXPECT_EQ(set.tables[0].rows[9].name, "Row 8");
}

TEST(ScoreTableEditTest, ClearEmptiesOneTableWithItsCountries) {
    ScoreTableSet set = FullSet();
    set.Clear(7);
    EXPECT_EQ(set.tables[7], ScoreTable{});
    EXPECT_EQ(set.tables[7].rows[0].country, "");
    EXPECT_EQ(set.tables[7].lastUpdate, "Never");
    EXPECT_EQ(set.tables[6], FullSet().tables[6]);
    set.Clear(8);
    EXPECT_EQ(set.tables[0], FullSet().tables[0]);
}

} // namespace
} // namespace brinox
