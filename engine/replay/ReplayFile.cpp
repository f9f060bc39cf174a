#include "ReplayFile.h"

#include "ReplayReader.h"
#include "ReplayWriter.h"

#include <cstdint>
#include <cstring>

namespace brinox {

namespace {

constexpr std::size_t kSignatureLength = sizeof(ReplayFile::kSignature) - 1;
constexpr std::uint64_t kMaxVersionLength = 64;

void PutBlock(std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& block) {
    ReplayWriter::PutNumber(bytes, block.size());
    bytes.insert(bytes.end(), block.begin(), block.end());
}

// Reads through a file, refusing anything that would run past its end.
class Cursor {
public:
    explicit Cursor(const std::vector<std::uint8_t>& bytes) : bytes(bytes) {}

    bool Number(std::uint64_t& value) { return ReplayReader::GetNumber(bytes, at, value); }

    bool Settings(ReplaySettings& settings) {
        return ReplayReader::GetSettings(bytes, at, settings);
    }

    bool Bytes(std::uint64_t count, std::vector<std::uint8_t>& out) {
        if (count > bytes.size() - at) {
            return false;
        }
        out.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                   bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
        at += count;
        return true;
    }

    bool Block(std::vector<std::uint8_t>& out) {
        std::uint64_t count = 0;
        return Number(count) && Bytes(count, out);
    }

    bool AtEnd() const { return at == bytes.size(); }

private:
    const std::vector<std::uint8_t>& bytes;
    std::size_t at = 0;
};

} // namespace

std::vector<std::uint8_t> ReplayFile::Encode(const Replay& replay) {
    std::vector<std::uint8_t> bytes(kSignature, kSignature + kSignatureLength);
    ReplayWriter::PutNumber(bytes, kFormat);
    PutBlock(bytes,
             std::vector<std::uint8_t>(replay.engineVersion.begin(), replay.engineVersion.end()));
    ReplayWriter::PutSettings(bytes, replay.settings);
    ReplayWriter::PutNumber(bytes, replay.randomState);
    PutBlock(bytes, replay.inputs);
    PutBlock(bytes, replay.answers);
    ReplayWriter::PutNumber(bytes, replay.clockStepCount);
    bytes.insert(bytes.end(), replay.clockSteps.begin(), replay.clockSteps.end());
    PutBlock(bytes, replay.clockEscapes);
    PutBlock(bytes, replay.clockChanges);
    return bytes;
}

std::optional<Replay> ReplayFile::Decode(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() > kMaxBytes || bytes.size() < kSignatureLength ||
        std::memcmp(bytes.data(), kSignature, kSignatureLength) != 0) {
        return std::nullopt;
    }
    Cursor in(bytes);
    std::vector<std::uint8_t> skipped;
    std::uint64_t format = 0;
    std::uint64_t versionLength = 0;
    std::vector<std::uint8_t> version;
    if (!in.Bytes(kSignatureLength, skipped) || !in.Number(format) || format != kFormat ||
        !in.Number(versionLength) || versionLength > kMaxVersionLength ||
        !in.Bytes(versionLength, version)) {
        return std::nullopt;
    }
    Replay replay;
    replay.engineVersion.assign(version.begin(), version.end());
    if (!in.Settings(replay.settings)) {
        return std::nullopt;
    }
    std::uint64_t randomState = 0;
    std::uint64_t steps = 0;
    if (!in.Number(randomState) || randomState > UINT32_MAX || !in.Block(replay.inputs) ||
        !in.Block(replay.answers) || !in.Number(steps) || steps > UINT32_MAX ||
        !in.Bytes((steps + 3) / 4, replay.clockSteps) || !in.Block(replay.clockEscapes) ||
        !in.Block(replay.clockChanges) || !in.AtEnd()) {
        return std::nullopt;
    }
    replay.randomState = static_cast<std::uint32_t>(randomState);
    replay.clockStepCount = static_cast<std::uint32_t>(steps);
    return replay;
}

} // namespace brinox
