#include "DateTimeText.h"

#include <cstdio>

namespace brinox {

namespace {

const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

} // namespace

std::string DateTimeText(const LocalTime& t) {
    // A hostile or broken time source must not index outside the name tables.
    const char* weekday = (t.weekday >= 0 && t.weekday < 7) ? kWeekdays[t.weekday] : "?";
    const char* month = (t.month >= 1 && t.month <= 12) ? kMonths[t.month - 1] : "?";
    char text[96];
    std::snprintf(text, sizeof text, "%s, %d %s %d %d:%02d:%02d", weekday, t.day, month, t.year,
                  t.hour, t.minute, t.second);
    return text;
}

} // namespace brinox
