#include "platform/QtClock.h"

#include <QThread>
#include <gtest/gtest.h>

#include <ctime>

namespace brinox {
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
    const LocalTime now = clock.Now();
    EXPECT_EQ(now.year, local.tm_year + 1900);
    EXPECT_EQ(now.month, local.tm_mon + 1);
    EXPECT_EQ(now.day, local.tm_mday);
    EXPECT_EQ(now.weekday, local.tm_wday); // 0 is Sunday
}

} // namespace
} // namespace brinox
