#include "scores/UsageRecords.h"

#include "settings/FileTestSupport.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

using testing::Bytes;
using testing::FileBytes;
using testing::PutFile;
using testing::ScratchDirectory;

TEST(UsageRecordsTest, RunningTimeCarriesSecondsIntoMinutesIntoHours) {
    ScratchDirectory dir;
    ASSERT_TRUE(WriteRunningTime(dir.path, {0, 59, 50}));
    AddRunningTime(dir.path, 1000, 16'000);
    EXPECT_EQ(ReadRunningTime(dir.path), (RunningTime{1, 0, 5}));
    EXPECT_EQ(TotalTimeText(dir.path), "1:0:5");
    EXPECT_EQ(FileBytes(dir.File("tdata.dat")), Bytes().Int(1).Int(0).Int(5).Get());
}

TEST(UsageRecordsTest, ElapsedTimeSurvivesTheMillisecondClockWrapping) {
    ScratchDirectory dir;
    AddRunningTime(dir.path, 0xFFFFF000u, 3'723'000u - 0x1000u); // 1 h 2 min 3 s
    EXPECT_EQ(ReadRunningTime(dir.path), (RunningTime{1, 2, 3}));
    EXPECT_EQ(AddElapsed({5, 30, 30}, 3600 * 2 + 60 * 29 + 30), (RunningTime{8, 0, 0}));
}

TEST(UsageRecordsTest, MissingOrShortRecordsReadAsZeroAndUnknown) {
    ScratchDirectory dir;
    EXPECT_EQ(TotalTimeText(dir.path), "0:0:0");
    EXPECT_EQ(FirstStartText(dir.path), "UNKNOWN");
    PutFile(dir.File("tdata.dat"), Bytes().Int(7).Int(3).Get());
    EXPECT_EQ(ReadRunningTime(dir.path), (RunningTime{7, 3, 0}));
    PutFile(dir.File("tdata.dat"), Bytes().Int(-1).Int(1).Int(1).Get());
    EXPECT_EQ(TotalTimeText(dir.path), "4294967295:1:1");
    PutFile(dir.File("sdata.dat"), {0x20, 'a'});
    EXPECT_EQ(FirstStartText(dir.path), "UNKNOWN");
}

TEST(UsageRecordsTest, FirstStartIsWrittenOnceAsADateText) {
    ScratchDirectory dir;
    RecordFirstStart(dir.path, LocalTime{2026, 12, 4, 5, 1, 5, 9});
    EXPECT_EQ(FileBytes(dir.File("sdata.dat")),
              Bytes().Str("Friday, 4 December 2026 1:05:09").Get());
    RecordFirstStart(dir.path, LocalTime{2030, 1, 1, 2, 0, 0, 0});
    EXPECT_EQ(FirstStartText(dir.path), "Friday, 4 December 2026 1:05:09");
    RecordFirstStart(dir.File("absent/"), LocalTime{}); // cannot be created: skipped
}

} // namespace
} // namespace brinox
