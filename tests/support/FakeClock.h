// A clock the test sets by hand: a wrapping millisecond counter, calendar
// seconds for the random seeds and a fixed local time for the date texts.
// Advancing the milliseconds does not move the calendar or the local time.
#pragma once

#include "engine/Clock.h"

#include <cstdint>

namespace brinox::test {

class FakeClock : public Clock {
public:
    std::uint32_t Milliseconds() const override { return ms; }
    std::int64_t CalendarSeconds() const override { return calendarSeconds; }
    LocalTime Now() const override { return local; }

    // Moves the millisecond counter on; it wraps at 2^32 like the real one.
    void Advance(std::uint32_t milliseconds) { ms += milliseconds; }
    void Set(std::uint32_t milliseconds) { ms = milliseconds; }

    std::uint32_t ms = 0;
    std::int64_t calendarSeconds = 1'000'000'000;
    LocalTime local{2026, 12, 4, 5, 1, 5, 9};
};

} // namespace brinox::test
