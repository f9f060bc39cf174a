// One row of a best-score table: a finished game's result and statistics.
// A default row is "Empty" with zeros and empty texts. `country` is used
// only by the world Top 10 table.
#pragma once

#include <cstdint>
#include <string>

namespace brinox {

struct ScoreEntry {
    std::string name = "Empty";
    std::int32_t level = 0;
    std::int32_t score = 0;
    std::int32_t lines = 0;
    std::int32_t used = 0; // 1 once the row holds a result
    std::string startTime;
    std::string endTime;
    std::int32_t gameSeconds = 0;
    std::int32_t pieces = 0;
    std::int32_t bombs = 0;
    std::int32_t minDropSeconds = 0;
    std::int32_t maxDropSeconds = 0;
    std::int32_t avgDropSeconds = 0;
    std::int32_t bombsOn = 0;
    std::string country;

    bool operator==(const ScoreEntry&) const = default;
};

} // namespace brinox
