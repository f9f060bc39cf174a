// The game's clock on top of Qt: a millisecond counter that starts near zero
// when the clock is made and wraps at 2^32 (callers only take unsigned
// differences), the calendar time in seconds and the local date and time.
#pragma once

#include "engine/Clock.h"

#include <QElapsedTimer>

namespace brinox {

class QtClock : public Clock {
public:
    QtClock();

    std::uint32_t Milliseconds() const override;
    std::int64_t CalendarSeconds() const override;
    LocalTime Now() const override;

private:
    QElapsedTimer timer;
};

} // namespace brinox
