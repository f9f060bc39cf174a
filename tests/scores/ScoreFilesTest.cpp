#include "scores/LastNameFile.h"
#include "scores/ResultServer.h"
#include "scores/ScoreTableSet.h"
#include "scores/SenderDetails.h"
#include "scores/Top10File.h"
#include "scores/TransferFile.h"
#include "scores/UsageRecords.h"

#include "settings/Archive.h"
#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>

namespace brinox::test {
namespace {

// Every field a value of its own, so that no two can trade places unseen.
// The statistics come first in the record: the row's name and `used` follow them.
const ScoreEntry kAnn{{7, 195, 30, "s", "e", 3725, 80, 2, 4, 9, -1}, "Ann", 1, 0, "Iceland"};

// The bytes of kAnn and nine empty rows, each with a country when asked.
Bytes& AnnAndNineEmptyRows(Bytes& b, bool withCountry) {
    b.Str("Ann").Int(7).Int(195).Int(30).Int(1).Str("s").Str("e");
    b.Int(3725).Int(80).Int(2).Int(4).Int(9).Int(-1).Int(0);
    if (withCountry) {
        b.Str("Iceland");
    }
    for (int r = 1; r < 10; ++r) {
        b.Str("Empty").Int(0).Int(0).Int(0).Int(0).Str("").Str("");
        b.Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0);
        if (withCountry) {
            b.Str("");
        }
    }
    return b;
}

TEST(TransferFileTest, IsWrittenByteExactlyWithTenRowsWithoutCountries) {
    ScratchDirectory dir;
    const SenderDetails sender{"Ann", "ann@example.org", "Finland", ""};
    const TransferFile f{sender, "Send date", "1:0:5", "UNKNOWN", {kAnn}, "later"};
    ASSERT_TRUE(WriteTransferFile(TransferFilePath(dir.path, "wcresult"), f));
    Bytes b;
    b.Str("BRINOX2000_TABLEWC_FILE").Int(12).Str("Ann").Str("ann@example.org").Str("Finland");
    b.Str("").Str("Send date").Str("1:0:5").Str("UNKNOWN");
    const ByteVector bytes = AnnAndNineEmptyRows(b, false).Str("later").Get();
    EXPECT_EQ(FileBytes(dir.File("wcresult.ttb")), bytes);
    Archive in;
    TransferFile read;
    ASSERT_TRUE(in.OpenForLoad(dir.File("wcresult.ttb")) && ReadTransferFile(in, read));
    read.rows[0].country = kAnn.country;
    EXPECT_EQ(read, f);
}

// An upload's name: its time, and 48 random bits each set half the time (names must not clash).
TEST(TransferFileTest, AnUploadsNameHoldsItsTimeAnd48EvenRandomBits) {
    std::array<int, 48> set{};
    for (int n = 0; n < 2000; ++n) {
        const std::string name = NewUploadBaseName(LocalTime{2026, 12, 7, 1, 1, 2, 3});
        ASSERT_EQ(name.substr(0, 18) + std::to_string(name.size()), "wc20261207-010203-30");
        const std::uint64_t bits = std::stoull(name.substr(18), nullptr, 16);
        for (std::size_t b = 0; b < set.size(); ++b) {
            set[b] += static_cast<int>(bits >> b & 1);
        }
    }
    EXPECT_GT(*std::ranges::min_element(set), 850); // 6.7 standard deviations below 1000
    EXPECT_LT(*std::ranges::max_element(set), 1150);
}

TEST(Top10FileTest, RowsWithCountriesAreReadFromTheirBytesAndAWrongNumberIsRefused) {
    ScratchDirectory dir;
    const std::string path = dir.File("wctop10.ttb");
    Bytes b;
    const ByteVector bytes =
        AnnAndNineEmptyRows(b.Str("QUADUS2000_TABLETOP10_FILE").Int(100), true).Get();
    PutFile(path, bytes);
    Top10Rows rows{}, expected{};
    expected[0] = kAnn;
    ASSERT_EQ(ReadTop10File(path, rows), Top10Load::Ok);
    EXPECT_EQ(rows, expected);
    ASSERT_TRUE(WriteTop10File(dir.File("again.ttb"), expected));
    EXPECT_EQ(FileBytes(dir.File("again.ttb")), bytes);

    EXPECT_EQ(ReadTop10File(dir.File("absent"), rows), Top10Load::CannotOpen);
    PutFile(path, Bytes().Str("QUADUS2000_TABLETOP10_FILE").Int(99).Get());
    EXPECT_EQ(ReadTop10File(path, rows), Top10Load::Incorrect);
}

TEST(LastNameFileTest, SendParticularsAreStoredInTheirOrder) {
    ScratchDirectory dir;
    const SenderDetails sender{"Ann", "ann@example.org", "Finland", "Hi"};
    ASSERT_TRUE(WriteLastSend(dir.path, sender));
    Bytes b;
    b.Str("BRINOX2000_LASTSEND_FILE").Str("Ann").Str("ann@example.org").Str("Finland").Str("Hi");
    EXPECT_EQ(FileBytes(dir.File("lastsend.dat")), b.Get());
    SenderDetails read;
    EXPECT_TRUE(ReadLastSend(dir.path, read));
    EXPECT_EQ(read, sender);
}

TEST(LastNameFileTest, TheNameIsStoredAndEveryFailureGivesAnEmptyOne) {
    ScratchDirectory dir;
    EXPECT_EQ(ReadLastName(dir.path), "");
    ASSERT_TRUE(WriteLastName(dir.path, "Zoë O'Neil"));
    EXPECT_EQ(FileBytes(dir.File("lastname.dat")),
              Bytes().Str("BRINOX2000_LASTNAME_FILE").Str("Zoë O'Neil").Get());
    EXPECT_EQ(ReadLastName(dir.path), "Zoë O'Neil");
    PutFile(dir.File("lastname.dat"), Bytes().Str("BRINOX2000_LASTSEND_FILE").Str("Bob").Get());
    EXPECT_EQ(ReadLastName(dir.path), "");
}

TEST(ResultServerTest, TheFileOverridesTheDefaultsAndAnyDamageMeansDefaults) {
    ScratchDirectory dir;
    const ResultServer defaults = DefaultResultServer();
    EXPECT_EQ(ReadResultServer(dir.path), defaults);
    // The account the server package sets up unless told otherwise.
    EXPECT_TRUE(defaults.user == "brinoxwc" && defaults.password.size() == 8);
    const std::pair<const char*, ResultServer> cases[] = {
        {"# mine\n[other]\nhost=x\n[server]\n host = h \r\nport=2121\ntls=required\ncafile=c\n",
         {"h", 2121, defaults.user, defaults.password, FtpTls::Required, "c"}},
        {"[server]\ntls=off\n",
         {defaults.host, 21, defaults.user, defaults.password, FtpTls::Off, ""}},
        {"[server]\ntls=yes\n", defaults},
        {"[server]\nport=65536\n", defaults},
        {"[server]\nport=21x\n", defaults},
        {"[server]\nhost=\n", defaults},
        {"[server]\nhost\n", defaults},
        {"=2121\n[server]\nport=2121\n", defaults},
    };
    for (const auto& [text, expected] : cases) {
        PutFile(dir.File("resultserver.ini"), ByteVector(text, text + std::strlen(text)));
        EXPECT_EQ(ReadResultServer(dir.path), expected) << text;
    }
    for (const std::size_t size : {std::size_t{64 * 1024}, std::size_t{64 * 1024 + 1}}) {
        std::string text = "[server]\nport=2121\n";
        text.resize(size, '#'); // a comment, up to 64 KiB in all
        PutFile(dir.File("resultserver.ini"), ByteVector(text.begin(), text.end()));
        EXPECT_EQ(ReadResultServer(dir.path).port, size == 64 * 1024 ? 2121 : 21) << size;
    }
}

TEST(ResultServerTest, ARelativeCertificateFileIsTakenFromTheGameDirectory) {
    ResultServer server = DefaultResultServer();
    server.caFile = "wc.pem";
    EXPECT_EQ(LoginFor(server, "/games/").caFile, "/games/wc.pem");
    server.caFile = "/etc/wc.pem";
    EXPECT_EQ(LoginFor(server, "/games/").caFile, "/etc/wc.pem");
}

TEST(UsageRecordsTest, RunningTimeCarriesAcrossTheClockWrap) {
    ScratchDirectory dir;
    EXPECT_EQ(TotalTimeText(dir.path), "0:0:0");
    ASSERT_TRUE(WriteRunningTime(dir.path, {0, 59, 50}));
    AddRunningTime(dir.path, 1000, 16'000);
    EXPECT_EQ(TotalTimeText(dir.path), "1:0:5");
    EXPECT_EQ(FileBytes(dir.File("tdata.dat")), Bytes().Int(1).Int(0).Int(5).Get());
    AddRunningTime(dir.path, 0xFFFFF000u, 7'195'000u - 0x1000u); // 1 h 59 min 55 s
    EXPECT_EQ(ReadRunningTime(dir.path), (RunningTime{3, 0, 0}));
    PutFile(dir.File("tdata.dat"), Bytes().Int(7).Int(3).Get());
    EXPECT_EQ(ReadRunningTime(dir.path), (RunningTime{7, 3, 0}));
}

TEST(UsageRecordsTest, TheFirstStartIsWrittenOnce) {
    ScratchDirectory dir;
    EXPECT_EQ(FirstStartText(dir.path), "UNKNOWN");
    RecordFirstStart(dir.path, LocalTime{2026, 12, 4, 5, 1, 5, 9});
    EXPECT_EQ(FileBytes(dir.File("sdata.dat")),
              Bytes().Str("Friday, 4 December 2026 1:05:09").Get());
    RecordFirstStart(dir.path, LocalTime{2030, 1, 1, 2, 0, 0, 0});
    EXPECT_EQ(FirstStartText(dir.path), "Friday, 4 December 2026 1:05:09");
    PutFile(dir.File("sdata.dat"), {0x20, 'a'});
    EXPECT_EQ(FirstStartText(dir.path), "UNKNOWN");
}

const LocalTime kNow{2026, 12, 4, 5, 1, 5, 9};

ScoreEntry Result(std::int32_t score, std::int32_t level, std::int32_t lines,
                  std::string name = "P") {
    return {{level, score, lines, "", "", 0, 0, 0, 0, 0, 0}, std::move(name), 0, 0, ""};
}

// Every table filled with distinct values, including negative counters and
// flags other than 0 and 1; no two counters differ by the same amount twice.
ScoreTableSet FullSet() {
    ScoreTableSet set;
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
            const std::int32_t n = t * 100 + r;
            const std::string row = std::to_string(r), number = std::to_string(n);
            // clang-format off
            const GameStatistics stats{20 - r, 100000 - n * 7, 300 - r * 3, "Start " + row,
                "End " + number, n * 11, n * 13 + 1, -n, n * 17 + 2, 2'147'483'647 - n,
                -2'147'483'647 + n};
            // clang-format on
            const std::string country = t == WorldTop10Table ? "Land " + row : "";
            set.tables[t].rows[r] = {stats, "Player " + number, r % 3, r * 2 % 3, country};
        }
        set.tables[t].lastUpdate = "Update " + std::to_string(t);
    }
    return set;
}

class ScoreTableSetTest : public ::testing::Test {
protected:
    std::string TablesPath() const { return dir.File("data.ttb"); }
    // Reads data.ttb field by field in its documented order, without the
    // code's row reader: plain fields as they are, and each of the nine
    // counters offset by one positive multiple of the key for every row of
    // every table. Gives that multiple per counter.
    std::vector<std::uint32_t> Multipliers(const ScoreTableSet& saved, std::int32_t& key) {
        Archive in;
        EXPECT_TRUE(in.OpenForLoad(TablesPath()));
        std::string text;
        std::int32_t number = 0;
        const auto str = [&](const std::string& expected) {
            EXPECT_TRUE(in.ReadString(text) && text == expected) << expected;
        };
        const auto plain = [&](std::int32_t expected) {
            EXPECT_TRUE(in.ReadInt(number) && number == expected) << expected;
        };
        std::vector<std::set<std::uint32_t>> offsets(9);
        str("BRINOX2000_TABLES_FILE");
        plain(15);
        EXPECT_TRUE(in.ReadInt(key) && key >= 1 && key <= 10) << key;
        for (std::int32_t t = 0; t < kLocalTableCount; ++t) {
            plain(saved.tables[t].rows[0].score);
        }
        for (std::int32_t t = 0; t < kTableCount; ++t) {
            for (const ScoreEntry& e : saved.tables[t].rows) {
                std::size_t field = 0;
                const auto counters = [&](std::initializer_list<std::int32_t> values) {
                    for (const std::int32_t value : values) {
                        EXPECT_TRUE(in.ReadInt(number));
                        // Unsigned, as the disguise wraps.
                        offsets[field++].insert(static_cast<std::uint32_t>(number) -
                                                static_cast<std::uint32_t>(value));
                    }
                };
                str(e.name);
                counters({e.level, e.score, e.lines});
                plain(e.used);
                str(e.startTime);
                str(e.endTime);
                counters({e.gameSeconds, e.pieces, e.bombs, e.minDropSeconds, e.maxDropSeconds,
                          e.avgDropSeconds});
                plain(e.bombsOn);
                if (t == WorldTop10Table) {
                    str(e.country);
                }
            }
        }
        for (const ScoreTable& table : saved.tables) {
            str(table.lastUpdate);
        }
        EXPECT_FALSE(in.ReadString(text)) << "the dates end the file";
        std::vector<std::uint32_t> multipliers;
        for (const auto& offset : offsets) {
            EXPECT_EQ(offset.size(), 1u) << "one offset per counter";
            EXPECT_EQ(*offset.begin() % static_cast<std::uint32_t>(key), 0u);
            EXPECT_GT(static_cast<std::int32_t>(*offset.begin()), 0);
            multipliers.push_back(*offset.begin() / static_cast<std::uint32_t>(key));
        }
        return multipliers;
    }
    ScratchDirectory dir;
    Random random;
};

TEST_F(ScoreTableSetTest, AllEightTablesRoundTripInTheDocumentedLayout) {
    const ScoreTableSet saved = FullSet();
    ASSERT_TRUE(saved.Save(dir.path, random, 1233));
    std::int32_t key = 0, otherKey = 0;
    const std::vector<std::uint32_t> multipliers = Multipliers(saved, key);
    ASSERT_TRUE(saved.Save(dir.path, random, 1234));
    EXPECT_EQ(Multipliers(saved, otherKey), multipliers) << "fixed, whatever the key";
    EXPECT_NE(key, otherKey) << "each save draws its own key";
    // Those of every data.ttb written so far: other ones would misread the players' tables.
    EXPECT_EQ(multipliers, (std::vector<std::uint32_t>{3, 7, 5, 11, 13, 17, 19, 23, 29}));
    ScoreTableSet loaded;
    ASSERT_TRUE(loaded.Load(dir.path));
    EXPECT_EQ(loaded, saved) << "flags other than 0 and 1 stand";
}

TEST_F(ScoreTableSetTest, BestScoreIsReadFromAWholeHeaderOfALocalTableOnly) {
    const ScoreTableSet saved = FullSet();
    ASSERT_TRUE(saved.Save(dir.path, random, 5));
    for (std::int32_t t = -1; t <= kLocalTableCount; ++t) {
        EXPECT_EQ(BestScore(dir.path, t),
                  t >= 0 && t < kLocalTableCount ? saved.tables[t].rows[0].score : 0);
    }
    for (std::int32_t number : {16, 15}) { // wrong number; header cut short
        PutFile(TablesPath(),
                Bytes().Str("BRINOX2000_TABLES_FILE").Int(number).Int(1).Int(500).Get());
        EXPECT_EQ(BestScore(dir.path, 0), 0);
    }
}

TEST_F(ScoreTableSetTest, OpeningReplacesAForeignFileWithEmptyTables) {
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
}

TEST_F(ScoreTableSetTest, OpeningADamagedFileKeepsWhatItHeld) {
    const ScoreTableSet saved = FullSet();
    ASSERT_TRUE(saved.Save(dir.path, random, 5));
    const ByteVector whole = FileBytes(TablesPath());
    PutFile(TablesPath(), Prefix(whole, whole.size() / 2));
    ScoreTableSet set;
    ASSERT_EQ(set.Open(dir.path, random, 6), TablesOpenResult::Ok);
    EXPECT_EQ(set.tables[0].rows, saved.tables[0].rows);
    EXPECT_EQ(set.tables[0].lastUpdate, "Never"); // the dates come last in the file
    EXPECT_EQ(set.tables[7], ScoreTable{});
}

TEST(PlaceTest, RanksByScoreThenLevelThenLinesAndEqualsGoBelow) {
    // Table 2 holds nothing, one row 500/2/10, or ten rows 1000, 900, ... 100 at 5/10.
    const std::int32_t cases[][5] = {{0, 1, 0, 0, 0},    {0, 0, 1, 0, 0},      {0, 0, 0, 0, 10},
                                     {2, 700, 5, 10, 4}, {1, 500, 3, 10, 0},   {1, 500, 2, 11, 0},
                                     {1, 500, 2, 9, 1},  {2, 50, 20, 999, 10}, {0, -5, 9, 9, 10}};
    for (const auto& [rows, score, level, lines, position] : cases) {
        ScoreTableSet set;
        for (std::int32_t r = 0; r < (rows == 2 ? 10 : rows); ++r) {
            set.tables[2].rows[r] = rows == 2 ? Result(1000 - r * 100, 5, 10) : Result(500, 2, 10);
        }
        EXPECT_EQ(set.Place(2, level, score, lines), position)
            << score << "/" << level << "/" << lines;
    }
}

TEST(ScoreTableEditTest, InsertShiftsRowsDropsTheLastAndStampsTheDate) {
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

    set.tables[7].rows[2].country = "Chile"; // the row's own country stays with it
    ScoreEntry entry = Result(5, 5, 5);
    entry.country = "Peru";
    set.Insert(7, 2, entry, kNow);
    EXPECT_EQ(set.tables[7].rows[2].country + set.tables[7].rows[3].country, "ChileChile");
    set.Insert(0, 10, Result(1, 1, 1), kNow); // out of range: ignored
    set.Insert(9, 0, Result(1, 1, 1), kNow);
    EXPECT_EQ(set.tables[0].rows[9].name, "Row 8");
}

} // namespace
} // namespace brinox::test
