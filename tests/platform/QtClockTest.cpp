#include "platform/QtClock.h"

#include <QDateTime>
#include <QThread>

#include <gtest/gtest.h>

#include <ctime>

namespace brinox {
namespace {

TEST(QtClock, ReadingsAgreeWithTheSystemClock) {
    const QtClock clock;
    const std::uint32_t before = clock.Milliseconds();
    QThread::msleep(30);
    EXPECT_GE(clock.Milliseconds() - before, 30u) << "the counter runs in milliseconds";

    const std::int64_t seconds = QDateTime::currentSecsSinceEpoch();
    EXPECT_LE(std::abs(clock.CalendarSeconds() - seconds), 2);

    const LocalTime now = clock.Now();
    // The C library's own idea of the local day, weekday 0 being Sunday.
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    EXPECT_EQ(now.year, local.tm_year + 1900);
    EXPECT_EQ(now.month, local.tm_mon + 1);
    EXPECT_EQ(now.day, local.tm_mday);
    EXPECT_EQ(now.weekday, local.tm_wday);
    EXPECT_GE(now.hour, 0);
    EXPECT_LE(now.hour, 23);
    EXPECT_LE(now.minute, 59);
    EXPECT_LE(now.second, 60);
}

} // namespace
} // namespace brinox
