#include "platform/QtClock.h"

#include <QThread>
#include <gtest/gtest.h>

#include <ctime>

namespace brinox::test {
namespace {

TEST(QtClock, ReadingsAgreeWithTheSystemClock) {
    const QtClock clock;
    const std::uint32_t before = clock.Milliseconds();
    QThread::msleep(30);
    EXPECT_GE(clock.Milliseconds() - before, 30u);
    const std::time_t t = std::time(nullptr);
    EXPECT_LE(std::abs(clock.CalendarSeconds() - t), 2);
    std::tm local{};
    localtime_r(&t, &local);
    const LocalTime now = clock.Now(); // weekday 0 is Sunday
    EXPECT_EQ(std::vector({now.year, now.month, now.day, now.weekday}),
              std::vector({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday}));
}

} // namespace
} // namespace brinox::test
