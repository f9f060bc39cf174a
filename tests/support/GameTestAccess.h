// The test-only way into a Game: its board, state, flags and keys as
// writable references, and the rules the tick and the commands run, so that
// a test can set up a position and call one rule on it. Holds references
// only: make one wherever a Game is at hand and pass it by value.
#pragma once

#include "engine/Game.h"

#include <cstdint>

namespace brinox::test {

class GameTestAccess {
public:
    explicit GameTestAccess(Game& game)
        : board(game.board), state(game.state), flags(game.flags), keys(game.keys),
          appDirectory(game.appDirectory), game(game) {}

    Board& board;
    GameState& state;
    GameFlags& flags;
    KeyWatcher& keys;
    std::string& appDirectory;

    // The game's own read accessors, so tests read the same way the program does.
    const GameState& State() const { return state; }
    const GameFlags& Flags() const { return flags; }
    const KeyWatcher& Keys() const { return keys; }

    bool TryMove(std::int32_t dx, std::int32_t dy, std::int32_t newRotation) {
        return game.TryMove(dx, dy, newRotation);
    }
    bool LandPiece() { return game.LandPiece(); }
    std::int32_t ClearFullRows() { return game.ClearFullRows(); }
    void AdvanceLevel() { game.AdvanceLevel(); }
    void AddRisingRow() { game.AddRisingRow(); }
    void NewGame() { game.NewGame(); }
    void EndGameLost() { game.EndGameLost(); }
    void EndGameWon() { game.EndGameWon(); }

private:
    Game& game;
};

} // namespace brinox::test
