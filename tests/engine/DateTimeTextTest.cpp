// The date-and-time text read back exactly as the game writes it: the form
// of every start and end a result carries, checked against calendar facts.
#include "engine/DateTimeText.h"
#include "engine/CivilTime.h"

#include <gtest/gtest.h>

namespace brinox {
namespace {

TEST(DateTimeTextTest, OnlyTheGamesOwnFormOfARealDateReadsBack) {
    const struct {
        const char* text;
        bool read;
    } cases[] = {
        {"Monday, 7 December 2026 16:40:56", true},
        {"Tuesday, 29 February 2028 0:00:00", true},
        {"Saturday, 1 January 2000 23:59:59", true},
        {"Friday, 31 December 1999 9:05:00", true},
        {"Thursday, 1 March 2001 12:00:00", true},
        {"Tuesday, 31 March 2026 8:00:00", true},
        {"Sunday, 7 December 2026 16:40:56", false},    // a Monday
        {"Wednesday, 29 February 2027 1:00:00", false}, // not a leap year
        {"Monday, 07 December 2026 16:40:56", false},   // the game writes no leading zero
        {"Monday, 7 December 2026 16:4:56", false},
        {"Monday, 7 December 2026 24:00:00", false},
        {"Monday, 7 December 2026 16:40:56 ", false},
        {"Monday, 7 Dec 2026 16:40:56", false},
        {"", false},
    };
    for (const auto& c : cases) {
        const auto read = ParseDateTimeText(c.text);
        EXPECT_EQ(read.has_value(), c.read) << c.text;
        if (read) {
            EXPECT_EQ(DateTimeText(*read), c.text);
        }
    }
}

TEST(DateTimeTextTest, SecondsCountFromTheStartOf1970) {
    EXPECT_EQ(DateTimeText(LocalTimeAt(0)), "Thursday, 1 January 1970 0:00:00");
    EXPECT_EQ(DateTimeText(LocalTimeAt(951'782'400)), "Tuesday, 29 February 2000 0:00:00");
    EXPECT_EQ(DateTimeText(LocalTimeAt(951'868'800)), "Wednesday, 1 March 2000 0:00:00");
    EXPECT_EQ(DateTimeText(LocalTimeAt(-1)), "Wednesday, 31 December 1969 23:59:59");
    const auto read = ParseDateTimeText("Monday, 7 December 2026 16:40:56");
    ASSERT_TRUE(read);
    EXPECT_EQ(SecondsOf(*read), 1'796'661'656);
}

} // namespace
} // namespace brinox
