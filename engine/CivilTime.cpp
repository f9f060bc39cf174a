#include "CivilTime.h"

namespace brinox {

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

bool LeapYear(std::int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::int32_t DaysInMonth(std::int64_t year, std::int32_t month) {
    constexpr std::int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

} // namespace

// Howard Hinnant's days_from_civil: exact for every Gregorian date.
std::int64_t DaysFromCivil(std::int64_t year, std::int32_t month, std::int32_t day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

std::int32_t WeekdayOf(std::int64_t days) {
    const std::int64_t weekday = (days + 4) % 7; // 1 January 1970 was a Thursday
    return static_cast<std::int32_t>(weekday < 0 ? weekday + 7 : weekday);
}

std::optional<std::int64_t> SecondsOf(const LocalTime& t) {
    if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
        t.minute > 59 || t.second < 0 || t.second > 59) {
        return std::nullopt;
    }
    const std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
    if (WeekdayOf(days) != t.weekday) {
        return std::nullopt;
    }
    return days * kSecondsPerDay + t.hour * 3600 + t.minute * 60 + t.second;
}

LocalTime LocalTimeAt(std::int64_t seconds) {
    const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
    const std::int64_t inDay = seconds - days * kSecondsPerDay;
    // civil_from_days, the inverse of DaysFromCivil.
    const std::int64_t shifted = days + 719'468;
    const std::int64_t era = FloorDiv(shifted, 146'097);
    const std::int64_t dayOfEra = shifted - era * 146'097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    LocalTime t;
    t.day = static_cast<std::int32_t>(dayOfYear - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<std::int32_t>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<std::int32_t>(yearOfEra + era * 400 + (t.month <= 2 ? 1 : 0));
    t.weekday = WeekdayOf(days);
    t.hour = static_cast<std::int32_t>(inDay / 3600);
    t.minute = static_cast<std::int32_t>(inDay / 60 % 60);
    t.second = static_cast<std::int32_t>(inDay % 60);
    return t;
}

} // namespace brinox
