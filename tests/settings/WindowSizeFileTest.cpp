#include "settings/WindowSizeFile.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

using testing::Bytes;
using testing::ByteVector;
using testing::PutFile;
using testing::ScratchDirectory;

TEST(WindowSizeFileTest, WritesSignatureAndSettingByteExactly) {
    ScratchDirectory dir;
    ASSERT_TRUE(WriteWindowSizeSetting(dir.path, 1));
    EXPECT_EQ(testing::FileBytes(dir.File("ws.dat")),
              Bytes().Str("BRINOX2000_WINDOWSIZE_FILE").Int(1).Get());
    ASSERT_TRUE(WriteWindowSizeSetting(dir.path, 100));
    EXPECT_EQ(ReadWindowSizeSetting(dir.path), 100);
}

struct StoredSize {
    const char* name;
    ByteVector bytes;
    std::int32_t setting;
};

class WindowSizeReadTest : public ::testing::TestWithParam<StoredSize> {};

TEST_P(WindowSizeReadTest, AnythingButAValidFileMeansAutomatic) {
    ScratchDirectory dir;
    PutFile(dir.File("ws.dat"), GetParam().bytes);
    EXPECT_EQ(ReadWindowSizeSetting(dir.path), GetParam().setting);
}

const Bytes kSignature = Bytes().Str("BRINOX2000_WINDOWSIZE_FILE");

INSTANTIATE_TEST_SUITE_P(
    Files, WindowSizeReadTest,
    ::testing::Values(
        StoredSize{"Normal", Bytes(kSignature).Int(0).Get(), 0},
        StoredSize{"Big", Bytes(kSignature).Int(1).Get(), 1},
        StoredSize{"Automatic", Bytes(kSignature).Int(100).Get(), 100},
        StoredSize{"Unknown", Bytes(kSignature).Int(2).Get(), 100},
        StoredSize{"Negative", Bytes(kSignature).Int(-1).Get(), 100},
        StoredSize{"CaseDiffers", Bytes().Str("brinox2000_WINDOWSIZE_FILE").Int(1).Get(), 100},
        StoredSize{"CutInValue", testing::Prefix(Bytes(kSignature).Int(1).Get(), 29), 100},
        StoredSize{"Empty", ByteVector{}, 100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowSizeFileTest, MissingFileMeansAutomatic) {
    ScratchDirectory dir;
    EXPECT_EQ(ReadWindowSizeSetting(dir.path), 100);
    EXPECT_FALSE(WriteWindowSizeSetting(dir.File("absent/"), 0));
}

} // namespace
} // namespace brinox
