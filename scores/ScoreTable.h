// Ten rows, best first, and the date text of the table's last change.
#pragma once

#include "ScoreEntry.h"

#include <array>
#include <string>

namespace brinox {

inline constexpr const char* kNeverUpdated = "Never";

struct ScoreTable {
    static constexpr std::int32_t kRows = 10;

    std::array<ScoreEntry, kRows> rows{};
    std::string lastUpdate = kNeverUpdated;

    bool operator==(const ScoreTable&) const = default;
};

} // namespace brinox
