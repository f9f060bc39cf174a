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
            set.tables[0].rows[r] = {"Old", 3, 1000 - r * 100, 12, 1, "", "", 0, 0, 0, 0, 0, 0,
                                     0,     ""};
        }
        ASSERT_TRUE(set.Save(dir.path, random, 1));
    }
    // Opens the dialog and ticks once; a positive score asks for that result to be ranked.
    void Open(std::int32_t mode, std::int32_t score = 0, bool tick = true) {
        BestScoresRequest request{dir.path, Quadel, mode, score > 0, entry};
        request.entry.score = score;
        dialog = std::make_unique<CBestScoresDlg>(request,
                                                  CBestScoresDlg::Services{clock, random, this});
        dialog->show();
        if (tick) {
            dialog->Tick();
        }
    }
    QString Text(const QString& label) { return dialog->findChild<QLabel*>(label)->text(); }
    QPushButton* Button(const QString& name) { return dialog->findChild<QPushButton*>(name); }
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
    ScoreEntry entry{"", 3, 0, 12, 0, "", "", 0, 0, 0, 0, 0, 0, 0, ""};
    std::vector<ScoreTable> sent;
    std::unique_ptr<CBestScoresDlg> dialog;
};

TEST_F(BestScoresDlgTest, InsertionMarksTheNewRowAndSavesIt) {
    struct Case {
        std::int32_t mode, score, row;
        bool full;
    };
    for (const Case c : {Case{Classic, 100, 0, false}, Case{Classic, 550, 5, true},
                         Case{Classic, 1000, 1, true}, Case{WorldChampionship, 70, 0, false}}) {
        if (c.full) {
            FillClassicTable();
        }
        runner.names = {QStringLiteral("Zoë✓")}; // the check mark has no place in the code page
        prompter.answers = {true};               // to sending
        Open(c.mode, c.score);
        const QString r = QString::number(c.row);
        EXPECT_EQ(Text(QStringLiteral("rank") + r), QStringLiteral(">%1<").arg(c.row + 1));
        EXPECT_EQ(Text(QStringLiteral("name") + r), QStringLiteral("Zoë"));
        EXPECT_TRUE(Button(QStringLiteral("info") + r)->isEnabled());
        EXPECT_EQ(Text(QStringLiteral("secondLine")),
                  QStringLiteral("Last update: Friday, 4 December 2026 1:05:09"));
        const ScoreTable stored = Stored(c.mode);
        EXPECT_EQ(stored.rows[c.row].name, "Zo\xEB");
        EXPECT_EQ(stored.rows[9].score, c.full ? 200 : 0) << "the old last row is dropped";
        EXPECT_EQ(ReadLastName(dir.path), "Zo\xEB");
    }
    // Only the championship result is offered for sending.
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text,
              "Do you want to send your results to the World Championship?");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].rows[0].score, 70);
}

TEST_F(BestScoresDlgTest, UnrankedOrUnnamedResultsLeaveTheFile) {
    FillClassicTable();
    ASSERT_TRUE(WriteLastName(dir.path, "Ann"));
    const auto before = testing::FileBytes(dir.File("data.ttb"));
    struct Case {
        std::int32_t score;
        bool stay, staysOpen;
    };
    // 50 does not enter; 5000 does, but the name dialog is cancelled.
    for (const Case c : {Case{50, true, true}, Case{50, false, false}, Case{5000, true, false}}) {
        prompter.boxes.clear();
        prompter.answers = {c.stay};
        Open(Classic, c.score);
        EXPECT_EQ(dialog->isVisible(), c.staysOpen);
        EXPECT_EQ(prompter.boxes.empty() ? QString() : prompter.boxes[0].text,
                  c.score > 1000 ? QString()
                                 : QStringLiteral("Unfortunately your result do not get in the "
                                                  "table.\nDo you wish to stay here?"));
        EXPECT_EQ(testing::FileBytes(dir.File("data.ttb")), before);
    }
    EXPECT_EQ(runner.shownNames, std::vector<QString>{QStringLiteral("Ann")});
}

TEST_F(BestScoresDlgTest, OkAfterTheFirstTickButtonsPerTableAndClear) {
    FillClassicTable();
    Open(kTop10Mode, 0, false);
    EXPECT_EQ(dialog->CurrentTable(), WorldTop10Table);
    Button(QStringLiteral("okButton"))->click();
    EXPECT_TRUE(dialog->isVisible()) << "OK is ignored before the first tick";
    for (std::int32_t t = kTableCount - 1; t >= 0; --t) {
        dialog->findChild<QRadioButton*>(QStringLiteral("selector%1").arg(t))->click();
        EXPECT_EQ(Button(QStringLiteral("sendButton"))->isEnabled(), t == 3);
        EXPECT_EQ(Button(QStringLiteral("updateButton"))->isEnabled(), t == 7);
    }
    for (const bool yes : {false, true}) {
        prompter.answers = {yes};
        Button(QStringLiteral("clearButton"))->click();
        EXPECT_EQ(prompter.boxes.back().text, "Are you sure you want to clear the table?");
        EXPECT_EQ(Text(QStringLiteral("name0")), yes ? "Empty" : "Old");
        EXPECT_EQ(Stored(0).rows[0].used, yes ? 0 : 1);
    }
    dialog->Tick();
    Button(QStringLiteral("okButton"))->click();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(BestScoresDlgTest, InfoShowsTheWholeRecord) {
    std::filesystem::create_directory_symlink(BRINOX_GAME_DIR "/graph", dir.File("graph"));
    runner.names = {QStringLiteral("Mira"), QStringLiteral("Ann")};
    Open(Classic, 48000);
    entry = {"",
             3,
             0,
             12,
             0,
             "Friday, 4 December 2026 0:00:04",
             "Friday, 4 December 2026 1:02:09",
             3725,
             250,
             1,
             0,
             0,
             4,
             1,
             ""};
    Open(Classic, 55000);
    Button(QStringLiteral("info0"))->click();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].caption, "Game Info: Ann");
    EXPECT_EQ(prompter.boxes[0].text, "Name: Ann\nTime of Game: 01:02:05\n\n"
                                      "Started: Friday, 4 December 2026 0:00:04\n"
                                      "Scores: 55000\nLevel: 3\nLines: 12\n"
                                      "Amount of Quadel pieces: 250\nBombs in the game: YES\n"
                                      "Amount of Bombs: 1\n"
                                      "Mimimum drop time of Quadel piece (seconds): 0\n"
                                      "Maximum drop time of Quadel piece (seconds): 0\n"
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

TEST_F(BestScoresDlgTest, TablesThatCannotBeCreatedAreReportedAndClose) {
    std::filesystem::create_directory(dir.File("data.ttb")); // cannot be read or written
    Open(Classic, 100);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, "ERROR! It is impossible to create tables");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(runner.shownNames.empty()) << "the pending insertion is dropped";
}

} // namespace
} // namespace brinox::test
