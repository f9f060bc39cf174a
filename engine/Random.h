// The program's pseudo-random generator: a 15-bit linear congruential
// generator, seeded from the calendar time in seconds. The engine draws from
// an instance that nothing else touches, so that a replay's pieces and rows
// follow from its seeds alone; the field animation and the file writers share
// a second one of the window's.
#pragma once

#include <cstdint>

namespace brinox {

class Random {
public:
    void Seed(std::uint32_t seed) { state = seed; }

    // Next value, 0..32767.
    std::int32_t Next() {
        state = state * 214013u + 2531011u;
        return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
    }

    // A key 1..10 for the disguised data files: a multiple of 10 gives 10.
    std::int32_t NextFileKey() {
        std::int32_t k = Next() % 10;
        return k == 0 ? 10 : k;
    }

    std::uint32_t State() const { return state; }

private:
    std::uint32_t state = 1;
};

} // namespace brinox
