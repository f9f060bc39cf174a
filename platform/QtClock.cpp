#include "QtClock.h"

#include <QDateTime>

namespace brinox {

QtClock::QtClock() {
    timer.start();
}

std::uint32_t QtClock::Milliseconds() const {
    // Truncation is the wrap: the game compares readings only by unsigned difference.
    return static_cast<std::uint32_t>(timer.elapsed());
}

std::int64_t QtClock::CalendarSeconds() const {
    return QDateTime::currentSecsSinceEpoch();
}

LocalTime QtClock::Now() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    LocalTime local;
    local.year = date.year();
    local.month = date.month();
    local.day = date.day();
    local.weekday = date.dayOfWeek() % 7; // Qt counts Monday = 1 .. Sunday = 7
    local.hour = time.hour();
    local.minute = time.minute();
    local.second = time.second();
    return local;
}

} // namespace brinox
