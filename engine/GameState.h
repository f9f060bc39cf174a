// The record of the game in progress and the process-wide flags that steer
// the game loop. Read by the renderer, the saved-game files and the
// best-scores hand-off; written only by the engine and the saved-game loader.
// The level, score, lines and the statistics of the game live in the
// GameStatistics base, shared with GameResult and the best-score rows.
#pragma once

#include "engine/GameStatistics.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brinox {

struct GameState : GameStatistics {
    // A fresh state stands as before any game: no drop has been timed yet.
    GameState() { minDropSeconds = 1000; }

    std::int32_t currentKind = 0; // 0..18
    std::int32_t rotation = 0;    // 0..3
    std::int32_t column = 0;
    std::int32_t row = 0;
    // The piece before the last successful move; the incremental redraw erases it there.
    std::int32_t drawnKind = 0;
    std::int32_t drawnRotation = 0;
    std::int32_t drawnColumn = 0;
    std::int32_t drawnRow = 0;
    std::int32_t nextKind = 0; // 0..15
    std::int32_t fallPeriodMs = 1000;
    std::uint32_t lastFallTime = 0;
    std::uint32_t lastStepTime = 0;
    std::int32_t pieceStartSecond = 0;
    std::uint32_t timerRefTime = 0;
    std::int32_t clockRefsValid = 0;
    std::uint32_t elapsedRefTime = 0;
    std::int32_t bestScore = 0;
    std::int32_t linesLeft = 0;
    std::int32_t timerSeconds = 0;  // -1: no countdown
    std::int32_t risingCounter = 0; // -1: no rising rows
    std::int32_t risingPeriod = 0;  // -1: no rising rows
    std::int32_t bestScorePending = 0;
    std::int32_t bombsBeforeChampionship = 0;

    bool operator==(const GameState&) const = default;
};

struct GameFlags {
    std::int32_t gameInProgress = 0;
    std::int32_t gameRunning = 1; // 0 while paused
    std::int32_t appActive = 0;

    bool Playing() const { return appActive && gameInProgress && gameRunning; }
};

// What a finished game hands to the best-scores dialog: its statistics, the
// game type and mode, and the bombs option it was played with.
struct GameResult : GameStatistics {
    std::int32_t gameType = 0;
    std::int32_t gameMode = 0;
    std::int32_t bombsOn = 0;
    bool finishedGame = true;
    std::string appDirectory;
    // The replay file of the game when it was recorded from its start; empty
    // for a game continued from a saved game.
    std::vector<std::uint8_t> replay;
};

} // namespace brinox
