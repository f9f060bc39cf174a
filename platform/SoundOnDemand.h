// The game's sound player, opened the first time a sound is wanted rather
// than at start-up. The player and Qt Multimedia with its sound-server and
// codec libraries live in a module of their own (brinox2000-sound.so), which
// would otherwise be a good part of what the program maps and relocates
// before its first frame (bench/window-perf.sh --vs a build that links them:
// an eighth off the first frame). Without the module the game is silent and
// says nothing, as it is on a machine without an audio device.
#pragma once

#include "SoundOutput.h"

#include <memory>

namespace brinox {

class SoundOnDemand : public SoundOutput {
public:
    void Preload(const Options& options) override;
    void Play(SoundEvent event, const std::string& file) override;

private:
    // The module's player; nullptr when the module could not be opened.
    SoundOutput* Player();

    std::unique_ptr<SoundOutput> player;
    bool opened = false;
};

} // namespace brinox
