// The FTP session against Debian's pyftpdlib on 127.0.0.1, with and without
// TLS: what each setting connects to, whether a stored file crossed the
// network encrypted (the server tells), and certificates to refuse.
#include "platform/FtpSession.h"

#include "FileTestSupport.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace brinox::test {
namespace {

struct TlsCase {
    const char* name;
    bool serverOffersTls;
    FtpTls tls;
    const char* caFile; // of the certificates the server made; "": the system's
    FtpConnect connect;
    const char* stored; // how the server says a file came, when connected
};

void PrintTo(const TlsCase& c, std::ostream* out) {
    *out << c.name;
}

class FtpTlsTest : public ::testing::TestWithParam<TlsCase> {
protected:
    void SetUp() override {
        QStringList arguments{BRINOX_FTP_SERVER_SCRIPT, QString::fromStdString(home.path)};
        if (GetParam().serverOffersTls) {
            arguments << "--tls" << QString::fromStdString(certificates.path);
        }
        server.start("/usr/bin/python3", arguments);
        server.waitForReadyRead(20000);
        port = server.readLine().trimmed().toInt();
        ASSERT_GT(port, 0) << "pyftpdlib did not start";
    }
    void TearDown() override {
        server.kill();
        server.waitForFinished();
    }
    // How the server says a stored file came ("secured" or "plain"); it
    // may say so a moment after the client has heard the transfer is done.
    std::string HowStored(const std::string& name) {
        for (int wait = 0; wait < 100 && !std::filesystem::exists(home.File(name + ".how"));
             ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        const ByteVector how = FileBytes(home.File(name + ".how"));
        return std::string(how.begin(), how.end());
    }

    ScratchDirectory home;         // the server's
    ScratchDirectory certificates; // server.pem and an unrelated other.pem
    ScratchDirectory local;
    QProcess server;
    int port = 0;
};

TEST_P(FtpTlsTest, ConnectsAsTheSettingAllowsAndEncryptsWhatItSends) {
    const TlsCase& c = GetParam();
    auto session = OpenFtpSession({});
    ASSERT_NE(session, nullptr);
    const std::string caFile = *c.caFile != '\0' ? certificates.File(c.caFile) : "";
    ASSERT_EQ(session->Connect({"127.0.0.1", port, "champion", "wc-pass", c.tls, caFile}),
              c.connect);
    if (c.connect != FtpConnect::Connected) {
        return;
    }
    std::ofstream(local.File("sent.ttb")) << "result";
    ASSERT_TRUE(session->Put(local.File("sent.ttb"), "result.ttb"));
    EXPECT_EQ(HowStored("result.ttb"), c.stored);
    ASSERT_TRUE(session->Get("result.ttb", local.File("back.ttb")));
    EXPECT_EQ(FileBytes(local.File("back.ttb")), FileBytes(local.File("sent.ttb")));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FtpTlsTest,
    ::testing::Values(
        TlsCase{"TryPlainServer", false, FtpTls::Try, "", FtpConnect::Connected, "plain"},
        TlsCase{"RequiredPlainServer", false, FtpTls::Required, "", FtpConnect::NoTls, ""},
        TlsCase{"TryTlsServer", true, FtpTls::Try, "server.pem", FtpConnect::Connected, "secured"},
        TlsCase{"RequiredTlsServer", true, FtpTls::Required, "server.pem", FtpConnect::Connected,
                "secured"},
        TlsCase{"OffTlsServer", true, FtpTls::Off, "", FtpConnect::Connected, "plain"},
        TlsCase{"WrongCertificate", true, FtpTls::Try, "other.pem", FtpConnect::Untrusted, ""},
        TlsCase{"NotInTheSystemStore", true, FtpTls::Required, "", FtpConnect::Untrusted, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace brinox::test
