// The best-scores and name dialogs through their real widgets, offscreen:
// message boxes scripted, the name dialog answered by typing into its field.
#include "scores/CBestScoresDlg.h"

#include "FakeClock.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "engine/GameTypes.h"
#include "scores/LastNameFile.h"
#include "settings/FileTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

namespace brinox::test {
namespace {

using testing::FileBytes;
using testing::ScratchDirectory;

class FakeExchange : public ChampionshipExchange {
public:
    void Send(QWidget*, const std::string&, const ScoreTable& table) override {
        sent.push_back(table);
    }
    bool Update(QWidget*, const std::string&, ScoreTable& table) override {
        ++updates;
        table.rows[0].name = "Downloaded";
        table.rows[0].used = 1;
        table.rows[0].country = "Norway";
        return true;
    }
    std::vector<ScoreTable> sent;
    int updates = 0;
};

ScoreEntry Game(std::int32_t score, std::int32_t seconds = 0) {
    ScoreEntry e;
    e.name.clear();
    e.score = score;
    e.level = 3;
    e.lines = 12;
    e.gameSeconds = seconds;
    return e;
}

class BestScoresDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallPrompter(&prompter);
        InstallModalRunner(&runner);
    }
    void TearDown() override {
        dialog.reset();
        InstallModalRunner(nullptr);
        InstallPrompter(nullptr);
    }

    // Table 0 (Quadel Classic) filled with the scores 1000, 900, ..., 100.
    void FillClassicTable() {
        ScoreTableSet set;
        for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
            set.tables[0].rows[r] = Game(1000 - r * 100);
            set.tables[0].rows[r].name = "Old " + std::to_string(r);
            set.tables[0].rows[r].used = 1;
        }
        ASSERT_TRUE(set.Save(dir.path, random, 1));
    }

    void Open(std::int32_t type, std::int32_t mode, const ScoreEntry* result = nullptr) {
        BestScoresRequest request;
        request.appDirectory = dir.path;
        request.gameType = type;
        request.gameMode = mode;
        request.insert = result != nullptr;
        if (result != nullptr) {
            request.entry = *result;
        }
        dialog = std::make_unique<CBestScoresDlg>(
            request, CBestScoresDlg::Services{clock, random, &exchange});
        dialog->show();
    }

    template <typename W> W* Child(const QString& name) {
        W* widget = dialog->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString Text(const QString& name) { return Child<QLabel>(name)->text(); }
    ScoreTableSet OnDisk() {
        ScoreTableSet set;
        EXPECT_TRUE(set.Load(dir.path));
        return set;
    }

    ScratchDirectory dir;
    FakeClock clock;
    Random random;
    ScriptedPrompter prompter;
    ScriptedModalRunner runner;
    FakeExchange exchange;
    std::unique_ptr<CBestScoresDlg> dialog;
};

TEST_F(BestScoresDlgTest, InsertionMarksTheNewRowAndSavesIt) {
    struct Case {
        bool full;
        std::int32_t score;
        std::int32_t row;
    };
    for (const Case c : {Case{false, 100, 0}, Case{true, 550, 5}, Case{true, 1000, 1}}) {
        SCOPED_TRACE(c.score);
        std::filesystem::remove(dir.File("data.ttb"));
        if (c.full) {
            FillClassicTable();
        }
        runner.names = {QStringLiteral("Zoë")};
        const ScoreEntry result = Game(c.score);
        Open(Quadel, Classic, &result);
        dialog->Tick();
        const QString r = QString::number(c.row);
        EXPECT_EQ(Text(QStringLiteral("rank") + r), QStringLiteral(">%1<").arg(c.row + 1));
        EXPECT_EQ(Text(QStringLiteral("name") + r), QStringLiteral("Zoë"));
        EXPECT_TRUE(Child<QPushButton>(QStringLiteral("info") + r)->isEnabled());
        EXPECT_EQ(Text(QStringLiteral("secondLine")),
                  QStringLiteral("Last update: Friday, 4 December 2026 1:05:09"));
        const ScoreTable stored = OnDisk().tables[0];
        EXPECT_EQ(stored.rows[c.row].name, "Zo\xEB");
        EXPECT_EQ(stored.rows[c.row].used, 1);
        // A full table drops its old last row (score 100); the one above moves down.
        EXPECT_EQ(stored.rows[9].score, c.full ? 200 : 0);
        EXPECT_EQ(ReadLastName(dir.path), "Zo\xEB");
        EXPECT_TRUE(prompter.boxes.empty()); // a Classic result is not offered for sending
        dialog->reject();
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(BestScoresDlgTest, AResultThatDoesNotEnterAsksWhetherToStay) {
    FillClassicTable();
    const auto before = FileBytes(dir.File("data.ttb"));
    for (const bool stay : {true, false}) {
        prompter.answers = {stay};
        const ScoreEntry result = Game(50);
        Open(Quadel, Classic, &result);
        dialog->Tick();
        ASSERT_FALSE(prompter.boxes.empty());
        EXPECT_EQ(prompter.boxes.back().text,
                  "Unfortunately your result do not get in the table.\nDo you wish to stay here?");
        EXPECT_EQ(dialog->isVisible(), stay);
        EXPECT_TRUE(runner.shownNames.empty());
    }
    EXPECT_EQ(FileBytes(dir.File("data.ttb")), before);
}

TEST_F(BestScoresDlgTest, CancellingTheNameLeavesTheFileAndClosesTheDialog) {
    FillClassicTable();
    ASSERT_TRUE(WriteLastName(dir.path, "Ann"));
    const auto before = FileBytes(dir.File("data.ttb"));
    const ScoreEntry result = Game(5000);
    Open(Quadel, Classic, &result);
    dialog->Tick(); // the script has no name: Cancel
    EXPECT_EQ(runner.shownNames, std::vector<QString>{QStringLiteral("Ann")});
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(FileBytes(dir.File("data.ttb")), before);
    EXPECT_EQ(ReadLastName(dir.path), "Ann");
}

TEST_F(BestScoresDlgTest, ChampionshipResultIsOfferedForSending) {
    runner.names = {QStringLiteral("Ann")};
    prompter.answers = {true};
    const ScoreEntry result = Game(700);
    Open(Quadel, WorldChampionship, &result);
    dialog->Tick();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text,
              "Do you want to send your results to the World Championship?");
    ASSERT_EQ(exchange.sent.size(), 1u);
    EXPECT_EQ(exchange.sent[0].rows[0].score, 700);
}

TEST_F(BestScoresDlgTest, EachTableEnablesItsOwnButtonsAndLines) {
    Open(Quadel, kTop10Mode);
    EXPECT_EQ(dialog->CurrentTable(), WorldTop10Table);
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        Child<QRadioButton>(QStringLiteral("selector%1").arg(t))->click();
        SCOPED_TRACE(t);
        EXPECT_EQ(dialog->windowTitle().toStdString(), TableTitle(t));
        EXPECT_EQ(Child<QPushButton>(QStringLiteral("sendButton"))->isEnabled(), t == 3);
        EXPECT_EQ(Child<QPushButton>(QStringLiteral("updateButton"))->isEnabled(), t == 7);
        const QString first = Text(QStringLiteral("firstLine"));
        EXPECT_TRUE(t == 3 || t == 7 ? first.contains(QStringLiteral(" press "))
                                     : first.toStdString() == TableLabel(t));
        EXPECT_EQ(Text(QStringLiteral("secondLine")), QStringLiteral("Last update: Never"));
    }
    // UPDATE stores the download and shows it with the country.
    Child<QPushButton>(QStringLiteral("updateButton"))->click();
    EXPECT_EQ(Text(QStringLiteral("name0")), QStringLiteral("Downloaded (Norway)"));
    EXPECT_EQ(OnDisk().tables[7].rows[0].country, "Norway");
}

TEST_F(BestScoresDlgTest, ClearAsksAndEmptiesTheTableOnYes) {
    FillClassicTable();
    Open(Quinel, kTop10Mode); // no table: the first local one, nothing ranked
    dialog->Tick();
    ASSERT_EQ(dialog->CurrentTable(), 0);
    for (const bool yes : {false, true}) {
        prompter.answers = {yes};
        Child<QPushButton>(QStringLiteral("clearButton"))->click();
        EXPECT_EQ(prompter.boxes.back().text, "Are you sure you want to clear the table?");
        EXPECT_EQ(Text(QStringLiteral("name0")), yes ? QStringLiteral("Empty") : "Old 0");
        EXPECT_EQ(OnDisk().tables[0].rows[0].used, yes ? 0 : 1);
    }
    EXPECT_EQ(OnDisk().tables[0].lastUpdate, "Never");
}

TEST_F(BestScoresDlgTest, InfoShowsTheWholeRecord) {
    runner.names = {QStringLiteral("Ann")};
    ScoreEntry result = Game(4321, 3725);
    result.startTime = "Friday, 4 December 2026 0:00:04";
    result.endTime = "Friday, 4 December 2026 1:02:09";
    result.pieces = 250;
    result.bombs = 2;
    result.bombsOn = 1;
    result.minDropSeconds = 1;
    result.maxDropSeconds = 9;
    result.avgDropSeconds = 4;
    Open(Quadel, Timer, &result);
    dialog->Tick();
    Child<QPushButton>(QStringLiteral("info0"))->click();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].caption, "Game Info: Ann");
    EXPECT_EQ(prompter.boxes[0].text, "Name: Ann\n"
                                      "Time of Game: 01:02:05\n\n"
                                      "Started: Friday, 4 December 2026 0:00:04\n"
                                      "Scores: 4321\nLevel: 3\nLines: 12\n"
                                      "Amount of Quadel pieces: 250\n"
                                      "Bombs in the game: YES\n"
                                      "Amount of Bombs: 2\n"
                                      "Mimimum drop time of Quadel piece (seconds): 1\n"
                                      "Maximum drop time of Quadel piece (seconds): 9\n"
                                      "Average drop time of Quadel piece (seconds): 4\n"
                                      "Finished: Friday, 4 December 2026 1:02:09");
    EXPECT_FALSE(Child<QPushButton>(QStringLiteral("info1"))->isEnabled());
}

TEST_F(BestScoresDlgTest, OkWorksOnlyAfterTheFirstTick) {
    Open(Quadel, Classic);
    Child<QPushButton>(QStringLiteral("okButton"))->click();
    EXPECT_TRUE(dialog->isVisible());
    dialog->Tick();
    Child<QPushButton>(QStringLiteral("okButton"))->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(BestScoresDlgTest, TablesThatCannotBeCreatedAreReportedAndClose) {
    std::filesystem::create_directory(dir.File("data.ttb")); // neither readable nor writable
    const ScoreEntry result = Game(100);
    Open(Quadel, Classic, &result);
    EXPECT_TRUE(dialog->isVisible());
    dialog->Tick();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, "ERROR! It is impossible to create tables");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(runner.shownNames.empty()); // the pending insertion is dropped
}

} // namespace
} // namespace brinox::test
