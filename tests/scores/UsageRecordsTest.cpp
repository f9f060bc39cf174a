#include "scores/UsageRecords.h"

#include "settings/FileTestSupport.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

using testing::Bytes;
using testing::FileBytes;
using testing::PutFile;

TEST(UsageRecordsTest, RunningTimeCarriesAcrossTheClockWrapAndReadsShortFilesAsZero) {
    testing::ScratchDirectory dir;
    EXPECT_EQ(TotalTimeText(dir.path), "0:0:0");
    ASSERT_TRUE(WriteRunningTime(dir.path, {0, 59, 50}));
    AddRunningTime(dir.path, 1000, 16'000);
    EXPECT_EQ(TotalTimeText(dir.path), "1:0:5");
    EXPECT_EQ(FileBytes(dir.File("tdata.dat")), Bytes().Int(1).Int(0).Int(5).Get());
    AddRunningTime(dir.path, 0xFFFFF000u, 3'723'000u - 0x1000u); // 1 h 2 min 3 s
    EXPECT_EQ(ReadRunningTime(dir.path), (RunningTime{2, 2, 8}));
    PutFile(dir.File("tdata.dat"), Bytes().Int(7).Int(3).Get());
    EXPECT_EQ(ReadRunningTime(dir.path), (RunningTime{7, 3, 0}));
}

TEST(UsageRecordsTest, FirstStartIsWrittenOnceAsADateText) {
    testing::ScratchDirectory dir;
    EXPECT_EQ(FirstStartText(dir.path), "UNKNOWN");
    RecordFirstStart(dir.path, LocalTime{2026, 12, 4, 5, 1, 5, 9});
    EXPECT_EQ(FileBytes(dir.File("sdata.dat")),
              Bytes().Str("Friday, 4 December 2026 1:05:09").Get());
    RecordFirstStart(dir.path, LocalTime{2030, 1, 1, 2, 0, 0, 0});
    EXPECT_EQ(FirstStartText(dir.path), "Friday, 4 December 2026 1:05:09");
    PutFile(dir.File("sdata.dat"), {0x20, 'a'});
    EXPECT_EQ(FirstStartText(dir.path), "UNKNOWN");
}

} // namespace
} // namespace brinox
