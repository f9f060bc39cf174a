// A clock the test sets by hand: a wrapping millisecond counter, calendar
// seconds for the random seeds and a fixed local time for the date texts.
// Advancing the milliseconds does not move the calendar or the local time
// unless the clock is linked, as a real one is for a championship proof.
#pragma once

#include "engine/CivilTime.h"
#include "engine/Clock.h"

#include <cstdint>

namespace brinox::test {

class FakeClock : public Clock {
public:
    std::uint32_t Milliseconds() const override { return ms; }
    std::int64_t CalendarSeconds() const override {
        return linked ? calendarSeconds + static_cast<std::uint32_t>(ms - linkedAt) / 1000
                      : calendarSeconds;
    }
    LocalTime Now() const override {
        return linked ? LocalTimeAt(CalendarSeconds() + zoneSeconds) : local;
    }

    // From now on the calendar and the local time (in a zone this many
    // seconds ahead) move on with the milliseconds.
    void Link(std::int64_t zone = 3600) {
        linked = true;
        linkedAt = ms;
        zoneSeconds = zone;
    }

    // Moves the millisecond counter on; it wraps at 2^32 like the real one.
    void Advance(std::uint32_t milliseconds) { ms += milliseconds; }
    void Set(std::uint32_t milliseconds) { ms = milliseconds; }

    std::uint32_t ms = 0;
    std::int64_t calendarSeconds = 1'000'000'000;
    LocalTime local{2026, 12, 4, 5, 1, 5, 9};
    bool linked = false;
    std::uint32_t linkedAt = 0;
    std::int64_t zoneSeconds = 0;
};

} // namespace brinox::test
