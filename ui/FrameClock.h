// The window's sense of time between ticks: when the time of day must be read
// again for the status bar's clock, and how long the window may sleep while
// no game is played. Plain C++.
//
// Invariant: the time of day is read at most once a beat in a minute's last
// second and otherwise once a minute, never on every tick.
#pragma once

#include "engine/Clock.h"

#include <cstdint>

namespace brinox {

class FrameClock {
public:
    // The window's beat while a game or a replay is played.
    static constexpr std::int32_t kTickMs = 20;

    explicit FrameClock(Clock& clock);
    // Reads the time of day now.
    void Read();
    // Reads the time of day when its minute may have turned; true when the
    // hour or minute shown has changed.
    bool Follow();
    std::int32_t Hour() const { return hour; }
    std::int32_t Minute() const { return minute; }
    // Milliseconds to the next tick without a game: the first of the title's
    // next step, the clock's minute and the pad's next reading; at least 1.
    std::int32_t IdleWait(std::int64_t titleWait, std::int64_t padWait) const;

private:
    Clock& clock;
    std::uint32_t checkMs = 0; // when the time of day is next read
    std::int32_t hour = 0;
    std::int32_t minute = 0;
};

} // namespace brinox
