// The digits a counter shows: d[0] the units up to d[6] the millions, -1 for
// a leading position that stays blank. A value 0 shows a single 0.
#pragma once

#include <array>
#include <cstdint>

namespace brinox {

inline constexpr std::int32_t kCounterDigits = 7;

std::array<std::int32_t, kCounterDigits> SplitDigits(std::int32_t value);

} // namespace brinox
