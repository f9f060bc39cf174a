// The twelve sound events. The index is the position in Options::soundEnabled
// and Options::soundFile and in the options file.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace brinox {

enum class SoundEvent : std::int32_t {
    ButtonPress = 0,
    BlockDrop = 1,
    BlockRemoved = 2,
    BombExplosion = 3,
    GameOver = 4,
    YouWin = 5,
    LevelFinished = 6,
    Timer = 7,
    RowAdded = 8,
    StartOfGame = 9,
    BombDisappears = 10,
    BestScoreReached = 11,
};

inline constexpr std::int32_t kSoundEventCount = 12;
// Only the first eleven events are kept in the options file.
inline constexpr std::int32_t kStoredSoundEvents = 11;

inline constexpr std::array<std::string_view, kSoundEventCount> kSoundEventLabels = {
    "Button press",      "Block drop", "Block removed", "Bomb Explosion",
    "Game over",         "You win!",   "Level is finished", "Timer",
    "Row of blocks is added", "Start of game", "Bomb disappears", "Best score is reached",
};

} // namespace brinox
