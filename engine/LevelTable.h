// The values of each of the 20 levels: fall period and rows to clear for the
// Classic, Timer and Rising modes, the Rising period, and World
// Championship's own columns. Lookups of a level outside 1..20 (a damaged
// saved game) are clamped, so they never read outside the table.
#pragma once

#include <cstdint>

namespace brinox {

struct LevelRow {
    std::int32_t fallPeriodMs;
    std::int32_t rowsToClear;
    std::int32_t risingPeriod;
    std::int32_t championshipFallPeriodMs;
    std::int32_t championshipRowsToClear;
    std::int32_t championshipRisingPeriod; // -1 before rising rows start
};

class LevelTable {
public:
    static constexpr std::int32_t kLevels = 20;
    // The countdown of World Championship starts with this level...
    static constexpr std::int32_t kChampionshipCountdownLevel = 12;
    static constexpr std::int32_t kChampionshipCountdownSeconds = 120;
    // ...and its rising rows with this one.
    static constexpr std::int32_t kChampionshipRisingLevel = 15;
    // ...and every later level adds this much, as every Timer level does.
    static constexpr std::int32_t kLevelUpSeconds = 15;
    static constexpr std::int32_t kTimerStartSeconds = 180;

    // The row of level 1..20; other values give the nearest level.
    static const LevelRow& Row(std::int32_t level);

    static std::int32_t FallPeriodMs(std::int32_t level, bool championship);
    static std::int32_t RowsToClear(std::int32_t level, bool championship);
    // -1 when the level has no rising rows in that mode.
    static std::int32_t RisingPeriod(std::int32_t level, bool championship);
};

} // namespace brinox
