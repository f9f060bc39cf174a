#include "TableId.h"

#include "engine/TextMarks.h"

#include <array>

namespace brinox {

namespace {

// Shown in the best-scores dialog, translated there (context "TableId").
constexpr std::array<std::string_view, kTableCount> kLabels = {
    BRINOX_TEXT("TableId", "Quadel: Classic mode"),
    BRINOX_TEXT("TableId", "Quadel: Timer mode"),
    BRINOX_TEXT("TableId", "Quadel: Rising mode"),
    BRINOX_TEXT("TableId", "Quadel: World Championship"),
    BRINOX_TEXT("TableId", "Quinel: Classic mode"),
    BRINOX_TEXT("TableId", "Quinel: Timer mode"),
    BRINOX_TEXT("TableId", "Quinel: Rising mode"),
    BRINOX_TEXT("TableId", "World Championship Top 10"),
};

constexpr std::array<std::string_view, kTableCount> kTitles = {
    BRINOX_TEXT("TableId", "Best Scores - Quadel: Classic mode"),
    BRINOX_TEXT("TableId", "Best Scores - Quadel: Timer mode"),
    BRINOX_TEXT("TableId", "Best Scores - Quadel: Rising mode"),
    BRINOX_TEXT("TableId", "Best Scores - Quadel: World Championship"),
    BRINOX_TEXT("TableId", "Best Scores - Quinel: Classic mode"),
    BRINOX_TEXT("TableId", "Best Scores - Quinel: Timer mode"),
    BRINOX_TEXT("TableId", "Best Scores - Quinel: Rising mode"),
    BRINOX_TEXT("TableId", "Best Scores - World Championship Top 10"),
};

} // namespace

std::string_view TableLabel(std::int32_t id) {
    return IsTableId(id) ? kLabels[id] : std::string_view{};
}

std::string_view TableTitle(std::int32_t id) {
    return IsTableId(id) ? kTitles[id] : std::string_view{};
}

} // namespace brinox
