#include "ReplayViewer.h"

#include "engine/replay/ReplayFile.h"

#include <algorithm>

namespace brinox {

std::string ReplayViewer::Watch(const std::vector<std::uint8_t>& bytes, const Options& base,
                                ReplayOutput output) {
    Leave();
    std::optional<Replay> replay = ReplayFile::Decode(bytes);
    if (!replay) {
        return "The replay is damaged and cannot be watched.";
    }
    shownOptions = base;
    replay->settings.ApplyTo(shownOptions);
    auto made = std::make_unique<ReplayPlayer>(std::move(*replay), base, output);
    if (made->Over()) {
        return "The replay cannot be watched: " + made->Problem() + ".";
    }
    player = std::move(made);
    speed = 1;
    paused = false;
    problem.clear();
    return {};
}

void ReplayViewer::Leave() {
    player.reset();
}

bool ReplayViewer::Beat() {
    if (!player) {
        return false;
    }
    for (std::int32_t tick = 0; tick < (paused ? 0 : speed); ++tick) {
        if (!player->NextTick()) {
            problem = player->Problem();
            Leave();
            return false;
        }
    }
    return true;
}

bool ReplayViewer::SetSpeed(std::int32_t ticksPerBeat) {
    if (std::ranges::find(kSpeeds, ticksPerBeat) == std::end(kSpeeds)) {
        return false;
    }
    speed = ticksPerBeat;
    return true;
}

Game& ReplayViewer::ShownGame() {
    return player->Engine();
}

} // namespace brinox
