#include "settings/WindowSizeFile.h"

#include "support/FileTestSupport.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

TEST(WindowSizeFileTest, AStoredSettingIsReadBackAndAnyOtherFileMeansAutomatic) {
    ScratchDirectory dir;
    EXPECT_EQ(ReadWindowSizeSetting(dir.path), 100);
    ASSERT_TRUE(WriteWindowSizeSetting(dir.path, 1));
    const Bytes sig = Bytes().Str("BRINOX2000_WINDOWSIZE_FILE");
    EXPECT_EQ(FileBytes(dir.File("ws.dat")), Bytes(sig).Int(1).Get());
    const std::pair<ByteVector, std::int32_t> files[] = {
        {Bytes(sig).Int(0).Get(), 0},
        {Bytes(sig).Int(1).Get(), 1},
        {Bytes(sig).Int(100).Get(), 100},
        {Bytes(sig).Int(2).Get(), 100},
        {Prefix(Bytes(sig).Int(1).Get(), 29), 100}};
    for (const auto& [bytes, setting] : files) {
        PutFile(dir.File("ws.dat"), bytes);
        EXPECT_EQ(ReadWindowSizeSetting(dir.path), setting) << bytes.size();
    }
    EXPECT_FALSE(WriteWindowSizeSetting(dir.File("absent/"), 0));
}

} // namespace
} // namespace brinox::test
