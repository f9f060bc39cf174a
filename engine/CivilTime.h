// Calendar arithmetic on the wall-clock fields of a LocalTime, so that the
// times a replay read can be checked against one another and against the
// date texts of its row: proleptic Gregorian days, no time zone of its own
// (a local time is taken as the seconds its fields name).
#pragma once

#include "Clock.h"

#include <cstdint>
#include <optional>

namespace brinox {

// Days from 1 January 1970 to the given date (negative before it).
std::int64_t DaysFromCivil(std::int64_t year, std::int32_t month, std::int32_t day);
// 0 = Sunday .. 6 = Saturday.
std::int32_t WeekdayOf(std::int64_t days);
// The seconds the fields name, counted like calendar seconds; nullopt when a
// field is outside its range, the day is not in the month or the weekday is
// not the date's.
std::optional<std::int64_t> SecondsOf(const LocalTime& time);
// The fields of a count of seconds, with the weekday.
LocalTime LocalTimeAt(std::int64_t seconds);

} // namespace brinox
