#include "settings/Archive.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>

namespace brinox {
namespace {

using testing::Bytes;
using testing::ByteVector;
using testing::FileBytes;
using testing::PutFile;
using testing::ScratchDirectory;

class ArchiveTest : public ::testing::Test {
protected:
    ByteVector Store(const std::function<void(Archive&)>& write) {
        const std::string path = dir.File("out.bin");
        Archive archive;
        EXPECT_TRUE(archive.OpenForStore(path));
        write(archive);
        EXPECT_TRUE(archive.Close());
        return FileBytes(path);
    }

    ScratchDirectory dir;
};

TEST_F(ArchiveTest, EncodesIntegersAndStringPrefixesByteExactly) {
    EXPECT_EQ(Store([](Archive& a) { a.WriteInt(195); }), (ByteVector{0xC3, 0, 0, 0}));
    EXPECT_EQ(Store([](Archive& a) { a.WriteInt(-1); }), (ByteVector{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Store([](Archive& a) { a.WriteString(""); }), (ByteVector{0x00}));

    const ByteVector s254 = Store([](Archive& a) { a.WriteString(std::string(254, 'a')); });
    ASSERT_EQ(s254.size(), 255u);
    EXPECT_EQ(s254[0], 0xFE);
    EXPECT_EQ(s254[254], 'a');

    const ByteVector s255 = Store([](Archive& a) { a.WriteString(std::string(255, 'b')); });
    ASSERT_EQ(s255.size(), 258u);
    EXPECT_EQ(testing::Prefix(s255, 4), (ByteVector{0xFF, 0xFF, 0x00, 'b'}));

    const ByteVector s65533 = Store([](Archive& a) { a.WriteString(std::string(65533, 'c')); });
    ASSERT_EQ(s65533.size(), 65536u);
    EXPECT_EQ(testing::Prefix(s65533, 3), (ByteVector{0xFF, 0xFD, 0xFF}));

    const ByteVector s65534 = Store([](Archive& a) { a.WriteString(std::string(65534, 'd')); });
    ASSERT_EQ(s65534.size(), 7u + 65534u);
    EXPECT_EQ(testing::Prefix(s65534, 8),
              (ByteVector{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00, 'd'}));
}

TEST_F(ArchiveTest, ReadsBackEveryLengthAcrossBufferBoundaries) {
    const std::vector<std::size_t> lengths = {0,    1,    254,   255,   4095,
                                              4096, 4097, 65533, 65534, 70000};
    const std::string path = dir.File("round.bin");
    {
        Archive out;
        ASSERT_TRUE(out.OpenForStore(path));
        for (std::size_t n : lengths) {
            out.WriteString(std::string(n, static_cast<char>('A' + n % 26)));
            out.WriteInt(static_cast<std::int32_t>(n) * -3);
        }
        ASSERT_TRUE(out.Close());
    }
    Archive in;
    ASSERT_TRUE(in.OpenForLoad(path));
    for (std::size_t n : lengths) {
        std::string text = "old";
        std::int32_t value = 0;
        ASSERT_TRUE(in.ReadString(text));
        ASSERT_TRUE(in.ReadInt(value));
        EXPECT_EQ(text, std::string(n, static_cast<char>('A' + n % 26)));
        EXPECT_EQ(value, static_cast<std::int32_t>(n) * -3);
    }
    std::int32_t extra = 7;
    EXPECT_FALSE(in.ReadInt(extra));
    EXPECT_EQ(extra, 7);
    EXPECT_EQ(in.LastError(), Archive::Error::EndOfFile);
}

TEST_F(ArchiveTest, OversizedAndCutPrefixesFailWithoutReadingOn) {
    const std::vector<ByteVector> hostile = {
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'x'},        // 2 GB promised, one byte present
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},             // 4 GB promised
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, // 16-bit, 4 GB of text
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}, // a 16-bit mark inside a 16-bit mark
        {0x05, 'a', 'b'},                     // short text
        {0xFF, 0x10},                         // prefix cut inside
        {},
    };
    for (const ByteVector& bytes : hostile) {
        Archive in;
        in.OpenForLoad(bytes);
        std::string text = "kept";
        EXPECT_FALSE(in.ReadString(text));
        EXPECT_EQ(text, "kept");
        EXPECT_FALSE(in.Ok());
        std::int32_t value = 9;
        EXPECT_FALSE(in.ReadInt(value));
        EXPECT_EQ(value, 9);
    }
}

TEST_F(ArchiveTest, SignatureMustMatchExactlyWithItsFormatNumber) {
    struct Case {
        ByteVector bytes;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {Bytes().Str("SIG_FILE").Int(7).Get(), true},
        {Bytes().Str("sig_FILE").Int(7).Get(), false},
        {Bytes().Str("SIG_FIL").Int(7).Get(), false},
        {Bytes().Str("SIG_FILEX").Int(7).Get(), false},
        {Bytes().Str("SIG_FILE").Int(8).Get(), false},
        {Bytes().Str("SIG_FILE").Get(), false},
    };
    for (const Case& c : cases) {
        Archive in;
        in.OpenForLoad(c.bytes);
        EXPECT_EQ(CheckSignature(in, "SIG_FILE", 7), c.accepted);
    }
}

TEST_F(ArchiveTest, MissingOrNonRegularFilesDoNotOpen) {
    Archive in;
    EXPECT_FALSE(in.OpenForLoad(dir.File("absent")));
    EXPECT_EQ(in.LastError(), Archive::Error::CannotOpen);
    EXPECT_FALSE(in.OpenForLoad(dir.path));
    std::string text;
    EXPECT_FALSE(in.ReadString(text));
}

class AtomicStoreTest : public ArchiveTest {
protected:
    void SetUp() override {
        target = dir.File("keep.dat");
        PutFile(target, original);
        PutFile(dir.File("keep.dat.tmp"), player); // a file of the player's own
    }
    void ExpectUntouched() {
        EXPECT_EQ(FileBytes(target), original);
        EXPECT_EQ(FileBytes(dir.File("keep.dat.tmp")), player);
        EXPECT_EQ(testing::DirectoryNames(dir.path),
                  (std::vector<std::string>{"keep.dat", "keep.dat.tmp"}));
    }
    bool StoreInts(const std::string& path, int count) {
        Archive out;
        out.OpenForStore(path);
        for (int i = 0; i < count; ++i) {
            out.WriteInt(i);
        }
        return out.Close();
    }

    std::string target;
    ByteVector original = Bytes().Str("PLAYER DATA").Int(123456).Get();
    ByteVector player = Bytes().Str("MINE").Get();
};

TEST_F(AtomicStoreTest, StoreReplacesOnlyAtCloseKeepingModeAndLinks) {
    ::chmod(target.c_str(), 0640);
    Archive out;
    ASSERT_TRUE(out.OpenForStore(target));
    out.WriteInt(1);
    EXPECT_EQ(FileBytes(target), original); // nothing visible before the close
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(FileBytes(target), (ByteVector{1, 0, 0, 0}));
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
    PutFile(target, original);
    ExpectUntouched();

    const mode_t mask = ::umask(027);
    ASSERT_TRUE(StoreInts(dir.File("new.dat"), 1));
    ::umask(mask);
    EXPECT_EQ(std::filesystem::status(dir.File("new.dat")).permissions(),
              std::filesystem::perms(0640));

    // Through a relative link to a link: the links stay, the file behind changes.
    ASSERT_EQ(::symlink("keep.dat", dir.File("inner").c_str()), 0);
    ASSERT_EQ(::symlink(dir.File("inner").c_str(), dir.File("outer").c_str()), 0);
    ASSERT_TRUE(StoreInts(dir.File("outer"), 2));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("outer")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("inner")));
    EXPECT_EQ(FileBytes(target).size(), 8u);

    // A store that was killed leaves its temporary; the next store removes it
    // once it is old, but not a fresh one nor a file of the player's.
    for (const char* name : {"keep.dat.tmp-Orphan", "keep.dat.tmp-Recent", "keep.dat.tmp-mine!"}) {
        PutFile(dir.File(name), player);
    }
    for (const char* name : {"keep.dat.tmp-Orphan", "keep.dat.tmp-mine!"}) {
        std::filesystem::last_write_time(
            dir.File(name), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    ASSERT_TRUE(StoreInts(target, 1));
    EXPECT_FALSE(std::filesystem::exists(dir.File("keep.dat.tmp-Orphan")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("keep.dat.tmp-Recent")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("keep.dat.tmp-mine!")));
}

TEST_F(AtomicStoreTest, FailedStoresKeepThePreviousFileAndLeaveNothingBehind) {
    // A full disk, in the middle of the store and at its very start.
    for (rlim_t limit : {rlim_t{4096}, rlim_t{0}}) {
        EXPECT_TRUE(testing::WithFileSizeLimit(limit, [&] { return !StoreInts(target, 3000); }));
        ExpectUntouched();
    }
    {
        Archive out;
        ASSERT_TRUE(out.OpenForStore(target));
        out.WriteString("abandoned");
    }
    ExpectUntouched();
    Archive aborted;
    ASSERT_TRUE(aborted.OpenForStore(target));
    aborted.WriteInt(3);
    aborted.Abort();
    EXPECT_FALSE(aborted.Close());
    ExpectUntouched();
    EXPECT_FALSE(StoreInts(dir.File("no/such/dir/file.dat"), 1));
}

} // namespace
} // namespace brinox
