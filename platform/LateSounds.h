// Stands in for the sound player until the devices are open: silent before,
// then every call goes to the player (when there is one).
#pragma once

#include "SoundOutput.h"

#include <memory>

namespace brinox {

class LateSounds : public SoundOutput {
public:
    void Open(std::unique_ptr<SoundOutput> opened);

    void Preload(const Options& options) override;
    void Play(SoundEvent event, const std::string& file) override;

private:
    std::unique_ptr<SoundOutput> player;
};

} // namespace brinox
