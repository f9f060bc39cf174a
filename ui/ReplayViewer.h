// A recorded game watched in the main window. It owns the replay's player,
// the speed and the pause, and names the game and the settings to show; the
// window forwards its 20 ms beat and the watching keys to it and draws what
// it names. Plain C++, no toolkit.
//
// Invariants: while watching, the game shown is the replay's own, played with
// the recorded game settings and the watcher's looks and sounds; nothing here
// reaches the player's game, options, tables or files, and the replay's
// result is dropped.
#pragma once

#include "engine/Game.h"
#include "engine/Options.h"
#include "engine/replay/ReplayPlayer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brinox {

class ReplayViewer {
public:
    // Played ticks per beat: normal, double and quadruple speed.
    static constexpr std::int32_t kSpeeds[] = {1, 2, 4};

    // Starts watching the replay file `bytes`, played with `base` for what the
    // replay does not hold (looks, sound switches) and shown on `output`.
    // Returns why it cannot be watched; empty when watching has begun.
    std::string Watch(const std::vector<std::uint8_t>& bytes, const Options& base,
                      ReplayOutput output);
    void Leave();
    bool Watching() const { return player != nullptr; }

    // One beat: plays as many played ticks as the speed asks, none while
    // paused. False once the replay is over; watching has then ended.
    bool Beat();
    void TogglePause() { paused = !paused; }
    // One of kSpeeds; any other value is ignored (false).
    bool SetSpeed(std::int32_t ticksPerBeat);
    bool Paused() const { return paused; }
    std::int32_t Speed() const { return speed; }
    // Why the last replay stopped before its end; empty when it played to it.
    const std::string& Problem() const { return problem; }

    // Only while watching.
    Game& ShownGame();
    const Game& ShownGame() const { return player->Engine(); }
    const Options& ShownOptions() const { return shownOptions; }

private:
    std::unique_ptr<ReplayPlayer> player;
    Options shownOptions;
    std::int32_t speed = 1;
    bool paused = false;
    std::string problem;
};

} // namespace brinox
