// The best-scores and name dialogs through their real widgets, offscreen, with
// scripted message boxes (writing screenshots/bestscores.png and info.png), and
// SEND and UPDATE against a real FTP server on 127.0.0.1 (Debian's pyftpdlib),
// a listener that never answers and no server at all.
#include "scores/CBestScoresDlg.h"
#include "scores/FtpChampionshipExchange.h"

#include "BotGames.h"
#include "FakeClock.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "engine/GameTypes.h"
#include "engine/replay/ReplayFile.h"
#include "scores/CSendResultDlg.h"
#include "scores/CTransferDlg.h"
#include "scores/LastNameFile.h"
#include "scores/ReplayBundle.h"
#include "scores/TableId.h"
#include "scores/Top10File.h"
#include "support/FileTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <thread>

namespace brinox::test {
namespace {

// A replay file, told apart by its generator's state.
std::vector<std::uint8_t> SomeReplay(std::uint32_t randomState) {
    Replay made;
    made.randomState = randomState;
    return ReplayFile::Encode(made);
}

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
            set.tables[0].rows[r] = entry;
            set.tables[0].rows[r].name = "Old";
            set.tables[0].rows[r].score = 1000 - r * 100;
        }
        ASSERT_TRUE(set.Save(dir.path, random, 1));
    }
    // Opens the dialog and ticks once; a positive score asks for that result to be ranked.
    void Open(std::int32_t mode, std::int32_t score = 0, bool tick = true) {
        BestScoresRequest request{dir.path, Quadel, mode, score > 0, entry};
        request.entry.score = score;
        request.replay = replay;
        dialog = std::make_unique<CBestScoresDlg>(request,
                                                  CBestScoresDlg::Services{clock, random, this});
        dialog->show();
        if (tick) {
            dialog->Tick();
        }
    }
    QString Text(const QString& label) { return dialog->findChild<QLabel*>(label)->text(); }
    QPushButton* Button(const QString& name) { return dialog->findChild<QPushButton*>(name); }
    // The rows whose Replay button is enabled.
    std::string RowsWithReplays() {
        std::string rows;
        for (int r = 0; r < ScoreTable::kRows; ++r) {
            rows += Button(QStringLiteral("replay%1").arg(r))->isEnabled() ? std::to_string(r) : "";
        }
        return rows;
    }
    QString LastBox() const { return prompter.boxes.empty() ? "" : prompter.boxes.back().text; }
    ScoreTable Stored(std::int32_t table) {
        ScoreTableSet set;
        EXPECT_TRUE(set.Load(dir.path));
        return set.tables[table];
    }

    ScratchDirectory dir;
    FakeClock clock;
    Random random;
    ScriptedPrompter prompter;
    ScriptedModalRunner runner;
    ScoreEntry entry{{3, 0, 12, "", "", 0, 0, 0, 0, 0, 0}, "", 1, 0, ""};
    std::vector<ScoreTable> sent;
    std::vector<std::uint8_t> replay; // of the game Open ranks
    std::unique_ptr<CBestScoresDlg> dialog;
};

TEST_F(BestScoresDlgTest, InsertionMarksTheNewRowAndSavesIt) {
    const struct {
        std::int32_t mode, score, row;
        bool full;
    } cases[] = {{Classic, 100, 0, false},
                 {Classic, 550, 5, true},
                 {Classic, 1000, 1, true},
                 {WorldChampionship, 70, 0, false}};
    for (const auto& c : cases) {
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
        EXPECT_EQ(stored.rows[c.row].name + ReadLastName(dir.path), "Zo\xEBZo\xEB");
        EXPECT_EQ(stored.rows[9].score, c.full ? 200 : 0) << "the old last row is dropped";
    }
    // Only the championship result is offered for sending.
    ASSERT_EQ(prompter.boxes.size() + sent.size(), 2u);
    EXPECT_EQ(LastBox(), "Do you want to send your results to the World Championship?");
    EXPECT_EQ(sent[0].rows[0].score, 70);
}

// Table 0 holds 1000 down to 100: 150 enters last and drops out under 950.
TEST_F(BestScoresDlgTest, TheReplaysFolderFollowsTheRowsAndDamageOnlyMeansNoReplay) {
    FillClassicTable();
    const std::string folder = dir.File("replays");
    const auto damage = [&] {
        for (const auto& name : DirectoryNames(folder)) {
            PutFile(folder + "/" + name, {'x'});
        }
    };
    const auto block = [&] {
        std::filesystem::remove_all(folder);
        PutFile(folder, {});
    };
    const auto clear = [&] {
        prompter.answers = {true};
        Button(QStringLiteral("clearButton"))->click();
    };
    const struct {
        const char* step;
        std::int32_t score;         // a result to rank, with a replay
        std::function<void()> then; // before the result is ranked
        const char* rows;           // with a Replay button enabled
        std::size_t files;
    } steps[] = {
        {"inserted", 150, nullptr, "9", 1},    {"moved and dropped", 950, nullptr, "1", 1},
        {"damaged", 0, damage, "", 1},         {"cleared", 0, clear, "", 0},
        {"folder blocked", 960, block, "", 0},
    };
    for (const auto& s : steps) {
        replay = SomeReplay(static_cast<std::uint32_t>(s.score));
        runner.names = {QStringLiteral("Ann")};
        Open(Classic, s.score, false);
        if (s.then) {
            s.then();
        }
        dialog->Tick(); // ranks the result
        dialog->ShowTable(Classic);
        EXPECT_EQ(RowsWithReplays(), s.rows) << s.step;
        if (std::filesystem::is_directory(folder)) {
            EXPECT_EQ(DirectoryNames(folder).size(), s.files) << s.step;
        }
    }
    EXPECT_EQ(Stored(Classic).rows[0].score, 960) << "ranked without its replay";
}

TEST_F(BestScoresDlgTest, ReplayClosesTheDialogAndHandsTheRowsReplayOverChangingNothing) {
    replay = SomeReplay(7);
    runner.names = {QStringLiteral("Ann")};
    Open(Classic, 500);
    const auto before = FileBytes(dir.File("data.ttb"));
    EXPECT_EQ(dialog->ReplayToWatch(), nullptr);
    Button(QStringLiteral("replay0"))->click();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_NE(dialog->ReplayToWatch(), nullptr);
    EXPECT_EQ(*dialog->ReplayToWatch(), replay);
    EXPECT_EQ(FileBytes(dir.File("data.ttb")), before);
    EXPECT_EQ(DirectoryNames(dir.File("replays")).size(), 1u);
}

TEST_F(BestScoresDlgTest, TabVisitsTheTableListTheRowsButtonsAndTheDialogsButtonsInReadingOrder) {
    replay = SomeReplay(7);
    runner.names = {QStringLiteral("Ann")};
    Open(Classic, 500);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    dialog->findChild<QWidget*>(QStringLiteral("selector0"))->setFocus();
    QStringList visited;
    for (int press = 0; press < 6 && QApplication::focusWidget() != nullptr; ++press) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited.join(' '), "selector0 info0 replay0 clearButton okButton selector0");
}

TEST_F(BestScoresDlgTest, UnrankedOrUnnamedResultsLeaveTheFile) {
    FillClassicTable();
    ASSERT_TRUE(WriteLastName(dir.path, "Ann"));
    const auto before = FileBytes(dir.File("data.ttb"));
    // 50 does not enter; 5000 does, but the name dialog is cancelled.
    for (const auto& [score, stay] : {std::pair{50, true}, {50, false}, {5000, true}}) {
        prompter.boxes.clear();
        prompter.answers = {stay};
        Open(Classic, score);
        EXPECT_EQ(dialog->isVisible(), score < 1000 && stay);
        EXPECT_EQ(LastBox(), score > 1000 ? ""
                                          : "Unfortunately your result do not get in the "
                                            "table.\nDo you wish to stay here?");
        EXPECT_EQ(FileBytes(dir.File("data.ttb")), before);
    }
    EXPECT_EQ(runner.shownNames, std::vector<QString>{QStringLiteral("Ann")});
}

// The real box rather than the scripted one.
TEST_F(BestScoresDlgTest, AnUnrankedResultIsToldInAnInformationBoxWithYesAndNo) {
    FillClassicTable();
    InstallPrompter(nullptr);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
            caption = box->windowTitle();
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box->button(QMessageBox::No)->click();
        }
    });
    poll.start(10);
    Open(Classic, 50);
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(caption, "Brinox 2000");
    EXPECT_FALSE(dialog->isVisible());
}

// A folder in place of the file can be neither read nor written.
TEST_F(BestScoresDlgTest, AChampionshipResultThatCannotBeSavedIsStillShownAndOffered) {
    prompter.answers = {true};
    runner.names = {QStringLiteral("Eve")};
    Open(WorldChampionship, 5000, false);
    std::filesystem::remove(dir.File("data.ttb"));
    std::filesystem::create_directory(dir.File("data.ttb"));
    dialog->Tick();
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[0].text, "ERROR! It is impossible to update tables");
    EXPECT_EQ(LastBox(), "Do you want to send your results to the World Championship?");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].rows[0].name + Text(QStringLiteral("rank0")).toStdString(), "Eve>1<");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(BestScoresDlgTest, TablesThatCannotBeCreatedCloseTheDialogWithoutAskingTheName) {
    std::filesystem::create_directory(dir.File("data.ttb"));
    Open(Classic, 5000);
    EXPECT_EQ(LastBox(), "ERROR! It is impossible to create tables");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(runner.shownNames.empty());
}

TEST_F(BestScoresDlgTest, OkIsIgnoredBeforeTheFirstTick) {
    Open(kTop10Mode, 0, false);
    Button(QStringLiteral("okButton"))->click();
    EXPECT_TRUE(dialog->isVisible());
    dialog->Tick();
    Button(QStringLiteral("okButton"))->click();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(BestScoresDlgTest, EachTableHasItsLabelTitleAndButtons) {
    Open(kTop10Mode);
    EXPECT_EQ(dialog->CurrentTable(), WorldTop10Table);
    const QString labels[] = {"Quadel: Classic mode", "Quadel: Timer mode",
                              "Quadel: Rising mode",  "Quadel: World Championship",
                              "Quinel: Classic mode", "Quinel: Timer mode",
                              "Quinel: Rising mode",  "World Championship Top 10"};
    for (std::int32_t t = kTableCount - 1; t >= 0; --t) {
        dialog->findChild<QRadioButton*>(QStringLiteral("selector%1").arg(t))->click();
        EXPECT_EQ(dialog->windowTitle(), "Best Scores - " + labels[t]);
        EXPECT_EQ(Text(QStringLiteral("firstLine")),
                  t == 3   ? "To send your results to the World Championship press SEND button"
                  : t == 7 ? "To update World Championship Top 10 press UPDATE button"
                           : labels[t]);
        EXPECT_EQ(Button(QStringLiteral("sendButton"))->isEnabled(), t == 3);
        EXPECT_EQ(Button(QStringLiteral("updateButton"))->isEnabled(), t == 7);
    }
}

TEST_F(BestScoresDlgTest, ClearEmptiesTheTableOnlyOnceConfirmed) {
    FillClassicTable();
    Open(Classic);
    for (const bool yes : {false, true}) {
        prompter.answers = {yes};
        Button(QStringLiteral("clearButton"))->click();
        EXPECT_EQ(LastBox(), "Are you sure you want to clear the table?");
        EXPECT_EQ(Text(QStringLiteral("name0")), yes ? "Empty" : "Old");
        EXPECT_EQ(Stored(0).rows[0].used, yes ? 0 : 1);
    }
}

// Stored flags stand: a row counts as used, and its game as played with
// bombs, only where the value is exactly 1.
TEST_F(BestScoresDlgTest, InfoShowsTheWholeRecordOfARowWhoseUsedIsOne) {
    std::filesystem::create_directory_symlink(BRINOX_GAME_DIR "/graph", dir.File("graph"));
    ScoreTableSet set;
    auto& rows = set.tables[WorldTop10Table].rows;
    rows[0] = {{3, 55000, 12, "", "", 3725, 250, 1, 0, 0, 4}, "Ann", 1, 1, "Peru"};
    rows[0].startTime = "Friday, 4 December 2026 0:00:04";
    rows[0].endTime = "Friday, 4 December 2026 1:02:09";
    rows[1] = {{5, 800, 40, "", "", 0, 0, 0, 0, 0, 0}, "Bob", 2, 1, "Chile"};
    rows[2] = {{5, 700, 40, "", "", 0, 0, 0, 0, 0, 0}, "Cy", 1, 2, "Cuba"};
    ASSERT_TRUE(set.Save(dir.path, random, 1));
    Open(kTop10Mode);
    EXPECT_EQ(Text("name0") + Text("name1") + Text("name3"), "Ann (Peru)BobEmpty");
    EXPECT_EQ(Text("score0") + "/" + Text("level0") + "/" + Text("lines0"), "55000/3/12");
    // Rows alternate in shade, the first darker.
    const auto shade = [&](const char* cell) {
        return qGray(dialog->findChild<QLabel*>(cell)->grab().toImage().pixel(2, 2));
    };
    EXPECT_LT(shade("name4"), shade("name5"));
    EXPECT_FALSE(Button("info1")->isEnabled() || Button("info3")->isEnabled());
    Button("info2")->click();
    EXPECT_TRUE(LastBox().contains("\nBombs in the game: NO\n")) << LastBox().toStdString();
    Button("info0")->click();
    EXPECT_EQ(prompter.boxes.back().caption, "Game Info: Ann");
    EXPECT_EQ(LastBox(), "Name: Ann\nCountry: Peru\nTime of Game: 01:02:05\n\n"
                         "Started: Friday, 4 December 2026 0:00:04\n"
                         "Scores: 55000\nLevel: 3\nLines: 12\n"
                         "Amount of Quadel pieces: 250\nBombs in the game: YES\n"
                         "Amount of Bombs: 1\n"
                         "Mimimum drop time of Quadel piece (seconds): 0\n"
                         "Maximum drop time of Quadel piece (seconds): 0\n"
                         "Average drop time of Quadel piece (seconds): 4\n"
                         "Finished: Friday, 4 December 2026 1:02:09");
    const QDir out(QStringLiteral(BRINOX_SCREENSHOT_DIR));
    out.mkpath(".");
    EXPECT_TRUE(dialog->grab().save(out.filePath("bestscores.png")));
    QMessageBox info(QMessageBox::Information, "", LastBox(), QMessageBox::Ok, dialog.get());
    info.show();
    EXPECT_TRUE(info.grab().save(out.filePath("info.png")));
}

// A downloaded Top 10 holds whatever its sender put in: the dialog keeps its
// size, cuts long texts, hides control characters and shows numbers as they are.
TEST_F(BestScoresDlgTest, AHostileTop10KeepsTheDialogsSizeAndShowsNoControlCharacter) {
    const auto sizeWith = [&](const ScoreTable& top10) {
        ScoreTableSet set;
        set.tables[WorldTop10Table] = top10;
        EXPECT_TRUE(set.Save(dir.path, random, 1));
        Open(kTop10Mode);
        QCoreApplication::processEvents(); // the layout's fixed size follows the texts
        return dialog->size();
    };
    ScoreTable top10;
    const QSize ordinary = sizeWith(top10);
    // Line breaks, a terminal's escape, a bell, DEL and a byte Windows-1252 leaves undefined.
    const std::string controls = "a\nb\r\t\x1b[2J\x07\x7f\x81";
    for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
        const std::int32_t n = r % 2 == 0 ? INT32_MAX : INT32_MIN;
        const std::string text = r % 2 == 0 ? controls + std::string(3000, 'W') : controls;
        top10.rows[r] = {{n, n, n, text, text, n, n, n, n, n, n}, text, 1, 1, text};
    }
    top10.lastUpdate = top10.rows[0].name;
    EXPECT_EQ(sizeWith(top10), ordinary);
    EXPECT_EQ(Text("score0"), "2147483647"); // a score of ten digits shows whole
    EXPECT_TRUE(Text("level1").startsWith("-") && Text("level1").endsWith(QChar(0x2026)))
        << Text("level1").toStdString();
    const auto fits = [](const QString& text, const QFontMetrics& metrics, int width) {
        return metrics.horizontalAdvance(text) <= width && std::ranges::none_of(text, [](QChar c) {
                   return c.category() == QChar::Other_Control;
               });
    };
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        EXPECT_TRUE(fits(label->text(), label->fontMetrics(), label->contentsRect().width()))
            << label->objectName().toStdString();
    }
    const QFontMetrics metrics(QApplication::font());
    const int widestFigures =
        metrics.horizontalAdvance("Maximum drop time of Quadel piece (seconds): -2147483648");
    for (const char* info : {"info0", "info1"}) {
        Button(info)->click();
        const QStringList lines = LastBox().split(QLatin1Char('\n'));
        EXPECT_EQ(lines.size(), 15) << info;
        for (const QString& line : lines) {
            EXPECT_TRUE(fits(line, metrics, widestFigures)) << line.toStdString();
        }
    }
}

class ChampionshipExchangeTest : public ::testing::Test, public ModalRunner {
protected:
    void SetUp() override {
        InstallPrompter(&prompter);
        InstallModalRunner(this);
        server.start("/usr/bin/python3", {BRINOX_FTP_SERVER_SCRIPT, home.path.c_str()});
        server.waitForReadyRead(10000);
        port = server.readLine().trimmed().toInt();
        ASSERT_GT(port, 0) << "pyftpdlib did not start";
    }
    void TearDown() override {
        InstallModalRunner(nullptr);
        InstallPrompter(nullptr);
    }
    int Run(QDialog& dialog) override {
        if (qobject_cast<CSendResultDlg*>(&dialog) != nullptr) {
            dialog.accept(); // lastsend.dat filled the fields
            return dialog.result();
        }
        if (cancelAfterMs >= 0) {
            QTimer::singleShot(cancelAfterMs, &dialog, &QDialog::reject);
        }
        if (landed) {
            // Cancel once the file is through but before the window's thread
            // has heard the outcome: it holds still from the first status on.
            // Shared with the connection, which outlives this block when the dialog runs on.
            const auto finished = std::make_shared<bool>(false);
            QObject::connect(&dialog, &QDialog::finished, [finished] { *finished = true; });
            const auto& transfer = static_cast<const CTransferDlg&>(dialog);
            while (transfer.Status().isEmpty() && !*finished) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                QCoreApplication::processEvents();
            }
            for (int wait = 0; wait < 1000 && !landed(); ++wait) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            if (*finished) {
                return dialog.result();
            }
            dialog.reject();
        }
        return dialog.exec();
    }
    enum Login { Full, ReadOnly, WrongPassword, TlsRequired };
    // A game directory that uses the server at port and sends as name.
    void Player(const ScratchDirectory& dir, int at, const std::string& name, Login login) {
        std::ofstream(dir.File("resultserver.ini"))
            << "; local championship\n[server]\nhost = 127.0.0.1\nport=" << at
            << "\nuser=" << (login == ReadOnly ? "reader" : "champion")
            << "\npassword=" << (login == WrongPassword ? "wrong" : "wc-pass") << "\n"
            << (login == TlsRequired ? "tls=required\n" : "");
        ASSERT_TRUE(WriteLastSend(dir.path, {name, name + "@example.org", name + "land", ""}));
    }
    static ScoreTable Table(const std::string& name, std::int32_t score) {
        ScoreTable table;
        const std::string time = "Friday, 4 December 2026 1:05:09";
        table.rows[0] = {{5, score, 0, time, time, 0, 0, 0, 0, 0, 0}, name, 1, 0, ""};
        return table;
    }

    ScratchDirectory home; // the server's
    QProcess server;       // killed with the fixture
    int port = 0;
    FakeClock clock;
    ScriptedPrompter prompter;
    FtpChampionshipExchange exchange{clock};
    int cancelAfterMs = -1;
    std::function<bool()> landed; // set: Cancel after this holds
};

// Each failure: its warning (a cancelled upload: that nothing was sent), in
// time, no table changed, no file left but a refused download, and an older
// local Top 10 file kept whenever nothing new arrived.
TEST_F(ChampionshipExchangeTest, EveryFailureEndsWithItsMessageAndLeavesNothing) {
    QTcpServer silent; // takes connections into its backlog and never says a word
    silent.listen(QHostAddress::LocalHost);
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const int refused = closed.serverPort();
    closed.close();
    ASSERT_TRUE(WriteTop10File(home.File("wctop10.ttb"), Table("World", 9).rows));
    const ByteVector good = FileBytes(home.File("wctop10.ttb"));
    const char *noLogin = "Connection to the FTP Server Failed",
               *notSent = "Uploading cancelled\nYour results were not sent";
    const struct {
        const char* name;
        int port; // 0: the FTP server
        Login login;
        bool send;
        std::optional<ByteVector> published;
        int cancelMs;
        const char* message;
    } cases[] = {
        {"no server", refused, Full, true, {}, -1, noLogin},
        {"silent server", silent.serverPort(), Full, false, {}, -1, noLogin},
        {"cancel while waiting", silent.serverPort(), Full, true, {}, 300, notSent},
        {"cancel download while waiting", silent.serverPort(), Full, false, {}, 300, ""},
        {"login refused", 0, WrongPassword, true, {}, -1, noLogin},
        {"login refused on update", 0, WrongPassword, false, {}, -1, noLogin},
        {"upload refused", 0, ReadOnly, true, {}, -1, "Uploading Failed"},
        {"server without TLS", 0, TlsRequired, true, {}, -1, kNoTlsMessage},
        {"remote file missing", 0, ReadOnly, false, {}, -1, "Downloading Failed"},
        {"cut-short download", 0, ReadOnly, false, Prefix(good, good.size() - 3), -1,
         "ERROR! Downloaded file is incorrect"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDirectory dir;
        Player(dir, c.port != 0 ? c.port : port, "Ann", c.login);
        std::filesystem::remove(home.File("wctop10.ttb"));
        if (c.published) {
            PutFile(home.File("wctop10.ttb"), *c.published);
        }
        const ByteVector older{'o', 'l', 'd'};
        PutFile(dir.File("wctop10.ttb"), older);
        const auto before = DirectoryNames(dir.path);
        prompter.boxes.clear();
        cancelAfterMs = c.cancelMs;
        ScoreTable top10 = Table("Kept", 7);
        QElapsedTimer timer;
        timer.start();
        if (c.send) {
            exchange.Send(nullptr, dir.path, Table("Ann", 100));
        } else {
            EXPECT_FALSE(exchange.Update(nullptr, dir.path, top10));
        }
        EXPECT_LT(timer.elapsed(), c.cancelMs < 0 ? 20'000 : 5'000);
        EXPECT_EQ(top10, Table("Kept", 7));
        EXPECT_EQ(DirectoryNames(dir.path), before);
        EXPECT_EQ(FileBytes(dir.File("wctop10.ttb")), c.published.value_or(older));
        const auto& boxes = prompter.boxes;
        EXPECT_EQ(boxes.empty() ? "" : boxes.back().text.toStdString(), c.message);
        EXPECT_TRUE(boxes.empty() ||
                    boxes.back().type == (c.cancelMs < 0 ? ScriptedPrompter::Box::Warning
                                                         : ScriptedPrompter::Box::Information));
    }
    EXPECT_EQ(DirectoryNames(home.path), (std::vector<std::string>{"wctop10.ttb"}));
}

// Ann played a championship game whose row keeps its replay; Bob's row has none.
TEST_F(ChampionshipExchangeTest, TheProvenOfTwoSendersIsRankedIntoTheThirdPlayersTop10) {
    ScratchDirectory ann, bob, carl;
    for (auto [dir, name] : {std::pair{&ann, "Ann"}, {&bob, "Bob"}, {&carl, "Carl"}}) {
        Player(*dir, port, name, Full);
    }
    const GameResult game = ChampionshipBotGame(3);
    ScoreTable annTable = Table("Ann", 0);
    static_cast<GameStatistics&>(annTable.rows[0]) = game;
    ASSERT_TRUE(ReplayStore(ann.path).Put(QuadelChampionshipTable, annTable.rows[0], game.replay));
    exchange.Send(nullptr, ann.path, annTable);
    // Bob cancels once his file is on the server: it still counts as sent.
    landed = [this] { return DirectoryNames(home.path).size() == 3; };
    exchange.Send(nullptr, bob.path, Table("Bob", game.score + 1));
    landed = nullptr;
    exchange.Send(nullptr, ann.path, annTable); // the same result again
    const auto names = DirectoryNames(home.path);
    ASSERT_EQ(names.size(), 5u); // three names of their own, two of them with replays
    for (const std::string& name : names) {
        if (name.ends_with(".replays")) {
            EXPECT_TRUE(
                std::filesystem::exists(home.File(name.substr(0, name.size() - 8) + ".ttb")));
            const auto bundle = ReadReplayBundle(FileBytes(home.File(name)));
            ASSERT_TRUE(bundle);
            EXPECT_EQ(*bundle, (ReplayBundle{{{0, game.replay}}}));
        }
    }

    const std::string rank = BRINOX_RANK " " + home.path + " " + home.File("wctop10.ttb");
    ASSERT_EQ(std::system(rank.c_str()), 0);
    ScoreTable top10;
    landed = [&carl] { return std::filesystem::exists(carl.File("wctop10.ttb")); };
    ASSERT_TRUE(exchange.Update(nullptr, carl.path, top10));
    const auto& rows = top10.rows;
    EXPECT_EQ(rows[0].name + rows[0].country + top10.lastUpdate,
              "AnnAnnlandFriday, 4 December 2026 1:05:09");
    EXPECT_EQ(rows[1].used, 0) << "Bob's result has no replay to prove it";
    ASSERT_EQ(prompter.boxes.size(), 4u);
    for (std::size_t b = 0; b < 3; ++b) {
        EXPECT_EQ(prompter.boxes[b].text,
                  "Your results was uploaded successfully\nThank you and Good Luck!");
    }
    EXPECT_EQ(prompter.boxes.back().text, "Data Transfer completed successfully");
    // Carl keeps the Top 10's replay as well, unless his late Cancel stopped its download.
    auto carlNames = DirectoryNames(carl.path);
    std::erase(carlNames, "replays");
    EXPECT_EQ(DirectoryNames(ann.path).size() + carlNames.size(), 5u)
        << "only lastsend.dat, resultserver.ini and Ann's replays";
}

// Places 0 and 2 hold bot games; the published place 1 holds place 2's game,
// as when the ranking tool replaced the Top 10 between the two downloads.
TEST_F(ChampionshipExchangeTest, UpdateOffersATop10RowOnlyTheReplayThatPlaysIt) {
    const GameResult ann = ChampionshipBotGame(5), carl = ChampionshipBotGame(1);
    const Top10Rows rows{ScoreEntry{ann, "Ann", 1, 0, "X"}, Table("Bob", 900).rows[0],
                         ScoreEntry{carl, "Carl", 1, 0, "Y"}};
    ASSERT_TRUE(WriteTop10File(home.File("wctop10.ttb"), rows));
    ASSERT_TRUE(WriteReplayBundle(home.File("wctop10.replays"),
                                  {{{0, ann.replay}, {1, carl.replay}, {2, carl.replay}}}));
    const ByteVector replays = FileBytes(home.File("wctop10.replays"));
    const struct {
        const char* name;
        std::optional<ByteVector> published;
        std::map<int, ByteVector> offered; // the rows with a Replay button and what it hands over
    } cases[] = {
        {"replays published", replays, {{0, ann.replay}, {2, carl.replay}}},
        {"no replays", {}, {}},
        {"damaged replays", Prefix(replays, replays.size() - 1), {}},
    };
    Random random;
    const auto button = [](CBestScoresDlg& dialog, int r) {
        return dialog.findChild<QPushButton*>(QStringLiteral("replay%1").arg(r));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDirectory dir;
        Player(dir, port, "Dan", Full);
        std::filesystem::remove(home.File("wctop10.replays"));
        if (c.published) {
            PutFile(home.File("wctop10.replays"), *c.published);
        }
        const auto open = [&] {
            auto dialog = std::make_unique<CBestScoresDlg>(
                BestScoresRequest{dir.path, Quadel, kTop10Mode, false, {}},
                CBestScoresDlg::Services{clock, random, &exchange});
            dialog->Tick();
            return dialog;
        };
        prompter.boxes.clear();
        const auto updated = open();
        updated->findChild<QPushButton*>("updateButton")->click();
        ASSERT_EQ(prompter.boxes.size(), 1u);
        EXPECT_EQ(prompter.boxes[0].text, "Data Transfer completed successfully");
        ScoreTableSet stored;
        ASSERT_TRUE(stored.Load(dir.path));
        EXPECT_EQ(stored.tables[WorldTop10Table].rows, rows);
        auto names = DirectoryNames(dir.path);
        EXPECT_EQ(std::erase(names, "replays"), c.offered.empty() ? 0u : 1u);
        EXPECT_EQ(names,
                  (std::vector<std::string>{"data.ttb", "lastsend.dat", "resultserver.ini"}));
        for (int r = 0; r < ScoreTable::kRows; ++r) {
            EXPECT_EQ(button(*updated, r)->isEnabled(), c.offered.contains(r)) << r;
        }
        for (const auto& [r, replay] : c.offered) {
            const auto watching = open();
            button(*watching, r)->click();
            ASSERT_NE(watching->ReplayToWatch(), nullptr);
            EXPECT_EQ(*watching->ReplayToWatch(), replay) << r;
        }
    }
}

} // namespace
} // namespace brinox::test
