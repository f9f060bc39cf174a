#include "Options.h"

#include "FileNames.h"

namespace brinox {

void Options::SetDefaults() {
    *this = Options{};
}

void Options::SetDefaultSoundFiles(const std::string& appDirectory) {
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        soundFile[e] = appDirectory + std::string(files::kDefaultSounds[e]);
    }
}

bool WithinLimits(const Options& options) {
    for (const OptionLimit& limit : kOptionLimits) {
        const std::int32_t value = options.*limit.field;
        if (value < limit.low || value > limit.high) {
            return false;
        }
    }
    return true;
}

void Options::ResetSound(std::int32_t event, const std::string& appDirectory) {
    soundEnabled[event] = 1;
    soundFile[event] = appDirectory + std::string(files::kDefaultSounds[event]);
}

} // namespace brinox
