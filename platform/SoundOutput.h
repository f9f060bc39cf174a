// What the window asks of a sound player: the game's sound events, and
// loading every event's file ahead so that the first play starts at once.
#pragma once

#include "engine/GameHost.h"
#include "engine/Options.h"

namespace brinox {

class SoundOutput : public GameSounds {
public:
    // Loads the file of every event of options; never blocks on the sound server.
    virtual void Preload(const Options& options) = 0;
};

} // namespace brinox
