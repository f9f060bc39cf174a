// Synthesizes the twelve sound effects: tones, sweeps and noise shaped by
// envelopes, mixed in floating point, faded in and out (no clicks) and
// normalised to 16-bit samples at 44.1 kHz.
#pragma once

#include "engine/SoundEvent.h"

#include <cstdint>
#include <vector>

namespace brinox::art {

class SoundSynth {
public:
    // The effect for a sound event index (0 to 11, in event order).
    static std::vector<std::int16_t> Effect(SoundEvent event);
};

} // namespace brinox::art
