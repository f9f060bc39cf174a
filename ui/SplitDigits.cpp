#include "SplitDigits.h"

namespace brinox {

std::array<std::int32_t, kCounterDigits> SplitDigits(std::int32_t value) {
    std::array<std::int32_t, kCounterDigits> digits{};
    // The six lower places are plain decimal digits; the last one takes all
    // that is left, as the millions of a seven-cell counter.
    std::int32_t power = 1;
    for (std::int32_t k = 0; k < kCounterDigits; ++k) {
        if (k > 0 && value < power) {
            digits[k] = -1;
        } else if (k == kCounterDigits - 1) {
            digits[k] = value / power;
        } else {
            digits[k] = value / power % 10;
        }
        if (k < kCounterDigits - 1) {
            power *= 10;
        }
    }
    return digits;
}

} // namespace brinox
