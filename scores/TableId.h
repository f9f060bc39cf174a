// The eight best-score tables: seven local ones, one per playable game type
// and mode (type * 4 + mode), and the downloaded world Top 10.
#pragma once

#include <cstdint>
#include <string_view>

namespace brinox {

enum TableId : std::int32_t {
    QuadelClassicTable = 0,
    QuadelTimerTable = 1,
    QuadelRisingTable = 2,
    QuadelChampionshipTable = 3,
    QuinelClassicTable = 4,
    QuinelTimerTable = 5,
    QuinelRisingTable = 6,
    WorldTop10Table = 7,
};

inline constexpr std::int32_t kTableCount = 8;
inline constexpr std::int32_t kLocalTableCount = 7;
// Pseudo game mode that opens the best-scores dialog on the world Top 10.
inline constexpr std::int32_t kTop10Mode = 4;

constexpr bool IsTableId(std::int32_t id) {
    return id >= 0 && id < kTableCount;
}

// "Quadel: Classic mode" ... "World Championship Top 10"; empty for a bad id.
std::string_view TableLabel(std::int32_t id);
// "Best Scores - " + the label; empty for a bad id. Both in English: the
// dialog translates them (context "TableId").
std::string_view TableTitle(std::int32_t id);

} // namespace brinox
