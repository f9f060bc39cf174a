// Writes 16-bit mono PCM samples as a canonical RIFF/WAVE file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brinox::art {

inline constexpr int kSampleRate = 44100;

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples);
bool WriteWav(const std::vector<std::int16_t>& samples, const std::string& path);

} // namespace brinox::art
