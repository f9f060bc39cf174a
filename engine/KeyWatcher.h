// The pressed flag and auto-repeat state of the five game keys. The window
// feeds it every real key-down and key-up before menus see them; the game
// tick consumes the flags. Platform auto-repeat events must not reach it.
#pragma once

#include <array>
#include <cstdint>

namespace brinox {

struct Options;

enum class GameKey : std::int32_t { Left = 0, Right = 1, SoftDrop = 2, Drop = 3, Rotate = 4 };
inline constexpr std::int32_t kGameKeyCount = 5;

enum KeyRepeatState : std::int32_t { Idle = 0, Held = 1, Repeating = 2 };

struct KeyState {
    std::int32_t pressed = 0;
    std::int32_t repeatState = Idle;
    std::uint32_t pressTime = 0;
    // Released before any tick acted on it: the next tick still acts once,
    // so a tap shorter than a tick moves the piece.
    std::int32_t releasePending = 0;
};

class KeyWatcher {
public:
    // A key went down (playing: a game runs, unpaused, in the active application).
    void KeyDown(std::int32_t code, const Options& options, bool playing);
    // A key went up.
    void KeyUp(std::int32_t code, const Options& options, bool playing);
    // Forget every press (pause, inactive application, new game).
    void ClearAll();
    // One tick of a key's auto-repeat; true when its action is due now.
    bool Step(GameKey key, std::uint32_t now, std::int32_t sensitivity);

    static std::int32_t CodeOf(GameKey key, const Options& options);
    static std::int32_t SensitivityOf(GameKey key, const Options& options);

    KeyState& operator[](GameKey key) { return keys[static_cast<std::int32_t>(key)]; }
    const KeyState& operator[](GameKey key) const { return keys[static_cast<std::int32_t>(key)]; }

    std::array<KeyState, kGameKeyCount> keys{};
};

} // namespace brinox
