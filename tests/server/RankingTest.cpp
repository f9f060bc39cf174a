#include "server/Ranking.h"
#include "server/Top10Ranking.h"

#include "settings/Archive.h"
#include "settings/FileTestSupport.h"

#include <gtest/gtest.h>

#include <span>
#include <sstream>

namespace brinox::server {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDirectory;

TransferFile Upload(const std::string& email, std::int32_t score, const std::string& start) {
    TransferFile file;
    file.sender = {"x", email, email.substr(0, 3) + "land", ""};
    file.rows[0].name = email.substr(0, 3);
    file.rows[0].score = score;
    file.rows[0].used = 1;
    file.rows[0].startTime = start;
    return file;
}

TEST(RankingTest, DuplicatesCountOnceTiesKeepArrivalAndBadFilesAreNamed) {
    ScratchDirectory dir;
    const auto arrived = fs::file_time_type::clock::now();
    int order = 0;
    auto put = [&](const std::string& name, const TransferFile& file) {
        ASSERT_TRUE(WriteTransferFile(dir.File(name), file));
        fs::last_write_time(dir.File(name), arrived + std::chrono::seconds(++order));
    };
    TransferFile ann = Upload("ann@x", 300, "a");
    ann.rows[1] = Upload("ann@x", 100, "b").rows[0];
    put("z-ann.ttb", ann);
    put("a-bob.ttb", Upload("bob@x", 300, "c"));
    put("x-ann-again.ttb", Upload("ANN@x", 300, "a"));
    put("hostile.ttb", Upload("eve@x", -5, "d"));
    testing::PutFile(dir.File("cut.ttb"),
                     testing::Prefix(testing::FileBytes(dir.File("a-bob.ttb")), 200));
    testing::PutFile(dir.File("foreign.txt"), {'h', 'i'});

    std::ostringstream errors;
    ASSERT_EQ(RankDirectory(dir.path, dir.File("wctop10.ttb"), errors), 0);
    Top10Rows rows{};
    ASSERT_EQ(ReadTop10File(dir.File("wctop10.ttb"), rows), Top10Load::Ok);
    std::string ranked;
    for (const ScoreEntry& row : std::span(rows).first(4)) {
        ranked += row.name + "/" + row.country + "/" + std::to_string(row.score) + " ";
    }
    EXPECT_EQ(ranked, "ann/annland/300 bob/bobland/300 ann/annland/100 Empty//0 ");
    for (const char* skipped : {"hostile.ttb: implausible", "cut.ttb: upload cut short",
                                "foreign.txt: not a result upload"}) {
        EXPECT_NE(errors.str().find(skipped), std::string::npos) << errors.str();
    }
    std::ostringstream again;
    ASSERT_EQ(RankDirectory(dir.path, dir.File("wctop10.ttb"), again), 0);
    EXPECT_EQ(again.str(), errors.str()); // its own output skipped silently
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
