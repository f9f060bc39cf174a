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

const ScoreEntry kAnn{"Ann", 7, 195, 30, 1, "s", "e", 3725, 80, 2, 1, 9, -1, 1, "Iceland"};

// The bytes of kAnn and nine empty rows, each with a country when asked.
Bytes& AnnAndNineEmptyRows(Bytes& b, bool withCountry) {
    b.Str("Ann").Int(7).Int(195).Int(30).Int(1).Str("s").Str("e");
    b.Int(3725).Int(80).Int(2).Int(1).Int(9).Int(-1).Int(1);
    if (withCountry) {
        b.Str("Iceland");
    }
    for (int r = 1; r < 10; ++r) {
        b.Str("Empty").Int(0).Int(0).Int(0).Int(0).Str("").Str("");
        b.Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0);
        if (withCountry) {
            b.Str("");
        }
    }
    return b;
}

TEST(TransferFileTest, IsWrittenByteExactlyWithTenRowsWithoutCountries) {
    ScratchDirectory dir;
    TransferFile f{{"Ann", "ann@example.org", "Finland", ""},
                   "Send date",
                   "1:0:5",
                   "UNKNOWN",
                   {kAnn},
                   "later"};
    ASSERT_TRUE(WriteTransferFile(TransferFilePath(dir.path, "wcresult"), f));
    Bytes b;
    b.Str("BRINOX2000_TABLEWC_FILE").Int(12).Str("Ann").Str("ann@example.org").Str("Finland");
    b.Str("").Str("Send date").Str("1:0:5").Str("UNKNOWN");
    const ByteVector bytes = AnnAndNineEmptyRows(b, false).Str("later").Get();
    EXPECT_EQ(FileBytes(dir.File("wcresult.ttb")), bytes);
    Archive in;
    in.OpenForLoad(bytes);
    TransferFile back;
    ASSERT_TRUE(ReadTransferFile(in, back));
    f.rows[0].country.clear();
    EXPECT_EQ(back, f);
}

TEST(Top10FileTest, RowsWithCountriesAreReadFromTheirBytesAndAWrongNumberIsRefused) {
    ScratchDirectory dir;
    const std::string path = dir.File("wctop10.ttb");
    Bytes b;
    b.Str("QUADUS2000_TABLETOP10_FILE").Int(100);
    const ByteVector bytes = AnnAndNineEmptyRows(b, true).Get();
    PutFile(path, bytes);
    Top10Rows rows{}, expected{};
    expected[0] = kAnn;
    ASSERT_EQ(ReadTop10File(path, rows), Top10Load::Ok);
    EXPECT_EQ(rows, expected);
    ASSERT_TRUE(WriteTop10File(dir.File("again.ttb"), expected));
    EXPECT_EQ(FileBytes(dir.File("again.ttb")), bytes);

    EXPECT_EQ(ReadTop10File(dir.File("absent"), rows), Top10Load::CannotOpen);
    PutFile(path, Bytes().Str("QUADUS2000_TABLETOP10_FILE").Int(99).Get());
    EXPECT_EQ(ReadTop10File(path, rows), Top10Load::Incorrect);
}

TEST(LastNameFileTest, RoundTripAndEveryFailureGivesAnEmptyName) {
    ScratchDirectory dir;
    EXPECT_EQ(ReadLastName(dir.path), "");
    ASSERT_TRUE(WriteLastName(dir.path, "Zoë O'Neil"));
    EXPECT_EQ(FileBytes(dir.File("lastname.dat")),
              Bytes().Str("BRINOX2000_LASTNAME_FILE").Str("Zoë O'Neil").Get());
    EXPECT_EQ(ReadLastName(dir.path), "Zoë O'Neil");
    for (const ByteVector& bad : {Bytes().Str("BRINOX2000_LASTSEND_FILE").Str("Bob").Get(),
                                  Bytes().Str("BRINOX2000_LASTNAME_FILE").Raw({0x09, 'B'}).Get()}) {
        PutFile(dir.File("lastname.dat"), bad);
        EXPECT_EQ(ReadLastName(dir.path), "");
    }
}

TEST(LastSendFileTest, RoundTripsAndAMissingFileReadsAsNothing) {
    ScratchDirectory dir;
    const SenderDetails details{"Ann", "ann@example.org", "Finland", std::string(300, 'n')};
    SenderDetails read;
    EXPECT_FALSE(ReadLastSend(dir.path, read));
    ASSERT_TRUE(WriteLastSend(dir.path, details));
    ASSERT_TRUE(ReadLastSend(dir.path, read));
    EXPECT_EQ(read, details);
}

TEST(ResultServerTest, TheFileOverridesTheDefaultsAndAnyDamageMeansDefaults) {
    ScratchDirectory dir;
    const ResultServer defaults = DefaultResultServer();
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
