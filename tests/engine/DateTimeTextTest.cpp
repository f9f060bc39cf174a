// The date-and-time text read back exactly as the game writes it: the form
// of every start and end a result carries, checked against calendar facts.
#include "engine/DateTimeText.h"
#include "engine/CivilTime.h"

#include <gtest/gtest.h>

#include <ctime>

namespace brinox {
namespace {

// Every day from 1969 to 2100, at a time of day that moves on, against the C
// library's calendar: the fields, the seconds again, and the text read back.
TEST(DateTimeTextTest, EveryDayOfTwoCenturiesIsTheCLibrarysAndReadsBack) {
    for (std::int64_t s = -2 * 86'400; s < 4'133'980'800; s += 86'400 - 3'607) {
        const std::time_t at = s;
        std::tm c{};
        ASSERT_NE(gmtime_r(&at, &c), nullptr);
        const LocalTime t = LocalTimeAt(s);
        ASSERT_EQ(std::vector({t.year, t.month, t.day, t.weekday, t.hour, t.minute, t.second}),
                  std::vector({c.tm_year + 1900, c.tm_mon + 1, c.tm_mday, c.tm_wday, c.tm_hour,
                               c.tm_min, c.tm_sec}))
            << s;
        ASSERT_EQ(SecondsOf(t), s);
        const auto read = ParseDateTimeText(DateTimeText(t));
        ASSERT_TRUE(read && SecondsOf(*read) == s) << DateTimeText(t);
    }
    // A hostile time source names no month or weekday outside the tables.
    EXPECT_EQ(DateTimeText(LocalTime{2026, 13, 1, 7, 0, 0, 0}), "?, 1 ? 2026 0:00:00");
    EXPECT_EQ(DateTimeText(LocalTime{2026, 0, 1, -1, 0, 0, 0}), "?, 1 ? 2026 0:00:00");
}

TEST(DateTimeTextTest, OnlyTheGamesOwnFormOfARealDateReadsBack) {
    EXPECT_TRUE(ParseDateTimeText("Monday, 7 December 2026 16:40:56"));
    for (const char* text :
         {"Sunday, 7 December 2026 16:40:56", "Wednesday, 29 February 2027 1:00:00",
          "Monday, 07 December 2026 16:40:56", "Monday, 7 December 2026 16:4:56",
          "Monday, 7 December 2026 24:00:00", "Monday, 7 December 2026 16:40:56 ",
          "Monday, 7 Dec 2026 16:40:56", ""}) {
        EXPECT_FALSE(ParseDateTimeText(text)) << text;
    }
}

} // namespace
} // namespace brinox
