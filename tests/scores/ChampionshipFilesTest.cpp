#include "scores/LastNameFile.h"
#include "scores/ResultServer.h"
#include "scores/SenderDetails.h"
#include "scores/Top10File.h"
#include "scores/TransferFile.h"

#include "settings/Archive.h"
#include "settings/FileTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace brinox {
namespace {

using testing::Bytes;
using testing::ByteVector;
using testing::FileBytes;
using testing::PutFile;
using testing::ScratchDirectory;

TransferFile SampleTransfer() {
    TransferFile f;
    f.sender = {"Ann", "ann@example.org", "Finland", ""};
    f.sendDate = "Friday, 4 December 2026 1:05:09";
    f.totalTime = "1:0:5";
    f.firstStart = "UNKNOWN";
    f.rows[0].name = "Ann";
    f.rows[0].level = 7;
    f.rows[0].score = 195;
    f.rows[0].lines = 30;
    f.rows[0].used = 1;
    f.rows[0].startTime = "s";
    f.rows[0].endTime = "e";
    f.rows[0].gameSeconds = 3725;
    f.rows[0].pieces = 80;
    f.rows[0].bombs = 0;
    f.rows[0].minDropSeconds = 1;
    f.rows[0].maxDropSeconds = 9;
    f.rows[0].avgDropSeconds = -1;
    f.rows[0].bombsOn = 0;
    f.rows[0].country = "not sent";
    f.sendDate2 = "later";
    return f;
}

TEST(TransferFileTest, IsWrittenByteExactlyWithTenPlainRows) {
    ScratchDirectory dir;
    const TransferFile f = SampleTransfer();
    ASSERT_TRUE(WriteTransferFile(TransferFilePath(dir.path, "wcresult"), f));
    Bytes b;
    b.Str("BRINOX2000_TABLEWC_FILE").Int(12);
    b.Str("Ann").Str("ann@example.org").Str("Finland").Str("");
    b.Str("Friday, 4 December 2026 1:05:09").Str("1:0:5").Str("UNKNOWN");
    b.Str("Ann").Int(7).Int(195).Int(30).Int(1).Str("s").Str("e");
    b.Int(3725).Int(80).Int(0).Int(1).Int(9).Int(-1).Int(0);
    for (int r = 1; r < 10; ++r) {
        b.Str("Empty").Int(0).Int(0).Int(0).Int(0).Str("").Str("");
        b.Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0);
    }
    b.Str("later");
    EXPECT_EQ(FileBytes(dir.File("wcresult.ttb")), b.Get());

    const ByteVector bytes = b.Get();
    Archive in;
    in.OpenForLoad(bytes);
    TransferFile back;
    ASSERT_TRUE(ReadTransferFile(in, back));
    TransferFile expected = f;
    expected.rows[0].country.clear();
    EXPECT_EQ(back, expected);
}

class Top10FileTest : public ::testing::Test {
protected:
    Top10Rows Sample() const {
        Top10Rows rows{};
        for (int r = 0; r < 10; ++r) {
            rows[r].name = "World " + std::to_string(r);
            rows[r].score = 90000 - r;
            rows[r].used = r < 7 ? 1 : 0;
            rows[r].country = "Land " + std::to_string(r);
            rows[r].bombsOn = 1;
        }
        return rows;
    }
    std::string Path() const { return dir.File("wctop10.ttb"); }
    ScratchDirectory dir;
};

TEST_F(Top10FileTest, OneCompleteRowWithItsCountryIsReadFromItsBytes) {
    Bytes b;
    b.Str("QUADUS2000_TABLETOP10_FILE").Int(100);
    b.Str("Ann").Int(7).Int(195).Int(30).Int(1).Str("s").Str("e");
    b.Int(3725).Int(80).Int(2).Int(1).Int(9).Int(4).Int(1).Str("Iceland");
    for (int r = 1; r < 10; ++r) {
        b.Str("Empty").Int(0).Int(0).Int(0).Int(0).Str("").Str("");
        b.Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Str("");
    }
    Top10Rows expected{};
    expected[0] = {"Ann", 7, 195, 30, 1, "s", "e", 3725, 80, 2, 1, 9, 4, 1, "Iceland"};
    PutFile(Path(), b.Get());
    Top10Rows rows{};
    ASSERT_EQ(ReadTop10File(Path(), rows), Top10Load::Ok);
    EXPECT_EQ(rows, expected);
    ASSERT_TRUE(WriteTop10File(dir.File("again.ttb"), expected));
    EXPECT_EQ(FileBytes(dir.File("again.ttb")), b.Get());
}

TEST_F(Top10FileTest, WrongNumberCutOrMissingFileKeepsTheRows) {
    Top10Rows rows = Sample();
    EXPECT_EQ(ReadTop10File(Path(), rows), Top10Load::CannotOpen);
    PutFile(Path(), Bytes().Str("QUADUS2000_TABLETOP10_FILE").Int(99).Get());
    EXPECT_EQ(ReadTop10File(Path(), rows), Top10Load::Incorrect);

    Top10Rows other{};
    other[0].name = "x";
    ASSERT_TRUE(WriteTop10File(Path(), other));
    const ByteVector whole = FileBytes(Path());
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const ByteVector part = testing::Prefix(whole, cut);
        Archive in;
        in.OpenForLoad(part);
        ASSERT_EQ(ReadTop10File(in, rows), Top10Load::Incorrect) << cut;
    }
    EXPECT_EQ(rows, Sample());
}

TEST_F(Top10FileTest, FlagsComeBackAsZeroOrOne) {
    Top10Rows hostile = Sample();
    hostile[0].used = 5;
    hostile[1].bombsOn = -3;
    ASSERT_TRUE(WriteTop10File(Path(), hostile));
    Top10Rows rows{};
    ASSERT_EQ(ReadTop10File(Path(), rows), Top10Load::Ok);
    EXPECT_EQ(rows[0].used, 1);
    EXPECT_EQ(rows[1].bombsOn, 1);
}

TEST(LastNameFileTest, RoundTripAndEveryFailureGivesAnEmptyName) {
    ScratchDirectory dir;
    EXPECT_EQ(ReadLastName(dir.path), "");
    ASSERT_TRUE(WriteLastName(dir.path, "Zoë O'Neil"));
    EXPECT_EQ(FileBytes(dir.File("lastname.dat")),
              Bytes().Str("BRINOX2000_LASTNAME_FILE").Str("Zoë O'Neil").Get());
    EXPECT_EQ(ReadLastName(dir.path), "Zoë O'Neil");
    ASSERT_TRUE(WriteLastName(dir.path, ""));
    EXPECT_EQ(ReadLastName(dir.path), "");
    PutFile(dir.File("lastname.dat"), Bytes().Str("BRINOX2000_LASTSEND_FILE").Str("Bob").Get());
    EXPECT_EQ(ReadLastName(dir.path), "");
    PutFile(dir.File("lastname.dat"),
            Bytes().Str("BRINOX2000_LASTNAME_FILE").Raw({0x09, 'B'}).Get());
    EXPECT_EQ(ReadLastName(dir.path), "");
}

TEST(LastSendFileTest, RoundTripAndForeignOrCutFilesReadAsNothing) {
    ScratchDirectory dir;
    const SenderDetails details{"Ann", "ann@example.org", "Finland", std::string(300, 'n')};
    SenderDetails read;
    EXPECT_FALSE(ReadLastSend(dir.path, read));
    ASSERT_TRUE(WriteLastSend(dir.path, details));
    ASSERT_TRUE(ReadLastSend(dir.path, read));
    EXPECT_EQ(read, details);

    const ByteVector whole = FileBytes(dir.File("lastsend.dat"));
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const ByteVector part = testing::Prefix(whole, cut);
        Archive in;
        in.OpenForLoad(part);
        SenderDetails kept{"k", "k", "k", "k"};
        ASSERT_FALSE(ReadLastSend(in, kept)) << cut;
        ASSERT_EQ(kept, (SenderDetails{"k", "k", "k", "k"})) << cut;
    }
}

TEST(ResultServerTest, TheFileOverridesTheDefaultsAndAnyDamageMeansDefaults) {
    ScratchDirectory dir;
    const ResultServer defaults = DefaultResultServer();
    EXPECT_EQ(defaults.port, 21);
    EXPECT_EQ(defaults.user.size() * 10 + defaults.password.size(), 88u);
    EXPECT_EQ(ReadResultServer(dir.path), defaults);
    const std::pair<const char*, ResultServer> cases[] = {
        {"# mine\n[other]\nhost=x\n[server]\n host = h \r\nport=2121\n",
         {"h", 2121, defaults.user, defaults.password}},
        {"[server]\nport=65536\n", defaults},
        {"[server]\nport=21x\n", defaults},
        {"[server]\nhost=\n", defaults},
        {"[server]\nhost\n", defaults},
    };
    for (const auto& [text, expected] : cases) {
        PutFile(dir.File("resultserver.ini"), ByteVector(text, text + std::strlen(text)));
        EXPECT_EQ(ReadResultServer(dir.path), expected) << text;
    }
}

} // namespace
} // namespace brinox
