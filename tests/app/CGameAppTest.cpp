// Whole runs of the program: the application object creates the window, runs
// the loop until the player leaves, and the run leaves its files behind.
#include "CGameApp.h"
#include "CWatchRowDlg.h"
#include "CommandLine.h"
#include "UiLanguage.h"

#include "TestGame.h"
#include "engine/replay/ReplayFile.h"
#include "scores/LastNameFile.h"
#include "scores/ReplayBundle.h"
#include "scores/ReplayStore.h"
#include "scores/TransferFile.h"
#include "scores/UsageRecords.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGame.h"
#include "settings/WindowSizeFile.h"
#include "support/FileTestSupport.h"
#include "tests/ui/GameDirectory.h"
#include "tests/ui/ScriptedModalRunner.h"
#include "tests/ui/ScriptedPrompter.h"
#include "ui/CGameFrame.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <map>

namespace brinox::test {
namespace {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { InstallPrompter(&prompter); }
    void TearDown() override { InstallPrompter(nullptr); }

    // Runs the program with its arguments; `during` runs inside its message loop with the window.
    int RunWith(std::function<void(CGameFrame&)> during, const QStringList& arguments = {}) {
        QTimer::singleShot(0, qApp, [during] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* frame = qobject_cast<CGameFrame*>(widget)) {
                    during(*frame);
                    return;
                }
            }
            ADD_FAILURE() << "no game window";
            QCoreApplication::exit(99);
        });
        InstallModalRunner(&modals);
        const int status = static_cast<CGameApp*>(qApp)->Run(
            CommandLine::Parse(QStringList{"brinox2000"} + arguments).watchFile);
        InstallModalRunner(nullptr);
        return status;
    }

    GameDirectory directory;
    ScriptedPrompter prompter;
    ScriptedModalRunner modals;
};

// Closing the window or SIGTERM ends with status zero, no question asked, and
// leaves the files behind (the menu's Exit, which asks: smoke_test).
TEST_F(AppTest, EveryWayOutEndsWithStatusZeroAndWritesTheFiles) {
    for (const auto& leave : std::initializer_list<std::function<void(CGameFrame&)>>{
             [](CGameFrame& frame) { frame.close(); }, [](CGameFrame&) { std::raise(SIGTERM); }}) {
        EXPECT_EQ(RunWith(leave), 0);
        EXPECT_TRUE(prompter.boxes.empty());
        for (const char* file : {"brinox.dat", "ws.dat", "tdata.dat", "sdata.dat"}) {
            EXPECT_TRUE(QFile::remove(directory.File(QString::fromLatin1(file)))) << file;
        }
    }
}

// The organiser's view of an upload: the row chosen among the replays sent
// beside it plays in the window to its end, and no file changes; so does a
// row's own replay file.
TEST_F(AppTest, WatchPlaysTheChosenRowOfAnUploadsReplaysAndChangesNoFile) {
    TestGame t; // each piece dropped at once until the game is lost
    t.game.StartStopCommand();
    std::size_t ticks = 0;
    for (; t.game.Flags().gameInProgress && ticks < 5000; ++ticks) {
        t.Tap(t.options.keyDrop);
        t.game.CheckBestScore(); // as the window's counters do
    }
    const QString bundle = directory.File("wc1.replays");
    ASSERT_TRUE(WriteReplayBundle(bundle.toStdString(),
                                  {{{2, {1, 2, 3}}, {5, t.fake.results.at(0).replay}}}));
    TransferFile upload; // beside its replays, it names their rows
    upload.rows[5].name = "Ann";
    upload.rows[5].score = 4321;
    ASSERT_TRUE(WriteTransferFile(directory.File("wc1.ttb").toStdString(), upload));
    int choices = 0; // a row's own replay file plays at once, with no choice to make
    const ScoreEntry row{t.fake.results.at(0), "Ann", 1, 0, ""};
    ASSERT_TRUE(ReplayStore(directory.Path()).Put(0, row, t.fake.results.at(0).replay));
    modals.onDialog = [&choices](QDialog& dialog) {
        ++choices;
        QListWidget& rows = static_cast<CWatchRowDlg&>(dialog).Rows();
        EXPECT_EQ(rows.item(1)->text(), "Row 6: Ann, 4321");
        rows.setCurrentRow(1);
        return QDialog::Accepted;
    };
    const auto watch = [&](CGameFrame& frame) {
        const auto files = FolderBytes(directory.Path());
        frame.SetAppActive(true);
        GameState shown;
        std::size_t beats = 0;
        for (; frame.Viewer().Watching() && beats <= ticks; ++beats) {
            shown = frame.Viewer().ShownGame().State();
            frame.Tick();
        }
        EXPECT_EQ(beats, ticks + 1) << "a beat a tick, and one that finds the end";
        EXPECT_EQ(shown, t.game.State());
        EXPECT_EQ(FolderBytes(directory.Path()), files);
        frame.close();
    };
    const QString own =
        directory.File(QString::fromStdString("replays/" + ReplayStore::FileName(0, row)));
    for (const QString& file : {bundle, own}) {
        EXPECT_EQ(RunWith(watch, {"--watch", file}), 0);
    }
    EXPECT_EQ(choices, 1);
}

// Help and version print and end without a display; a command line the
// program does not understand ends with the usage and status 2; a --watch
// file that cannot be read gets a warning, and the game runs as usual.
TEST_F(AppTest, EachCommandLineEndsOrRunsTheGameAsItAsks) {
    const struct {
        QStringList arguments;
        int status;
        QString shown; // printed, or the caption and text of the box
    } cases[] = {
        {{"--help"}, 0, "Usage: brinox2000 [options]"},
        {{"-platform", "offscreen", "-v"}, 0, "brinox2000 " BRINOX_VERSION "\n"},
        {{"--bogus"}, 2, "Unknown option 'bogus'.\n\nUsage: brinox2000"},
        {{"--watch", "none"}, 0, "Brinox 2000: ERROR! It is impossible to read none"},
    };
    for (const auto& c : cases) {
        QString shown;
        if (c.arguments[0] == "--watch") {
            EXPECT_EQ(RunWith([](CGameFrame& frame) { frame.close(); }, c.arguments), 0);
            ASSERT_EQ(prompter.boxes.size(), 1u) << c.shown.toStdString();
            EXPECT_EQ(prompter.boxes[0].type, ScriptedPrompter::Box::Warning);
            shown = prompter.boxes[0].caption + ": " + prompter.boxes[0].text;
        } else {
            QProcess program;
            program.setEnvironment({"QT_QPA_PLATFORM=xcb"}); // no display to be had
            program.start(QStringLiteral(BRINOX_PROGRAM), c.arguments);
            program.waitForFinished(10000);
            EXPECT_EQ(program.exitCode(), c.status) << c.shown.toStdString();
            shown =
                c.status == 0 ? program.readAllStandardOutput() : program.readAllStandardError();
        }
        EXPECT_TRUE(shown.contains(c.shown)) << shown.toStdString();
    }
}

// Every data file the game writes, from the same game in every language:
// the path of each file under the game directory with its bytes.
std::map<std::string, ByteVector> EveryDataFile() {
    ScratchDirectory dir;
    const LocalTime now{2026, 12, 4, 5, 1, 5, 9};
    Random random;
    ScoreTableSet tables;
    tables.Insert(QuadelChampionshipTable, 0, ScoreEntry{}, now);
    TransferFile transfer;
    transfer.sender = {"Zo\xc3\xab", "z@example.org", "\xc3\x96sterreich", ""};
    EXPECT_TRUE(SaveOptions(dir.path, Options{}) && WriteWindowSizeSetting(dir.path, 100) &&
                WriteSavedGame(dir.File("game.tsv"), SavedGame{}, random, 1234) &&
                tables.Save(dir.path, random, 1234) &&
                WriteLastName(dir.path, transfer.sender.name) &&
                WriteLastSend(dir.path, transfer.sender) && WriteRunningTime(dir.path, {1, 2, 3}) &&
                WriteTransferFile(dir.File("wc.ttb"), transfer) &&
                ReplayStore(dir.path).Put(QuadelChampionshipTable,
                                          tables.Table(QuadelChampionshipTable).rows[0],
                                          ReplayFile::Encode(Replay{})));
    RecordFirstStart(dir.path, now);
    return FolderBytes(dir.path);
}

// A player's files and uploads read the same on every copy of the game,
// whatever language each one speaks.
class LanguageFilesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageFilesTest, EveryDataFileHasTheBytesItHasInEnglish) {
    const auto english = EveryDataFile();
    UiLanguage language;
    language.Install({QString::fromLatin1(GetParam())});
    ASSERT_EQ(language.Name(), GetParam());
    EXPECT_EQ(EveryDataFile(), english);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFilesTest, ::testing::Values("de", "fr"));

} // namespace
} // namespace brinox::test
