#include "LateSounds.h"

namespace brinox {

void LateSounds::Open(std::unique_ptr<SoundOutput> opened) {
    player = std::move(opened);
}

void LateSounds::Preload(const Options& options) {
    if (player) {
        player->Preload(options);
    }
}

void LateSounds::Play(SoundEvent event, const std::string& file) {
    if (player) {
        player->Play(event, file);
    }
}

} // namespace brinox
