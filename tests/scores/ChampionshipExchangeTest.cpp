// SEND and UPDATE against a real FTP server on 127.0.0.1 (Debian's
// pyftpdlib), a listener that never answers and no server at all: every
// failure ends with its message, changes no table and leaves no transfer
// file; a full round trip ranks two senders into a third player's Top 10.
#include "scores/FtpChampionshipExchange.h"

#include "FakeClock.h"
#include "ScriptedPrompter.h"
#include "platform/ModalRunner.h"
#include "scores/CSendResultDlg.h"
#include "scores/Top10File.h"
#include "settings/FileTestSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>
#include <netinet/in.h>

#include <fstream>

namespace brinox::test {
namespace {

using testing::DirectoryNames;
using testing::ScratchDirectory;

// Accepts connections into its backlog and never says a word.
struct SilentListener {
    SilentListener() {
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t size = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
        ::listen(fd, 8);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
    }
    ~SilentListener() { ::close(fd); }
    int fd = ::socket(AF_INET, SOCK_STREAM, 0), port = 0;
};

class FtpServer {
public:
    FtpServer() {
        process.start("/usr/bin/python3", {BRINOX_FTP_SERVER_SCRIPT, home.path.c_str()});
        process.waitForReadyRead(10000);
        port = process.readLine().trimmed().toInt();
    }
    ~FtpServer() {
        process.kill();
        process.waitForFinished();
    }
    ScratchDirectory home;
    QProcess process;
    int port = 0;
};

class ChampionshipExchangeTest : public ::testing::Test, public ModalRunner {
protected:
    void SetUp() override {
        InstallPrompter(&prompter);
        InstallModalRunner(this);
        ASSERT_GT(server.port, 0) << "pyftpdlib did not start";
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
        return dialog.exec();
    }
    enum Login { Full, ReadOnly, WrongPassword };
    // A game directory that uses the given server and sends as name.
    void Player(const ScratchDirectory& dir, int port, const std::string& name, Login login) {
        std::ofstream(dir.File("resultserver.ini"))
            << "; local championship\n[server]\nhost = 127.0.0.1\nport=" << port
            << "\nuser=" << (login == ReadOnly ? "reader" : "champion")
            << "\npassword=" << (login == WrongPassword ? "wrong" : "wc-pass") << "\n";
        ASSERT_TRUE(WriteLastSend(dir.path, {name, name + "@example.org", name + "land", ""}));
    }
    static ScoreTable Table(const std::string& name, std::int32_t score) {
        ScoreTable table;
        table.rows[0] = {name, 5, score, 0, 1, name, "", 0, 0, 0, 0, 0, 0, 0, ""};
        return table;
    }

    FtpServer server;
    FakeClock clock;
    ScriptedPrompter prompter;
    FtpChampionshipExchange exchange{clock};
    int cancelAfterMs = -1;
};

TEST_F(ChampionshipExchangeTest, EveryFailureEndsWithItsMessageAndLeavesNothing) {
    SilentListener silent;
    const int refused = SilentListener().port; // closed again at once
    ASSERT_TRUE(WriteTop10File(server.home.File("wctop10.ttb"), Table("World", 9).rows));
    const testing::ByteVector good = testing::FileBytes(server.home.File("wctop10.ttb"));
    testing::ByteVector wrongNumber = good, wrongSignature = good;
    wrongNumber[27] = 99;
    wrongSignature[1] = 'W';
    const char *noLogin = "Connection to the FTP Server Failed",
               *incorrect = "ERROR! Downloaded file is incorrect";
    const struct {
        const char* name;
        int port; // 0: the FTP server
        Login login;
        bool send;
        std::optional<testing::ByteVector> published;
        int cancelMs;
        const char* message; // empty: none at all
    } cases[] = {
        {"no server", refused, Full, true, {}, -1, noLogin},
        {"silent server", silent.port, Full, false, {}, -1, noLogin},
        {"cancel while waiting", silent.port, Full, true, {}, 300, ""},
        {"login refused", 0, WrongPassword, true, {}, -1, noLogin},
        {"upload refused", 0, ReadOnly, true, {}, -1, "Uploading Failed"},
        {"remote file missing", 0, ReadOnly, false, {}, -1, "Downloading Failed"},
        {"wrong signature", 0, ReadOnly, false, wrongSignature, -1, incorrect},
        {"wrong format number", 0, ReadOnly, false, wrongNumber, -1, incorrect},
        {"cut-short download", 0, ReadOnly, false, testing::Prefix(good, good.size() - 3), -1,
         incorrect},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDirectory dir;
        Player(dir, c.port != 0 ? c.port : server.port, "Ann", c.login);
        std::filesystem::remove(server.home.File("wctop10.ttb"));
        if (c.published) {
            testing::PutFile(server.home.File("wctop10.ttb"), *c.published);
        }
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
        EXPECT_LT(timer.elapsed(), *c.message != '\0' ? 20'000 : 5'000);
        EXPECT_EQ(top10, Table("Kept", 7));
        EXPECT_EQ(DirectoryNames(dir.path), before);
        const auto& boxes = prompter.boxes;
        EXPECT_EQ(boxes.empty() ? "" : boxes.back().text.toStdString(), c.message);
        EXPECT_TRUE(boxes.empty() || boxes.back().type == ScriptedPrompter::Box::Warning);
    }
    EXPECT_EQ(DirectoryNames(server.home.path), (std::vector<std::string>{"wctop10.ttb"}));
}

TEST_F(ChampionshipExchangeTest, TwoSendersRankedIntoTheThirdPlayersTop10) {
    ScratchDirectory ann, bob, carl;
    for (auto [dir, name] : {std::pair{&ann, "Ann"}, {&bob, "Bob"}, {&carl, "Carl"}}) {
        Player(*dir, server.port, name, Full);
    }
    exchange.Send(nullptr, ann.path, Table("Ann", 300));
    exchange.Send(nullptr, bob.path, Table("Bob", 500));
    exchange.Send(nullptr, ann.path, Table("Ann", 300));    // the same result again
    ASSERT_EQ(DirectoryNames(server.home.path).size(), 3u); // three names of their own

    const std::string rank =
        std::string(BRINOX_RANK) + " " + server.home.path + " " + server.home.File("wctop10.ttb");
    ASSERT_EQ(std::system(rank.c_str()), 0);
    ScoreTable top10;
    ASSERT_TRUE(exchange.Update(nullptr, carl.path, top10));
    EXPECT_EQ(top10.rows[0].name + top10.rows[0].country + top10.rows[1].name +
                  top10.rows[1].country,
              "BobBoblandAnnAnnland");
    EXPECT_EQ(top10.rows[2].used, 0);
    EXPECT_EQ(top10.lastUpdate, "Friday, 4 December 2026 1:05:09");
    EXPECT_EQ(prompter.boxes.back().text, "Data Transfer completed successfully");
    EXPECT_EQ(prompter.boxes.front().text,
              "Your results was uploaded successfully\nThank you and Good Luck!");
    for (const ScratchDirectory* dir : {&ann, &carl}) {
        EXPECT_EQ(DirectoryNames(dir->path).size(), 2u); // lastsend.dat, resultserver.ini
    }
}

} // namespace
} // namespace brinox::test
