#include "LevelTable.h"

#include <algorithm>
#include <array>

namespace brinox {

namespace {

// clang-format off
constexpr std::array<LevelRow, LevelTable::kLevels> kRows = {{
    {1000, 10, 10, 1000,    15, -1},
    { 850, 12, 10,  800,    17, -1},
    { 700, 15, 10,  650,    20, -1},
    { 550, 17,  9,  500,    22, -1},
    { 400, 17,  9,  370,    25, -1},
    { 340, 20,  9,  300,    27, -1},
    { 290, 20,  8,  250,    30, -1},
    { 260, 22,  8,  220,    32, -1},
    { 230, 22,  8,  200,    35, -1},
    { 210, 25,  8,  180,    37, -1},
    { 190, 25,  7,  170,    40, -1},
    { 175, 27,  7,  170,    42, -1},
    { 160, 30,  7,  165,    45, -1},
    { 150, 27,  7,  155,    47, -1},
    { 130, 25,  6,  155,    50,  7},
    { 120, 22,  6,  150,    50,  7},
    { 110, 20,  6,  145,    50,  6},
    { 105, 17,  5,  140,    50,  6},
    {  95, 15,  5,  135,    50,  5},
    // Championship level 20 is meant to be endless.
    {  85, 10,  5,  130, 10000,  5},
}};
// clang-format on

} // namespace

const LevelRow& LevelTable::Row(std::int32_t level) {
    return kRows[std::clamp(level, 1, kLevels) - 1];
}

std::int32_t LevelTable::FallPeriodMs(std::int32_t level, bool championship) {
    const LevelRow& row = Row(level);
    return championship ? row.championshipFallPeriodMs : row.fallPeriodMs;
}

std::int32_t LevelTable::RowsToClear(std::int32_t level, bool championship) {
    const LevelRow& row = Row(level);
    return championship ? row.championshipRowsToClear : row.rowsToClear;
}

std::int32_t LevelTable::RisingPeriod(std::int32_t level, bool championship) {
    const LevelRow& row = Row(level);
    return championship ? row.championshipRisingPeriod : row.risingPeriod;
}

} // namespace brinox
