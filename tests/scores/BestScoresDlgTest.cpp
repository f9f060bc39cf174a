// The best-scores and name dialogs through their real widgets, offscreen, with
// scripted message boxes. Also writes screenshots/bestscores.png and info.png.
#include "scores/CBestScoresDlg.h"

#include "FakeClock.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "engine/GameTypes.h"
#include "scores/LastNameFile.h"
#include "settings/FileTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

class BestScoresDlgTest : public ::testing::Test, public ChampionshipExchange {
protected:
    void SetUp() override {
        InstallPrompter(&prompter);
        InstallModalRunner(&runner);
        entry.name.clear();
        entry.level = 3;
        entry.lines = 12;
    }
    void TearDown() override {
        dialog.reset();
        InstallModalRunner(nullptr);
        InstallPrompter(nullptr);
    }
    void Send(QWidget*, const std::string&, const ScoreTable& table) override {
        sent.push_back(table);
    }
    bool Update(QWidget*, const std::string&, ScoreTable&) override { return false; }

    // Table 0 holds the scores 1000, 900, ..., 100.
    void FillClassicTable() {
        ScoreTableSet set;
        for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
            set.Insert(0, r, entry, clock.local);
            set.tables[0].rows[r].name = "Old";
            set.tables[0].rows[r].score = 1000 - r * 100;
        }
        ASSERT_TRUE(set.Save(dir.path, random, 1));
    }
    // Opens the dialog; a positive score asks for that result to be ranked.
    void Open(std::int32_t type, std::int32_t mode, std::int32_t score = 0) {
        BestScoresRequest request{dir.path, type, mode, score > 0, entry};
        request.entry.score = score;
        dialog = std::make_unique<CBestScoresDlg>(request,
                                                  CBestScoresDlg::Services{clock, random, this});
        dialog->show();
    }
    template <typename W = QLabel> W* Child(const QString& name) {
        return dialog->findChild<W*>(name);
    }
    ScoreTable Stored(std::int32_t table) {
        ScoreTableSet set;
        EXPECT_TRUE(set.Load(dir.path));
        return set.tables[table];
    }

    testing::ScratchDirectory dir;
    FakeClock clock;
    Random random;
    ScriptedPrompter prompter;
    ScriptedModalRunner runner;
    ScoreEntry entry;
    std::vector<ScoreTable> sent;
    std::unique_ptr<CBestScoresDlg> dialog;
};

TEST_F(BestScoresDlgTest, InsertionMarksTheNewRowAndSavesIt) {
    struct Case {
        bool full;
        std::int32_t score, row;
    };
    for (const Case c : {Case{false, 100, 0}, Case{true, 550, 5}, Case{true, 1000, 1}}) {
        std::filesystem::remove(dir.File("data.ttb"));
        if (c.full) {
            FillClassicTable();
        }
        runner.names = {QStringLiteral("Zoë✓")}; // the check mark has no place in the code page
        Open(Quadel, Classic, c.score);
        dialog->Tick();
        const QString r = QString::number(c.row);
        EXPECT_EQ(Child(QStringLiteral("rank") + r)->text(), QStringLiteral(">%1<").arg(c.row + 1));
        EXPECT_EQ(Child(QStringLiteral("name") + r)->text(), QStringLiteral("Zoë"));
        EXPECT_TRUE(Child<QPushButton>(QStringLiteral("info") + r)->isEnabled());
        EXPECT_EQ(Child(QStringLiteral("secondLine"))->text(),
                  QStringLiteral("Last update: Friday, 4 December 2026 1:05:09"));
        const ScoreTable stored = Stored(0);
        EXPECT_EQ(stored.rows[c.row].name, "Zo\xEB");
        EXPECT_EQ(stored.rows[9].score, c.full ? 200 : 0) << "the old last row is dropped";
        EXPECT_EQ(ReadLastName(dir.path), "Zo\xEB");
    }
    EXPECT_TRUE(prompter.boxes.empty()) << "only championship results are offered for sending";
}

TEST_F(BestScoresDlgTest, UnrankedOrUnnamedResultsLeaveTheFile) {
    FillClassicTable();
    ASSERT_TRUE(WriteLastName(dir.path, "Ann"));
    const auto before = testing::FileBytes(dir.File("data.ttb"));
    struct Case {
        std::int32_t score;
        bool stay, staysOpen, asked;
    };
    for (const Case c : {Case{50, true, true, true}, Case{50, false, false, true},
                         Case{5000, true, false, false}}) { // the last one cancels the name
        prompter.boxes.clear();
        prompter.answers = {c.stay};
        Open(Quadel, Classic, c.score);
        dialog->Tick();
        EXPECT_EQ(dialog->isVisible(), c.staysOpen);
        EXPECT_EQ(!prompter.boxes.empty(), c.asked);
        if (c.asked) {
            EXPECT_EQ(prompter.boxes[0].text, "Unfortunately your result do not get in the "
                                              "table.\nDo you wish to stay here?");
        }
        EXPECT_EQ(testing::FileBytes(dir.File("data.ttb")), before);
    }
    EXPECT_EQ(runner.shownNames, std::vector<QString>{QStringLiteral("Ann")});
}

TEST_F(BestScoresDlgTest, ChampionshipResultIsOfferedForSending) {
    runner.names = {QStringLiteral("Ann")};
    prompter.answers = {true};
    Open(Quadel, WorldChampionship, 700);
    dialog->Tick();
    EXPECT_EQ(prompter.boxes.at(0).text,
              "Do you want to send your results to the World Championship?");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].rows[0].score, 700);
}

TEST_F(BestScoresDlgTest, TablesEnableTheirButtonsAndClearAsks) {
    FillClassicTable();
    Open(Quadel, kTop10Mode);
    EXPECT_EQ(dialog->CurrentTable(), WorldTop10Table);
    for (std::int32_t t = kTableCount - 1; t >= 0; --t) {
        Child<QRadioButton>(QStringLiteral("selector%1").arg(t))->click();
        EXPECT_EQ(Child<QPushButton>(QStringLiteral("sendButton"))->isEnabled(), t == 3);
        EXPECT_EQ(Child<QPushButton>(QStringLiteral("updateButton"))->isEnabled(), t == 7);
    }
    for (const bool yes : {false, true}) {
        prompter.answers = {yes};
        Child<QPushButton>(QStringLiteral("clearButton"))->click();
        EXPECT_EQ(prompter.boxes.back().text, "Are you sure you want to clear the table?");
        EXPECT_EQ(Child(QStringLiteral("name0"))->text(), yes ? "Empty" : "Old");
        EXPECT_EQ(Stored(0).rows[0].used, yes ? 0 : 1);
    }
}

TEST_F(BestScoresDlgTest, InfoShowsTheWholeRecord) {
    std::filesystem::create_directory_symlink(BRINOX_GAME_DIR "/graph", dir.File("graph"));
    runner.names = {QStringLiteral("Mira"), QStringLiteral("Ann")};
    Open(Quadel, Classic, 48000);
    dialog->Tick();
    entry.startTime = "Friday, 4 December 2026 0:00:04";
    entry.endTime = "Friday, 4 December 2026 1:02:09";
    entry.gameSeconds = 3725;
    entry.pieces = 250;
    entry.bombs = 2;
    entry.minDropSeconds = 1;
    entry.maxDropSeconds = 9;
    entry.avgDropSeconds = 4;
    entry.bombsOn = 1;
    Open(Quadel, Classic, 55000);
    dialog->Tick();
    Child<QPushButton>(QStringLiteral("info0"))->click();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].caption, "Game Info: Ann");
    EXPECT_EQ(prompter.boxes[0].text, "Name: Ann\nTime of Game: 01:02:05\n\n"
                                      "Started: Friday, 4 December 2026 0:00:04\n"
                                      "Scores: 55000\nLevel: 3\nLines: 12\n"
                                      "Amount of Quadel pieces: 250\nBombs in the game: YES\n"
                                      "Amount of Bombs: 2\n"
                                      "Mimimum drop time of Quadel piece (seconds): 1\n"
                                      "Maximum drop time of Quadel piece (seconds): 9\n"
                                      "Average drop time of Quadel piece (seconds): 4\n"
                                      "Finished: Friday, 4 December 2026 1:02:09");
    const QDir out(QStringLiteral(BRINOX_SCREENSHOT_DIR));
    out.mkpath(QStringLiteral("."));
    EXPECT_TRUE(dialog->grab().save(out.filePath(QStringLiteral("bestscores.png"))));
    QMessageBox info(QMessageBox::Information, prompter.boxes[0].caption, prompter.boxes[0].text,
                     QMessageBox::Ok, dialog.get());
    info.show();
    EXPECT_TRUE(info.grab().save(out.filePath(QStringLiteral("info.png"))));
}

TEST_F(BestScoresDlgTest, OkWaitsForTheFirstTickAndOpeningFailuresClose) {
    Open(Quadel, Classic);
    Child<QPushButton>(QStringLiteral("okButton"))->click();
    EXPECT_TRUE(dialog->isVisible());
    dialog->Tick();
    Child<QPushButton>(QStringLiteral("okButton"))->click();
    EXPECT_FALSE(dialog->isVisible());

    std::filesystem::remove(dir.File("data.ttb"));
    std::filesystem::create_directory(dir.File("data.ttb")); // cannot be read or written
    Open(Quadel, Classic, 100);
    dialog->Tick();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, "ERROR! It is impossible to create tables");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(runner.shownNames.empty()) << "the pending insertion is dropped";
}

} // namespace
} // namespace brinox::test
