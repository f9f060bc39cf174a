#include "Replay.h"

#include "engine/Options.h"

namespace brinox {

namespace {

// The option behind each settings field, in the order of ReplaySettings::kFields.
constexpr std::array<std::int32_t Options::*, ReplaySettings::kFields.size()> kOptionFields{
    &Options::gameType,    &Options::gameMode,  &Options::bombsOn,   &Options::startLevel,
    &Options::startHeight, &Options::keyLeft,   &Options::keyRight,  &Options::keyDown,
    &Options::keyDrop,     &Options::keyRotate, &Options::sensLeft,  &Options::sensRight,
    &Options::sensDown,    &Options::sensDrop,  &Options::sensRotate};

} // namespace

ReplaySettings ReplaySettings::Of(const Options& options) {
    ReplaySettings settings;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        settings.*kFields[i] = options.*kOptionFields[i];
    }
    return settings;
}

void ReplaySettings::ApplyTo(Options& options) const {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        options.*kOptionFields[i] = this->*kFields[i];
    }
}

const char* EngineVersion() {
    return BRINOX_ENGINE_VERSION;
}

} // namespace brinox
