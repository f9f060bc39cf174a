#include "server/Ranking.h"
#include "server/Top10Ranking.h"

#include "BotGames.h"
#include "engine/CivilTime.h"
#include "engine/DateTimeText.h"
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayReader.h"
#include "engine/replay/ReplayWriter.h"
#include "scores/ReplayBundle.h"
#include "settings/Archive.h"
#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>

namespace brinox::server {
namespace {

namespace fs = std::filesystem;
using test::ChampionshipBotGame;
using test::ScratchDirectory;
using test::TestGame;

// A date text `seconds` after Friday, 4 December 2026 0:00:00.
std::string At(std::int64_t seconds) {
    return DateTimeText(LocalTimeAt(DaysFromCivil(2026, 12, 4) * 86'400 + seconds));
}

TransferFile Upload(const std::string& email, std::int32_t score, std::int64_t start) {
    TransferFile file;
    file.sender = {"x", email, email.substr(0, 3) + "land", ""};
    ScoreEntry& row = file.rows[0];
    row.name = email.substr(0, 3);
    row.score = score;
    row.level = 1;
    row.used = 1;
    row.startTime = At(start);
    row.endTime = At(start + 60);
    return file;
}

// The names of the ranked rows, and what the tool said.
std::pair<std::string, std::string> Rank(const ScratchDirectory& dir, RankOptions options = {}) {
    std::ostringstream errors;
    EXPECT_EQ(RankDirectory(dir.path, dir.File("wctop10.ttb"), errors, options), 0);
    Top10Rows rows{};
    EXPECT_EQ(ReadTop10File(dir.File("wctop10.ttb"), rows), Top10Load::Ok);
    std::string ranked;
    for (const ScoreEntry& row : rows) {
        ranked += row.used == 1 ? row.name + " " : "";
    }
    return {ranked, errors.str()};
}

const RankOptions kAdmitUnverified{true, "", "", ""};

TEST(RankingTest, FilesThatAreNotPlausibleUploadsAreNamedAndSkippedEvenWithUnverifiedRowsAdmitted) {
    ScratchDirectory dir;
    // Bob's upload at the edge of every limit.
    TransferFile edge = Upload("bob@" + std::string(76, 'x'), 2'000'002'147, 0);
    edge.sender.country = std::string(40, 'c');
    edge.rows[0].lines = 2'000'002'147;
    edge.rows[0].level = 20;
    edge.rows[0].name = "bob" + std::string(27, 'b');
    ASSERT_TRUE(WriteTransferFile(dir.File("bob.ttb"), edge));
    const struct {
        const char* file;
        std::function<void(TransferFile&)> pollute;
    } polluted[] = {
        // Past what the growth limit, a row score and a whole field's drop allow.
        {"score.ttb", [](TransferFile& f) { f.rows[0].score = 2'000'002'148; }},
        {"lines.ttb", [](TransferFile& f) { f.rows[0].lines = 2'000'002'148; }},
        {"level.ttb", [](TransferFile& f) { f.rows[0].level = 21; }},
        {"level0.ttb", [](TransferFile& f) { f.rows[0].level = 0; }},
        {"time.ttb", [](TransferFile& f) { f.rows[0].gameSeconds = -5; }},
        {"start.ttb", [](TransferFile& f) { f.rows[0].startTime = std::string(30'000, '\x1b'); }},
        {"name.ttb", [](TransferFile& f) { f.rows[0].name = std::string(31, 'n'); }},
        {"bombs.ttb", [](TransferFile& f) { f.rows[0].bombsOn = 1; }},
        {"email.ttb", [](TransferFile& f) { f.sender.email = std::string(81, 'e'); }},
        {"country.ttb", [](TransferFile& f) { f.sender.country = std::string(41, 'c'); }},
    };
    for (const auto& p : polluted) {
        TransferFile file = Upload("eve@x", 900, 0);
        p.pollute(file);
        ASSERT_TRUE(WriteTransferFile(dir.File(p.file), file));
    }
    test::PutFile(dir.File("cut.ttb"), test::Prefix(test::FileBytes(dir.File("bob.ttb")), 200));
    // A name that would write a line of its own into the log.
    test::PutFile(dir.File("x\nbrinox-rank: results verified 999.ttb"), {'h', 'i'});
    test::PutFile(dir.File("foreign.txt"), {'h', 'i'});
    const auto [ranked, said] = Rank(dir, kAdmitUnverified);
    EXPECT_EQ(ranked, edge.rows[0].name + " ");
    for (const auto& p : polluted) {
        EXPECT_NE(said.find(std::string(p.file) + ": implausible"), std::string::npos) << said;
    }
    EXPECT_NE(said.find("cut.ttb: upload cut short"), std::string::npos);
    EXPECT_NE(said.find("foreign.txt: not a result upload"), std::string::npos);
    EXPECT_EQ(said.find("\nbrinox-rank: results verified 999"), std::string::npos) << said;
    EXPECT_NE(said.find("x\\x0Abrinox-rank: results verified 999.ttb"), std::string::npos);
    EXPECT_EQ(Rank(dir, kAdmitUnverified).second, said); // its own output skipped silently
}

// Two uploads that differ in one field (two for level against lines): which
// rows the Top 10 holds, best first. The order is score, level, lines, all
// descending, then arrival (file time, then name); one sender's result is
// counted once when e-mail (case aside), start, end and score agree.
TEST(RankingTest, EachFieldOfTheOrderAndOfTheDuplicateRule) {
    struct Sent {
        std::string email;
        std::int32_t score = 300, level = 5, lines = 20, used = 1;
        std::int64_t start = 0, end = 60;
    };
    const struct {
        const char* rule;
        Sent first, second; // uploaded as z.ttb, then as a.ttb
        bool sameSecond;
        const char* ranked; // the used rows by file
    } cases[] = {
        {"level before lines", {"z@x"}, {"a@x", 300, 6, 10}, false, "a z"},
        {"more lines", {"z@x"}, {"a@x", 300, 5, 21}, false, "a z"},
        {"full tie: earlier upload", {"z@x"}, {"a@x"}, false, "z a"},
        {"full tie in one second: name", {"z@x"}, {"a@x"}, true, "a z"},
        {"same sender, other end", {"z@x"}, {"z@x", 300, 5, 20, 1, 0, 61}, false, "z a"},
        {"same sender, other start", {"z@x"}, {"z@x", 300, 5, 20, 1, 1}, false, "z a"},
        {"same sender, other score", {"z@x"}, {"z@x", 299}, false, "z a"},
        {"same sender, e-mail case", {"z@x"}, {"Z@X"}, false, "z"},
        {"same sender, other level", {"z@x"}, {"z@x", 300, 6}, false, "z"},
        {"used other than 1", {"z@x"}, {"a@x", 400, 5, 20, 2}, false, "z"},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        const auto now = fs::file_time_type::clock::now();
        for (const auto& [sent, name, at] :
             {std::tuple{&c.first, "z", now}, {&c.second, "a", now + std::chrono::seconds(1)}}) {
            TransferFile file;
            file.sender = {"x", sent->email, std::string(name) + "land", ""};
            file.rows[0] = {{sent->level, sent->score, sent->lines, At(sent->start), At(sent->end),
                             0, 0, 0, 0, 0, 0},
                            name,
                            sent->used,
                            0,
                            ""};
            ASSERT_TRUE(WriteTransferFile(dir.File(std::string(name) + ".ttb"), file));
            fs::last_write_time(dir.File(std::string(name) + ".ttb"), c.sameSecond ? now : at);
        }
        std::ostringstream errors;
        ASSERT_EQ(RankDirectory(dir.path, dir.File("wctop10.ttb"), errors, kAdmitUnverified), 0);
        Top10Rows rows{};
        ASSERT_EQ(ReadTop10File(dir.File("wctop10.ttb"), rows), Top10Load::Ok);
        std::string ranked;
        for (const ScoreEntry& row : rows) {
            if (row.used != 0) {
                EXPECT_EQ(row.country, row.name + "land");
                ranked += (ranked.empty() ? "" : " ") + row.name;
            }
        }
        EXPECT_EQ(ranked, c.ranked) << c.rule;
    }
}

const GameResult& RecordedGame() {
    static const GameResult result = ChampionshipBotGame(2026);
    return result;
}

// Uploads a game as the first row of name.ttb, one of its figures (the score
// unless told) changed by raise, with its replay beside it (or another).
void SendGame(const ScratchDirectory& dir, const std::string& name, const GameResult& game,
              const std::vector<std::uint8_t>* replay, std::int32_t raise = 0,
              std::int32_t GameStatistics::*figure = &GameStatistics::score) {
    TransferFile file = Upload(name + "@x", 0, 0);
    static_cast<GameStatistics&>(file.rows[0]) = game;
    file.rows[0].*figure += raise;
    ASSERT_TRUE(WriteTransferFile(dir.File(name + ".ttb"), file));
    if (replay != nullptr) {
        ASSERT_TRUE(WriteReplayBundle(dir.File(name + ".replays"), {{{0, *replay}}}));
    }
}

// The recorded game's replay, changed.
std::vector<std::uint8_t> Edited(const std::function<void(Replay&)>& edit) {
    Replay replay = *ReplayFile::Decode(RecordedGame().replay);
    edit(replay);
    return ReplayFile::Encode(replay);
}

// The replay with one of its answers (0: the first) replaced.
std::vector<std::uint8_t> AnswerEdited(std::size_t index, std::int64_t change) {
    return Edited([&](Replay& replay) {
        std::vector<std::uint8_t> answers;
        std::size_t at = 0;
        for (std::int64_t value = 0; ReplayReader::GetSigned(replay.answers, at, value);) {
            ReplayWriter::PutSigned(answers, value + (index-- == 0 ? change : 0));
        }
        replay.answers = answers;
    });
}

TEST(RankingTest, EachForgeryIsRejectedWithItsReasonWhileTheUntouchedGameIsVerified) {
    // One rotation turned into a drop: a key entry is one byte, the key in the
    // low three bits (0x80: another entry, 8: released).
    const auto editedInput = Edited([](Replay& replay) {
        for (std::size_t at = replay.inputs.size() / 2; at < replay.inputs.size(); ++at) {
            if ((replay.inputs[at] & 0x8F) == static_cast<std::uint8_t>(GameKey::Rotate)) {
                replay.inputs[at] = static_cast<std::uint8_t>((replay.inputs[at] & 0xF0) |
                                                              static_cast<int>(GameKey::Drop));
                return;
            }
        }
    });
    const auto foreignKey = Edited([](Replay& r) { r.settings.keyLeft += 256; });
    // A day of ticks after the start, in a game that took minutes: 0x80 | Ticks,
    // then the count (after the start entry and its value).
    const auto paused = Edited([](Replay& r) {
        r.inputs.insert(r.inputs.begin() + 2, {0x80, 0x80, 0xC6, 0xA9, 0x02});
    });
    // The first piece's seed chosen: the answers begin with the local time's
    // seven fields and the best score, then the calendar time.
    const auto seedChosen = AnswerEdited(8, 5'000);
    // Pieces chosen: the generator set before every piece.
    const GameResult chosen = ChampionshipBotGame(7, false, [](TestGame& t, int) {
        if (t.game.State().pieces % 2 == 0) {
            t.random.Seed(12345);
        }
    });
    // The window's animations drawing from the engine's generator.
    const GameResult drawn = ChampionshipBotGame(
        8, false, {}, [](TestGame& t) { t.fake.onFieldAnimation = [&t] { t.random.Next(); }; });
    // The clock frozen: every tick reads the same time.
    const GameResult frozen =
        ChampionshipBotGame(9, true, [](TestGame& t, int) { t.clock.Set(t.clock.linkedAt - 20); });
    // A Classic game with bombs, switched to the championship before its end.
    const GameResult switched = ChampionshipBotGame(
        10, false,
        [](TestGame& t, int step) {
            if (step == 60) {
                t.options.gameMode = WorldChampionship;
                t.options.bombsOn = 0;
            }
        },
        [](TestGame& t) {
            t.options.gameMode = Classic;
            t.options.bombsOn = 1;
        });
    // A championship game that turns bombs on half-way.
    const GameResult bombed = ChampionshipBotGame(
        11, false, [](TestGame& t, int step) { t.options.bombsOn = step >= 20 ? 1 : 0; });
    const struct {
        const char* forgery;
        const GameResult& game;
        const std::vector<std::uint8_t>* replay;
        std::int32_t raise;
        std::int32_t GameStatistics::*figure;
        std::string said;
    } cases[] = {
        {"none", RecordedGame(), &RecordedGame().replay, 0, &GameStatistics::score,
         "results verified 1,"},
        {"raised score", RecordedGame(), &RecordedGame().replay, 5000, &GameStatistics::score,
         "the replay plays score"},
        {"shorter time", RecordedGame(), &RecordedGame().replay, -1, &GameStatistics::gameSeconds,
         "the replay plays played time"},
        {"edited input", RecordedGame(), &editedInput, 0, &GameStatistics::score,
         "the replay plays"},
        {"foreign key code", RecordedGame(), &foreignKey, 0, &GameStatistics::score,
         "its settings are not a game's"},
        {"paused for a day", RecordedGame(), &paused, 0, &GameStatistics::score,
         "is not played: it holds more ticks than the time between its start and end allows"},
        {"first seed chosen", RecordedGame(), &seedChosen, 0, &GameStatistics::score,
         "its start time does not fit its calendar time"},
        {"pieces chosen", chosen, &chosen.replay, 0, &GameStatistics::score,
         "it sets the random generator itself"},
        {"generator drawn from outside", drawn, &drawn.replay, 0, &GameStatistics::score,
         "it sets the random generator itself"},
        {"clock frozen", frozen, &frozen.replay, 0, &GameStatistics::score,
         "its clock runs slower than its ticks"},
        {"rules switched", switched, &switched.replay, 0, &GameStatistics::score,
         "it is not a Quadel World Championship game without bombs"},
        {"bombs turned on", bombed, &bombed.replay, 0, &GameStatistics::score,
         "it changes the game's rules during the game"},
        {"row's start moved", RecordedGame(), &RecordedGame().replay, 0, nullptr,
         "the replay's start or end is not the result's"},
    };
    ASSERT_GT(RecordedGame().score, 0);
    for (const auto& c : cases) {
        ScratchDirectory dir;
        GameResult sent = c.game;
        if (c.figure == nullptr) {
            sent.startTime = At(-3600);
        }
        SendGame(dir, "ann", sent, c.replay, c.raise, c.figure ? c.figure : &GameStatistics::score);
        const auto [ranked, said] = Rank(dir);
        EXPECT_EQ(ranked, c.said.starts_with("results") ? "ann " : "") << c.forgery;
        EXPECT_NE(said.find(c.said), std::string::npos) << c.forgery << ": " << said;
    }
}

TEST(RankingTest, OneGameTakesOnePlaceWhoeverSendsIt) {
    ScratchDirectory dir;
    const auto now = fs::file_time_type::clock::now();
    for (int n = 0; n < 10; ++n) {
        const std::string name = std::string(1, static_cast<char>('a' + n)) + "nn";
        SendGame(dir, name, RecordedGame(), &RecordedGame().replay);
        fs::last_write_time(dir.File(name + ".ttb"), now + std::chrono::seconds(n));
    }
    const auto [ranked, said] = Rank(dir);
    EXPECT_EQ(ranked, "ann ");
    EXPECT_NE(said.find("results verified 1, held 0, duplicates 9"), std::string::npos) << said;
    EXPECT_NE(said.find("jnn.ttb row 1 (jnn, score " + std::to_string(RecordedGame().score) +
                        "): the same game as ann.ttb#1"),
              std::string::npos);
    // The earliest keeps it, even when the files' times change later.
    fs::last_write_time(dir.File("ann.ttb"), now + std::chrono::hours(1));
    EXPECT_EQ(Rank(dir).first, "ann ");
}

TEST(RankingTest, AMachinesPaceIsHeldUntilTheReviewFileAdmitsIt) {
    const GameResult machine = ChampionshipBotGame(12, true);
    ScratchDirectory dir;
    SendGame(dir, "bot", machine, &machine.replay);
    const auto [ranked, said] = Rank(dir);
    EXPECT_EQ(ranked, "");
    const std::size_t game = said.find("; game ");
    ASSERT_NE(game, std::string::npos) << said;
    EXPECT_NE(said.find("held for review " + dir.File("bot.ttb") + " row 1 (bot, score " +
                        std::to_string(machine.score) + "): 50.0 keys in a second at most"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("results verified 0, held 1,"), std::string::npos) << said;
    test::PutFile(dir.File("brinox-rank.review"),
                  test::Text("# looked at it\n" + said.substr(game + 7, 64) + " watched, fine\n"));
    EXPECT_EQ(Rank(dir).first, "bot ");
}

TEST(RankingTest, VerdictsAreKeptSoThatEachReplayIsPlayedOnceAndADamagedStateIsRebuilt) {
    ScratchDirectory dir;
    SendGame(dir, "ann", RecordedGame(), &RecordedGame().replay);
    SendGame(dir, "bob", RecordedGame(), &RecordedGame().replay, 100);
    for (const auto& [damage, played] : {std::pair{false, "replays played 2"},
                                         {false, "replays played 0"},
                                         {true, "replays played 2"}}) {
        if (damage) {
            test::PutFile(dir.File(kStateFileName),
                          test::Prefix(test::FileBytes(dir.File(kStateFileName)), 40));
        }
        const auto [ranked, said] = Rank(dir);
        EXPECT_EQ(ranked, "ann ");
        EXPECT_NE(said.find(played), std::string::npos) << said;
        EXPECT_EQ(said.find("damaged") != std::string::npos, damage) << said;
    }
    const auto written = std::filesystem::last_write_time(dir.File(kStateFileName));
    Rank(dir);
    EXPECT_EQ(std::filesystem::last_write_time(dir.File(kStateFileName)), written) << "unchanged";
}

TEST(RankingTest, RowsWithoutAReadableReplayAreUnverifiedAndLeftOutUnlessAdmitted) {
    ScratchDirectory dir;
    SendGame(dir, "ann", RecordedGame(), &RecordedGame().replay);
    SendGame(dir, "bob", RecordedGame(), nullptr, 1);
    SendGame(dir, "cid", RecordedGame(), nullptr, 2);
    test::PutFile(dir.File("cid.replays"), {'x'});
    for (const auto& [options, ranked, unverified] :
         {std::tuple{kAdmitUnverified, "cid bob ann ", "unverified 2 (ranked)"},
          {RankOptions{}, "ann ", "unverified 2 (left out)"}}) {
        const auto [rankedNow, said] = Rank(dir, options);
        EXPECT_EQ(rankedNow, ranked);
        EXPECT_NE(said.find(unverified), std::string::npos) << said;
        EXPECT_NE(said.find("unreadable replays " + dir.File("cid.replays")), std::string::npos);
    }
}

TEST(RankingTest, TheStoreKeepsEveryUploadThatArrivedWholeAndTheTopTensReplaysArePublished) {
    ScratchDirectory ftp, store;
    SendGame(ftp, "ann", RecordedGame(), &RecordedGame().replay);
    SendGame(ftp, "bob", RecordedGame(), nullptr, 1);
    test::PutFile(ftp.File("cid.replays"), {'x'});  // its upload is still on its way
    test::PutFile(ftp.File(".in.dan.ttb."), {'x'}); // the daemon still writes it
    const RankOptions options{false, "", "", store.path};
    EXPECT_EQ(Rank(ftp, options).first, "ann ");
    const auto names = [](const std::string& path) {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(path)) {
            found.insert(entry.path().filename().string());
        }
        return found;
    };
    EXPECT_EQ(names(store.path), (std::set<std::string>{"ann.ttb", "ann.replays", "bob.ttb"}));
    EXPECT_EQ(names(ftp.path), (std::set<std::string>{"cid.replays", ".in.dan.ttb.", "wctop10.ttb",
                                                      "wctop10.replays", kStateFileName}));
    EXPECT_EQ(ReadReplayBundle(test::FileBytes(ftp.File("wctop10.replays"))),
              (ReplayBundle{{{0, RecordedGame().replay}}}));
    // The same name again is another upload: both stay, the first as it was.
    SendGame(ftp, "ann", RecordedGame(), &RecordedGame().replay, 7);
    const auto [ranked, said] = Rank(ftp, options);
    EXPECT_EQ(ranked, "ann ");
    EXPECT_NE(said.find(store.File("ann~1.ttb") + " row 1 (ann, score"), std::string::npos);
    EXPECT_TRUE(names(store.path).contains("ann~1.replays"));
}

TEST(RankingTest, CuttingBackOnTheWayKeepsTheEarliestOfTiedLeaders) {
    Top10Ranking ranking;
    for (int n = 0; n < 600; ++n) { // 6000 tied rows, then one better
        TransferFile file = Upload(std::to_string(n) + "@x", 7, 0);
        for (int r = 0; r < 10; ++r) {
            file.rows[r] = file.rows[0];
            file.rows[r].startTime = std::to_string(r);
        }
        file.rows[0].score += n == 599 ? 1 : 0;
        ranking.Add(file);
    }
    std::string ranked;
    for (const ScoreEntry& row : ranking.Result()) {
        ranked += row.name + row.startTime + " ";
    }
    EXPECT_EQ(ranked, "5990 0@x0 0@x1 0@x2 0@x3 0@x4 0@x5 0@x6 0@x7 0@x8 ");
}

} // namespace
} // namespace brinox::server
