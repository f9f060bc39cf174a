#include "settings/Archive.h"

#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace brinox::test {
namespace {

namespace fs = std::filesystem;

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

TEST_F(ArchiveTest, EncodesByteExactlyAndReadsBackAcrossBufferBoundaries) {
    EXPECT_EQ(Store([](Archive& a) { a.WriteInt(-2); }), (ByteVector{0xFE, 0xFF, 0xFF, 0xFF}));
    // Lengths at the edge of each prefix size and of the read buffer: the file's
    // size and opening bytes, then the text and a number after it read back.
    const struct {
        std::size_t length, size;
        ByteVector start;
    } cases[] = {{0, 1, {0x00}},
                 {254, 255, {0xFE, 'a'}},
                 {255, 258, {0xFF, 0xFF, 0x00, 'a'}},
                 {4092, 4095, {0xFF, 0xFC, 0x0F}},
                 {4093, 4096, {0xFF, 0xFD, 0x0F}},
                 {65533, 65536, {0xFF, 0xFD, 0xFF, 'a'}},
                 {65534, 7 + 65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00, 'a'}},
                 {70000, 7 + 70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}};
    for (const auto& c : cases) {
        const std::string text(c.length, 'a');
        const ByteVector bytes = Store([&](Archive& a) { a.WriteString(text), a.WriteInt(-3); });
        ASSERT_EQ(bytes.size(), c.size + 4) << c.length;
        EXPECT_EQ(Prefix(bytes, c.start.size()), c.start) << c.length;
        Archive in; // from the file, whose reads are buffered
        ASSERT_TRUE(in.OpenForLoad(dir.File("out.bin")));
        std::string read;
        std::int32_t value = 0;
        ASSERT_TRUE(in.ReadString(read) && in.ReadInt(value));
        EXPECT_EQ(read, text);
        EXPECT_EQ(value, -3);
        EXPECT_FALSE(in.ReadInt(value));
        EXPECT_EQ(value, -3);
        EXPECT_EQ(in.LastError(), Archive::Error::EndOfFile);
    }
}

TEST_F(ArchiveTest, SignatureMustMatchExactlyWithItsFormatNumber) {
    const std::pair<ByteVector, bool> cases[] = {{Bytes().Str("SIG_FILE").Int(7).Get(), true},
                                                 {Bytes().Str("sig_FILE").Int(7).Get(), false},
                                                 {Bytes().Str("SIG_FIL").Int(7).Get(), false},
                                                 {Bytes().Str("SIG_FILEX").Int(7).Get(), false},
                                                 {Bytes().Str("SIG_FILE").Int(8).Get(), false},
                                                 {Bytes().Str("SIG_FILE").Get(), false}};
    for (const auto& [bytes, accepted] : cases) {
        Archive in;
        in.OpenForLoad(bytes);
        EXPECT_EQ(CheckSignature(in, "SIG_FILE", 7), accepted);
    }
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
        EXPECT_EQ(DirectoryNames(dir.path), (std::vector<std::string>{"keep.dat", "keep.dat.tmp"}));
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

TEST_F(AtomicStoreTest, TheFileIsReplacedOnlyAtCloseKeepingItsMode) {
    ::chmod(target.c_str(), 0640);
    Archive out;
    ASSERT_TRUE(out.OpenForStore(target));
    out.WriteInt(1);
    EXPECT_EQ(FileBytes(target), original); // nothing visible before the close
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(FileBytes(target), (ByteVector{1, 0, 0, 0}));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    PutFile(target, original);
    ExpectUntouched();
}

TEST_F(AtomicStoreTest, ANewFileGetsTheModeTheUmaskAllows) {
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(StoreInts(dir.File("new.dat"), 1));
    ::umask(mask);
    EXPECT_EQ(fs::status(dir.File("new.dat")).permissions(), fs::perms(0640));
}

// A chain of 40 links, as many as the kernel follows (the first relative); a loop.
TEST_F(AtomicStoreTest, StoringThroughAChainOfLinksChangesOnlyTheFileBehind) {
    ASSERT_EQ(::symlink("loop", dir.File("loop").c_str()), 0);
    EXPECT_TRUE(StoreInts(dir.File("loop"), 1));
    const auto link = [this](int n) { return dir.File("link" + std::to_string(n)); };
    ASSERT_EQ(::symlink("keep.dat", link(1).c_str()), 0);
    for (int n = 2; n <= 40; ++n) {
        ASSERT_EQ(::symlink(link(n - 1).c_str(), link(n).c_str()), 0);
    }
    ASSERT_TRUE(StoreInts(link(40), 2));
    for (int n = 1; n <= 40; ++n) {
        EXPECT_TRUE(fs::is_symlink(link(n))) << n;
    }
    EXPECT_EQ(FileBytes(target).size(), 8u);
}

// A store that was killed leaves its temporary; the next store removes it
// once it is old, but not a fresh one nor a file of the player's.
TEST_F(AtomicStoreTest, TheNextStoreRemovesOnlyOldTemporariesOfItsOwn) {
    for (const char* name : {"keep.dat.tmp-Orphan", "keep.dat.tmp-Recent", "keep.dat.tmp-mine!"}) {
        PutFile(dir.File(name), player);
    }
    for (const char* name : {"keep.dat.tmp-Orphan", "keep.dat.tmp-mine!"}) {
        fs::last_write_time(dir.File(name),
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    ASSERT_TRUE(StoreInts(target, 1));
    EXPECT_FALSE(fs::exists(dir.File("keep.dat.tmp-Orphan")));
    EXPECT_TRUE(fs::exists(dir.File("keep.dat.tmp-Recent")));
    EXPECT_TRUE(fs::exists(dir.File("keep.dat.tmp-mine!")));
}

TEST_F(AtomicStoreTest, FailedStoresKeepThePreviousFileAndLeaveNothingBehind) {
    // A full disk, in the middle of the store and at its very start.
    for (rlim_t limit : {rlim_t{4096}, rlim_t{0}}) {
        EXPECT_TRUE(WithFileSizeLimit(limit, [&] { return !StoreInts(target, 3000); }));
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
    EXPECT_FALSE(Archive().OpenForStore(dir.File("no/such/dir/file.dat")));
    EXPECT_FALSE(StoreInts(dir.File("no/such/dir/file.dat"), 1));
}

// The server's daemon and a game started without a terminal may run with
// standard input closed, so a file can get descriptor 0; every store, load,
// failure and abort gives back each descriptor it took.
TEST_F(AtomicStoreTest, EveryDescriptorIsGivenBackDescriptorZeroIncluded) {
    const auto open = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const int input = ::dup(0);
    ::close(0);
    const auto before = open();
    {
        EXPECT_TRUE(StoreInts(target, 5));
        Archive in;
        std::int32_t first = 0;
        EXPECT_TRUE(in.OpenForLoad(target) && in.ReadInt(first));
        EXPECT_FALSE(in.OpenForLoad(dir.path)); // neither a directory
        EXPECT_FALSE(in.OpenForLoad(dir.File("absent")) ||
                     in.LastError() != Archive::Error::CannotOpen); // nor a missing file
        Archive aborted;
        EXPECT_TRUE(aborted.OpenForStore(target));
        aborted.Abort();
    }
    EXPECT_EQ(open(), before);
    ::dup2(input, 0);
    ::close(input);
}

} // namespace
} // namespace brinox::test
