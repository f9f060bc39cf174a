#include "TableId.h"

#include <array>

namespace brinox {

namespace {

constexpr std::array<std::string_view, kTableCount> kLabels = {
    "Quadel: Classic mode",       "Quadel: Timer mode",        "Quadel: Rising mode",
    "Quadel: World Championship", "Quinel: Classic mode",      "Quinel: Timer mode",
    "Quinel: Rising mode",        "World Championship Top 10",
};

constexpr std::array<std::string_view, kTableCount> kTitles = {
    "Best Scores - Quadel: Classic mode", "Best Scores - Quadel: Timer mode",
    "Best Scores - Quadel: Rising mode",  "Best Scores - Quadel: World Championship",
    "Best Scores - Quinel: Classic mode", "Best Scores - Quinel: Timer mode",
    "Best Scores - Quinel: Rising mode",  "Best Scores - World Championship Top 10",
};

} // namespace

std::string_view TableLabel(std::int32_t id) {
    return IsTableId(id) ? kLabels[id] : std::string_view{};
}

std::string_view TableTitle(std::int32_t id) {
    return IsTableId(id) ? kTitles[id] : std::string_view{};
}

} // namespace brinox
