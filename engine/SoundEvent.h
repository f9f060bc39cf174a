// The twelve sound events. The index is the position in Options::soundEnabled
// and Options::soundFile and in the options file.
#pragma once

#include "TextMarks.h"

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

// The names the Sound page lists, translated there (context "SoundEvent").
inline constexpr std::array<std::string_view, kSoundEventCount> kSoundEventLabels = {
    BRINOX_TEXT("SoundEvent", "Button press"),
    BRINOX_TEXT("SoundEvent", "Block drop"),
    BRINOX_TEXT("SoundEvent", "Block removed"),
    BRINOX_TEXT("SoundEvent", "Bomb Explosion"),
    BRINOX_TEXT("SoundEvent", "Game over"),
    BRINOX_TEXT("SoundEvent", "You win!"),
    BRINOX_TEXT("SoundEvent", "Level is finished"),
    BRINOX_TEXT("SoundEvent", "Timer"),
    BRINOX_TEXT("SoundEvent", "Row of blocks is added"),
    BRINOX_TEXT("SoundEvent", "Start of game"),
    BRINOX_TEXT("SoundEvent", "Bomb disappears"),
    BRINOX_TEXT("SoundEvent", "Best score is reached"),
};

} // namespace brinox
