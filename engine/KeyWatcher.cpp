#include "KeyWatcher.h"

#include "Options.h"

namespace brinox {

void KeyWatcher::KeyDown(std::int32_t code, const Options& options, bool playing) {
    if (!playing) {
        ClearAll();
        return;
    }
    for (std::int32_t k = 0; k < kGameKeyCount; ++k) {
        if (CodeOf(static_cast<GameKey>(k), options) == code) {
            keys[k].pressed = 1;
            keys[k].releasePending = 0;
        }
    }
}

void KeyWatcher::KeyUp(std::int32_t code, const Options& options, bool playing) {
    if (!playing) {
        ClearAll();
        return;
    }
    for (std::int32_t k = 0; k < kGameKeyCount; ++k) {
        if (CodeOf(static_cast<GameKey>(k), options) != code) {
            continue;
        }
        if (keys[k].pressed && keys[k].repeatState == Idle) {
            keys[k].releasePending = 1;
        } else {
            keys[k] = KeyState{};
        }
    }
}

void KeyWatcher::ClearAll() {
    keys.fill(KeyState{});
}

bool KeyWatcher::Step(GameKey key, std::uint32_t now, std::int32_t sensitivity) {
    KeyState& state = (*this)[key];
    bool act = false;
    if (state.repeatState == Idle) {
        state.pressTime = now;
        state.repeatState = Held;
        act = true;
    } else if (state.repeatState == Repeating) {
        act = true;
    }
    // Compared in 64 bits so that a negative sensitivity from a foreign
    // options file simply repeats at once instead of never.
    const std::int64_t held = static_cast<std::uint32_t>(now - state.pressTime);
    if (state.repeatState == Held && held >= sensitivity && sensitivity < 1000) {
        state.repeatState = Repeating;
    }
    if (state.releasePending) {
        state = KeyState{};
    }
    return act;
}

std::int32_t KeyWatcher::CodeOf(GameKey key, const Options& options) {
    switch (key) {
    case GameKey::Left:
        return options.keyLeft;
    case GameKey::Right:
        return options.keyRight;
    case GameKey::SoftDrop:
        return options.keyDown;
    case GameKey::Drop:
        return options.keyDrop;
    case GameKey::Rotate:
        return options.keyRotate;
    }
    return -1;
}

std::int32_t KeyWatcher::SensitivityOf(GameKey key, const Options& options) {
    switch (key) {
    case GameKey::Left:
        return options.sensLeft;
    case GameKey::Right:
        return options.sensRight;
    case GameKey::SoftDrop:
        return options.sensDown;
    case GameKey::Drop:
        return options.sensDrop;
    case GameKey::Rotate:
        return options.sensRotate;
    }
    return 1000;
}

} // namespace brinox
