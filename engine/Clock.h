// Time as the game reads it: a wrapping millisecond counter for the game
// loop, the calendar time in seconds for seeding, and the local date and time
// for the clock display and the date texts. Tests drive the engine with a
// fake clock.
#pragma once

#include <array>
#include <cstdint>

namespace brinox {

struct LocalTime {
    std::int32_t year = 2000;
    std::int32_t month = 1;   // 1..12
    std::int32_t day = 1;     // 1..31
    std::int32_t weekday = 6; // 0 = Sunday .. 6 = Saturday
    std::int32_t hour = 0;    // 0..23
    std::int32_t minute = 0;
    std::int32_t second = 0;
};

// Every field, in the order a replay records them.
inline constexpr std::array<std::int32_t LocalTime::*, 7> kLocalTimeFields{
    &LocalTime::year, &LocalTime::month,  &LocalTime::day,   &LocalTime::weekday,
    &LocalTime::hour, &LocalTime::minute, &LocalTime::second};

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds of a monotonic counter that wraps at 2^32; only differences count.
    virtual std::uint32_t Milliseconds() const = 0;
    // Calendar time in whole seconds, used to seed the random generator.
    virtual std::int64_t CalendarSeconds() const = 0;
    // The local date and time now.
    virtual LocalTime Now() const = 0;
};

} // namespace brinox
