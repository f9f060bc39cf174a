#include "UsageRecords.h"

#include "engine/DateTimeText.h"
#include "engine/FileNames.h"
#include "settings/Archive.h"

#include <cstdio>

namespace brinox {

namespace {

std::string PathOf(const std::string& appDirectory, std::string_view name) {
    return appDirectory + std::string(name);
}

} // namespace

void RecordFirstStart(const std::string& appDirectory, const LocalTime& now) {
    const std::string path = PathOf(appDirectory, files::kFirstStart);
    Archive probe;
    if (probe.OpenForLoad(path)) {
        return;
    }
    Archive archive;
    if (archive.OpenForStore(path)) {
        archive.WriteString(DateTimeText(now));
        archive.Close();
    }
}

RunningTime ReadRunningTime(const std::string& appDirectory) {
    RunningTime time;
    Archive archive;
    if (archive.OpenForLoad(PathOf(appDirectory, files::kRunningTime))) {
        // Each read stops the chain at the first missing value.
        (void)(archive.ReadUInt(time.hours) && archive.ReadUInt(time.minutes) &&
               archive.ReadUInt(time.seconds));
    }
    return time;
}

bool WriteRunningTime(const std::string& appDirectory, const RunningTime& time) {
    Archive archive;
    if (!archive.OpenForStore(PathOf(appDirectory, files::kRunningTime))) {
        return false;
    }
    archive.WriteUInt(time.hours);
    archive.WriteUInt(time.minutes);
    archive.WriteUInt(time.seconds);
    return archive.Close();
}

RunningTime AddElapsed(RunningTime total, std::uint32_t elapsedSeconds) {
    total.hours += elapsedSeconds / 3600;
    total.minutes += elapsedSeconds % 3600 / 60;
    total.seconds += elapsedSeconds % 60;
    if (total.seconds > 59) {
        total.minutes += 1;
        total.seconds %= 60;
    }
    if (total.minutes > 59) {
        total.hours += 1;
        total.minutes %= 60;
    }
    return total;
}

void AddRunningTime(const std::string& appDirectory, std::uint32_t startMs, std::uint32_t nowMs) {
    const std::uint32_t elapsed = (nowMs - startMs) / 1000;
    WriteRunningTime(appDirectory, AddElapsed(ReadRunningTime(appDirectory), elapsed));
}

std::string TotalTimeText(const std::string& appDirectory) {
    const RunningTime time = ReadRunningTime(appDirectory);
    char text[48];
    std::snprintf(text, sizeof text, "%u:%u:%u", time.hours, time.minutes, time.seconds);
    return text;
}

std::string FirstStartText(const std::string& appDirectory) {
    Archive archive;
    std::string text;
    if (!archive.OpenForLoad(PathOf(appDirectory, files::kFirstStart)) ||
        !archive.ReadString(text)) {
        return kUnknownFirstStart;
    }
    return text;
}

} // namespace brinox
