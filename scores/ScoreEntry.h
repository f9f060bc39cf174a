// One row of a best-score table: a finished game's result and statistics.
// A default row is "Empty" with zeros and empty texts. `country` is used
// only by the world Top 10 table. The level, score, lines and statistics
// are the GameStatistics base, which a finished game's result fills whole.
#pragma once

#include "engine/GameStatistics.h"

#include <cstdint>
#include <string>

namespace brinox {

struct ScoreEntry : GameStatistics {
    std::string name = "Empty";
    std::int32_t used = 0; // 1 once the row holds a result
    std::int32_t bombsOn = 0;
    std::string country;

    bool operator==(const ScoreEntry&) const = default;
};

} // namespace brinox
