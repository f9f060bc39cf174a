#include "FrameClock.h"

#include <algorithm>

namespace brinox {

FrameClock::FrameClock(Clock& clock) : clock(clock), checkMs(clock.Milliseconds()) {}

void FrameClock::Read() {
    const LocalTime now = clock.Now();
    hour = now.hour;
    minute = now.minute;
}

// The time of day is read in whole seconds, so the minute cannot turn before
// the last second of it; until then the clock is left alone (reading the
// local time costs a system call).
bool FrameClock::Follow() {
    const std::uint32_t now = clock.Milliseconds();
    if (static_cast<std::int32_t>(now - checkMs) < 0) {
        return false;
    }
    const LocalTime time = clock.Now();
    checkMs = now + static_cast<std::uint32_t>(time.second < 59 ? (59 - time.second) * 1000 : 0);
    if (time.hour == hour && time.minute == minute) {
        return false;
    }
    hour = time.hour;
    minute = time.minute;
    return true;
}

std::int32_t FrameClock::IdleWait(std::int64_t titleWait, std::int64_t padWait) const {
    // In the minute's last second the clock is looked at on every beat.
    const std::int64_t clockDue =
        std::max<std::int32_t>(kTickMs, static_cast<std::int32_t>(checkMs - clock.Milliseconds()));
    return static_cast<std::int32_t>(
        std::max<std::int64_t>(1, std::min({titleWait, clockDue, padWait})));
}

} // namespace brinox
