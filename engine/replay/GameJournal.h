// What reaches the game from outside, told as it happens so that a game can
// be recorded. The engine reports each input on entry and again when it has
// been handled; inputs that arrive while a prompt of the engine is open (a
// modal box) are reported in between, nested, exactly as they happen.
#pragma once

#include <cstdint>

namespace brinox {

enum class GameInput : std::int32_t {
    Tick = 0,
    KeyDown = 1,   // value: the key code
    KeyUp = 2,     // value: the key code
    AppActive = 3, // value: 1 active, 0 inactive
    NewGame = 4,   // the start command while no game is in progress; value: the active flag
    StartStop = 5, // the start command during a game: the question to stop it
    Pause = 6,
    Suspend = 7,     // a dialog of the window stands the game still
    Resume = 8,      // the dialog closed and the game goes on as before
    KeepStopped = 9, // the dialog closed and the game stays stopped for its caller
    Restore = 10,    // a loaded game replaces the one in play
};

class GameJournal {
public:
    virtual ~GameJournal() = default;
    // An input is about to be handled; nothing of it has been read yet.
    virtual void Enter(GameInput input, std::int32_t value) = 0;
    // The input entered last has been handled completely.
    virtual void Leave() = 0;
};

} // namespace brinox
