// The date-and-time text of every date field of the game, for example
// "Friday, 4 December 2026 1:05:09".
#pragma once

#include "Clock.h"

#include <string>

namespace brinox {

std::string DateTimeText(const LocalTime& time);

} // namespace brinox
