#include "server/Ranking.h"
#include "server/Top10Ranking.h"

#include "TestGame.h"
#include "engine/ReplayFile.h"
#include "scores/ReplayBundle.h"
#include "settings/Archive.h"
#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace brinox::server {
namespace {

namespace fs = std::filesystem;
using test::ScratchDirectory;

TransferFile Upload(const std::string& email, std::int32_t score, const std::string& start) {
    TransferFile file;
    file.sender = {"x", email, email.substr(0, 3) + "land", ""};
    file.rows[0].name = email.substr(0, 3);
    file.rows[0].score = score;
    file.rows[0].used = 1;
    file.rows[0].startTime = start;
    return file;
}

TEST(RankingTest, FilesThatAreNotPlausibleUploadsAreNamedAndSkipped) {
    ScratchDirectory dir;
    ASSERT_TRUE(WriteTransferFile(dir.File("bob.ttb"), Upload("bob@x", 300, "c")));
    ASSERT_TRUE(WriteTransferFile(dir.File("hostile.ttb"), Upload("eve@x", -5, "d")));
    test::PutFile(dir.File("cut.ttb"), test::Prefix(test::FileBytes(dir.File("bob.ttb")), 200));
    test::PutFile(dir.File("foreign.txt"), {'h', 'i'});
    std::ostringstream errors;
    ASSERT_EQ(RankDirectory(dir.path, dir.File("wctop10.ttb"), errors), 0);
    Top10Rows rows{};
    ASSERT_EQ(ReadTop10File(dir.File("wctop10.ttb"), rows), Top10Load::Ok);
    EXPECT_EQ(rows[0].name + rows[1].name, "bobEmpty");
    for (const char* skipped : {"hostile.ttb: implausible", "cut.ttb: upload cut short",
                                "foreign.txt: not a result upload"}) {
        EXPECT_NE(errors.str().find(skipped), std::string::npos) << errors.str();
    }
    std::ostringstream again;
    ASSERT_EQ(RankDirectory(dir.path, dir.File("wctop10.ttb"), again), 0);
    EXPECT_EQ(again.str(), errors.str()); // its own output skipped silently
}

// Two uploads that differ in one field (two for level against lines): which
// rows the Top 10 holds, best first. The order is score, level, lines, all
// descending, then arrival (file time, then name); one sender's result is
// counted once when e-mail (case aside), start, end and score agree.
TEST(RankingTest, EachFieldOfTheOrderAndOfTheDuplicateRule) {
    struct Sent {
        std::string email;
        std::int32_t score = 300, level = 5, lines = 20, used = 1;
        std::string start = "s", end = "e";
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
        {"same sender, other end", {"z@x"}, {"z@x", 300, 5, 20, 1, "s", "f"}, false, "z a"},
        {"same sender, other start", {"z@x"}, {"z@x", 300, 5, 20, 1, "t"}, false, "z a"},
        {"same sender, other score", {"z@x"}, {"z@x", 299}, false, "z a"},
        {"same sender, e-mail case", {"z@x"}, {"Z@X"}, false, "z"},
        {"same sender, other level", {"z@x"}, {"z@x", 300, 6}, false, "z"},
        {"used other than 1", {"z@x"}, {"a@x", 400, 5, 20, 2}, false, "z"},
        {"negative level", {"z@x"}, {"a@x", 400, -1}, false, "z"},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        const auto now = fs::file_time_type::clock::now();
        for (const auto& [sent, name, at] :
             {std::tuple{&c.first, "z", now}, {&c.second, "a", now + std::chrono::seconds(1)}}) {
            TransferFile file;
            file.sender = {"x", sent->email, std::string(name) + "land", ""};
            file.rows[0] = {
                {sent->level, sent->score, sent->lines, sent->start, sent->end, 0, 0, 0, 0, 0, 0},
                name,
                sent->used,
                0,
                ""};
            ASSERT_TRUE(WriteTransferFile(dir.File(std::string(name) + ".ttb"), file));
            fs::last_write_time(dir.File(std::string(name) + ".ttb"), c.sameSecond ? now : at);
        }
        std::ostringstream errors;
        ASSERT_EQ(RankDirectory(dir.path, dir.File("wctop10.ttb"), errors), 0);
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

// A Quadel World Championship game a bot played to its end by mashing the
// keys, as the engine recorded it.
const GameResult& RecordedGame() {
    static const GameResult result = [] {
        test::TestGame t;
        t.options.gameMode = WorldChampionship;
        t.fake.recordSounds = false;
        const Options& o = t.options;
        const std::int32_t codes[] = {o.keyLeft, o.keyRight, o.keyDown, o.keyDrop, o.keyRotate};
        std::mt19937 rng(2026);
        t.game.StartStopCommand();
        for (int step = 0; step < 100'000 && t.access.flags.gameInProgress; ++step) {
            const std::int32_t code = codes[rng() % 5];
            t.game.KeyDown(code);
            t.Tick(20 + rng() % 200);
            t.game.KeyUp(code);
        }
        return t.fake.results.at(0);
    }();
    return result;
}

// The recorded game's replay with one rotation turned into a drop: its key
// entry is one byte, the key in the low three bits (0x80: another entry, 8: released).
std::vector<std::uint8_t> EditedReplay() {
    Replay replay = *ReplayFile::Decode(RecordedGame().replay);
    for (std::size_t at = replay.inputs.size() / 2; at < replay.inputs.size(); ++at) {
        std::uint8_t& entry = replay.inputs[at];
        if ((entry & 0x8F) == static_cast<std::uint8_t>(GameKey::Rotate)) {
            entry = static_cast<std::uint8_t>((entry & 0xF0) | static_cast<int>(GameKey::Drop));
            return ReplayFile::Encode(replay);
        }
    }
    ADD_FAILURE() << "no rotation in the second half";
    return {};
}

// The recorded game's replay with a key code outside every key table: it
// plays the same, but no game could have recorded it.
std::vector<std::uint8_t> ForeignReplay() {
    Replay replay = *ReplayFile::Decode(RecordedGame().replay);
    replay.settings.keyLeft += 256;
    return ReplayFile::Encode(replay);
}

// Uploads the recorded game as the first row of name.ttb, one of its figures
// (the score unless told) changed by raise, with replay (when given) beside it.
void SendGame(const ScratchDirectory& dir, const std::string& name, std::int32_t raise,
              const std::vector<std::uint8_t>* replay,
              std::int32_t GameStatistics::*figure = &GameStatistics::score) {
    TransferFile file = Upload(name + "@x", 0, "s");
    static_cast<GameStatistics&>(file.rows[0]) = RecordedGame();
    file.rows[0].bombsOn = RecordedGame().bombsOn;
    file.rows[0].*figure += raise;
    ASSERT_TRUE(WriteTransferFile(dir.File(name + ".ttb"), file));
    if (replay != nullptr) {
        ASSERT_TRUE(WriteReplayBundle(dir.File(name + ".replays"), {{{0, *replay}}}));
    }
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

TEST(RankingTest, ForgedResultsAreRejectedWhileTheUntouchedOneIsVerified) {
    const std::vector<std::uint8_t> edited = EditedReplay();
    const std::vector<std::uint8_t> foreign = ForeignReplay();
    const struct {
        const char* forgery;
        std::int32_t raise;
        std::int32_t GameStatistics::*figure;
        const std::vector<std::uint8_t>* replay;
        const char* ranked;
        std::string said;
    } cases[] = {
        {"none", 0, &GameStatistics::score, &RecordedGame().replay, "ann ",
         "results verified 1, unverified 0, rejected 0"},
        {"raised score", 5000, &GameStatistics::score, &RecordedGame().replay, "",
         "ann.ttb row 1 (score " + std::to_string(RecordedGame().score + 5000) +
             "): the replay plays score"},
        {"shorter time", -10, &GameStatistics::gameSeconds, &RecordedGame().replay, "",
         "the replay plays played time"},
        {"edited input", 0, &GameStatistics::score, &edited, "",
         "results verified 0, unverified 0, rejected 1"},
        {"foreign key code", 0, &GameStatistics::score, &foreign, "",
         "its settings are not a game's"},
    };
    ASSERT_GT(RecordedGame().score, 0);
    for (const auto& c : cases) {
        ScratchDirectory dir;
        SendGame(dir, "ann", c.raise, c.replay, c.figure);
        const auto [ranked, said] = Rank(dir);
        EXPECT_EQ(ranked, c.ranked) << c.forgery;
        EXPECT_NE(said.find(c.said), std::string::npos) << c.forgery << ": " << said;
    }
}

TEST(RankingTest, RowsWithoutAReadableReplayAreUnverifiedAndVerifiedOnlyLeavesThemOut) {
    ScratchDirectory dir;
    SendGame(dir, "ann", 0, &RecordedGame().replay);
    SendGame(dir, "bob", 1, nullptr);
    SendGame(dir, "cid", 2, nullptr);
    test::PutFile(dir.File("cid.replays"), {'x'});
    for (const auto& [verifiedOnly, ranked, unverified] :
         {std::tuple{false, "cid bob ann ", "unverified 2,"},
          {true, "ann ", "unverified 2 (left out)"}}) {
        const auto [rankedNow, said] = Rank(dir, {verifiedOnly});
        EXPECT_EQ(rankedNow, ranked);
        EXPECT_NE(said.find(unverified), std::string::npos) << said;
        EXPECT_NE(said.find("unreadable replays " + dir.File("cid.replays")), std::string::npos);
    }
}

TEST(RankingTest, CuttingBackOnTheWayKeepsTheEarliestOfTiedLeaders) {
    Top10Ranking ranking;
    for (int n = 0; n < 600; ++n) { // 6000 tied rows, then one better
        TransferFile file = Upload(std::to_string(n) + "@x", 7, "");
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
