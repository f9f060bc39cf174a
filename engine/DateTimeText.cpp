#include "DateTimeText.h"

#include "CivilTime.h"

#include <charconv>
#include <cstdio>

namespace brinox {

namespace {

const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

// Reads the characters up to `stop` (or the end) as a whole number.
bool TakeNumber(std::string_view& text, char stop, std::int32_t& value) {
    const std::size_t end = text.find(stop);
    const std::string_view digits = text.substr(0, end);
    const auto [at, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || at != digits.data() + digits.size()) {
        return false;
    }
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return true;
}

// Finds the name the text starts with, followed by `stop`.
template <std::size_t N>
bool TakeName(std::string_view& text, const char* const (&names)[N], char stop,
              std::int32_t& index) {
    const std::size_t end = text.find(stop);
    for (std::size_t i = 0; i < N && end != std::string_view::npos; ++i) {
        if (text.substr(0, end) == names[i]) {
            index = static_cast<std::int32_t>(i);
            text.remove_prefix(end + 1);
            return true;
        }
    }
    return false;
}

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

std::optional<LocalTime> ParseDateTimeText(std::string_view text) {
    const std::string_view whole = text;
    LocalTime t;
    std::int32_t month = 0;
    if (!TakeName(text, kWeekdays, ',', t.weekday) || !text.starts_with(' ')) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    if (!TakeNumber(text, ' ', t.day) || !TakeName(text, kMonths, ' ', month) ||
        !TakeNumber(text, ' ', t.year) || !TakeNumber(text, ':', t.hour) ||
        !TakeNumber(text, ':', t.minute) || !TakeNumber(text, ' ', t.second) || !text.empty()) {
        return std::nullopt;
    }
    t.month = month + 1;
    // Only the one form the game writes: leading zeros where it has them and nowhere else.
    if (!SecondsOf(t) || DateTimeText(t) != whole) {
        return std::nullopt;
    }
    return t;
}

} // namespace brinox
