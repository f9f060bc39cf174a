#include "WavWriter.h"

#include <fstream>

namespace brinox::art {

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void Tag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    Tag(out, "RIFF");
    Put(out, 36 + dataSize, 4);
    Tag(out, "WAVE");
    Tag(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2); // PCM
    Put(out, 1, 2); // mono
    Put(out, kSampleRate, 4);
    Put(out, kSampleRate * 2, 4);
    Put(out, 2, 2);
    Put(out, 16, 2);
    Tag(out, "data");
    Put(out, dataSize, 4);
    for (std::int16_t s : samples) {
        Put(out, static_cast<std::uint16_t>(s), 2);
    }
    return out;
}

bool WriteWav(const std::vector<std::int16_t>& samples, const std::string& path) {
    const auto bytes = EncodeWav(samples);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace brinox::art
