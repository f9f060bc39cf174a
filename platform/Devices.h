// The sound player and the game controllers as the window sees them: the two
// parts of the game that need libraries of their own (Qt Multimedia with its
// sound-server and codec libraries, and SDL2). The program opens them once its
// first frame is on the screen, from a module of their own
// (brinox2000-devices.so): mapping and relocating those forty libraries at
// start would delay the first frame (what the module buys is measured by
// bench/window-perf.sh --vs a build that links them; ARCHITECTURE.md).
// Without the module the game is silent and sees no pad, as on a machine
// without an audio device.
#pragma once

#include "SoundOutput.h"

#include "engine/KeyWatcher.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace brinox {

// What a pad drives; the window fills it in.
struct GamepadLinks {
    // The key code a game key has now (the Control page's keys).
    std::function<std::int32_t(GameKey)> keyCode;
    // Whether a key-down would reach the game now (no dialog, menu or other program).
    std::function<bool()> gameHasKeyboard;
    std::function<bool()> gameInProgress;
    std::function<void(std::int32_t code, bool down)> key;
    // The window's Pause and Start/Stop commands, run after the poll, never inside it.
    std::function<void()> pause;
    std::function<void()> startStop;
};

// The game controllers, polled on the window's own tick.
class PadInput {
public:
    virtual ~PadInput() = default;
    // Takes in what happened since the last poll; now is the window's millisecond clock.
    virtual void Poll(std::uint32_t now) = 0;
    // Milliseconds to the next poll wanted while no game runs.
    virtual std::int32_t PollWait() const = 0;
    // The name of the connected pad; empty when there is none.
    virtual std::string Name() const = 0;
};

struct Devices {
    std::unique_ptr<SoundOutput> sounds; // nullptr: silent
    std::unique_ptr<PadInput> pad;       // nullptr: no game controllers
};

// Opens the devices; without sounds when the caller plays them itself.
using DeviceOpener = std::function<Devices(const GamepadLinks& links, bool withSounds)>;

// The program's opener: the module beside the program, or in the game's
// library directory once installed. Opened once and never unloaded.
Devices OpenDeviceModule(const GamepadLinks& links, bool withSounds);

} // namespace brinox
