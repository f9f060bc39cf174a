// The two usage records that travel with a championship result: sdata.dat
// (one string, the date of the first start) and tdata.dat (total running
// time as three unsigned integers: hours, minutes, seconds). Neither has a
// signature.
//
// Range policy: tdata.dat values are plain counters and are taken as they
// stand (unsigned arithmetic, no indexing); a record cut short counts the
// values it did hold and 0 for the rest. A failed write leaves the old record.
#pragma once

#include "engine/Clock.h"

#include <cstdint>
#include <string>

namespace brinox {

struct RunningTime {
    std::uint32_t hours = 0;
    std::uint32_t minutes = 0;
    std::uint32_t seconds = 0;

    bool operator==(const RunningTime&) const = default;
};

inline constexpr const char* kUnknownFirstStart = "UNKNOWN";

// Writes sdata.dat with now's date text unless the file can already be opened.
void RecordFirstStart(const std::string& appDirectory, const LocalTime& now);
// Adds the run from startMs to nowMs (millisecond clock, wrapping) to tdata.dat.
void AddRunningTime(const std::string& appDirectory, std::uint32_t startMs, std::uint32_t nowMs);

// tdata.dat, all 0 when it cannot be opened.
RunningTime ReadRunningTime(const std::string& appDirectory);
bool WriteRunningTime(const std::string& appDirectory, const RunningTime& time);
// "H:M:S" in decimal without leading zeros, for the result upload.
std::string TotalTimeText(const std::string& appDirectory);
// The stored first-start text, or kUnknownFirstStart.
std::string FirstStartText(const std::string& appDirectory);

// The carry rule of the running-time record.
RunningTime AddElapsed(RunningTime total, std::uint32_t elapsedSeconds);

} // namespace brinox
