// The small enumerations every part of the game shares. Values are the
// numbers stored in the data files, so they stay plain 32-bit integers.
#pragma once

#include <cstdint>

namespace brinox {

// The piece set of a game.
enum GameType : std::int32_t { Quadel = 0, Quinel = 1 };

// The rules of a game. World Championship exists only with Quadel.
enum GameMode : std::int32_t { Classic = 0, Timer = 1, Rising = 2, WorldChampionship = 3 };

// Piece kinds 0..15 are ordinary pieces; the three bombs never enter the board.
constexpr std::int32_t kSmallBomb = 16;
constexpr std::int32_t kMediumBomb = 17;
constexpr std::int32_t kLargeBomb = 18;
constexpr std::int32_t kKindCount = 19;

constexpr bool IsBomb(std::int32_t kind) { return kind >= kSmallBomb && kind <= kLargeBomb; }

// The best-score table of a game: Quadel 0..3, Quinel 4..6 (7 is the world Top 10).
constexpr std::int32_t TableOf(std::int32_t gameType, std::int32_t gameMode) {
    return gameType * 4 + gameMode;
}

// Score and rows grow only while below this limit.
constexpr std::int32_t kGrowthLimit = 2'000'000'000;

} // namespace brinox
