// The date-and-time text of every date field of the game, for example
// "Friday, 4 December 2026 1:05:09".
#pragma once

#include "Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace brinox {

std::string DateTimeText(const LocalTime& time);
// The time a date-and-time text names; nullopt unless the text is exactly
// what DateTimeText writes for a real date and time with its own weekday.
std::optional<LocalTime> ParseDateTimeText(std::string_view text);

} // namespace brinox
