#include "ReplayReader.h"

#include <cstdint>

namespace brinox {

namespace {

constexpr std::uint8_t kEscape = 15;
constexpr std::int64_t kStepReach = 7;
constexpr std::uint64_t kLastEntryKind = static_cast<std::uint64_t>(ReplayEntry::GameOver);

// Sums of numbers a forged file may have made as large as it liked wrap round
// instead of overflowing.
std::int64_t WrappingSum(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}

std::int64_t UnZigZag(std::uint64_t value) {
    return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

} // namespace

bool ReplayReader::GetNumber(const std::vector<std::uint8_t>& bytes, std::size_t& at,
                             std::uint64_t& value) {
    value = 0;
    for (std::int32_t shift = 0; shift < 64 && at < bytes.size(); shift += 7) {
        const std::uint8_t byte = bytes[at++];
        value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            return true;
        }
    }
    return false;
}

bool ReplayReader::GetSigned(const std::vector<std::uint8_t>& bytes, std::size_t& at,
                             std::int64_t& value) {
    std::uint64_t raw = 0;
    const bool read = GetNumber(bytes, at, raw);
    value = UnZigZag(raw);
    return read;
}

std::int64_t ReplayReader::Signed(const std::vector<std::uint8_t>& bytes, std::size_t& at) {
    std::int64_t value = 0;
    if (!GetSigned(bytes, at, value)) {
        damaged = true;
        return 0;
    }
    return value;
}

bool ReplayReader::NextEntry(ReplayEntry& kind, std::int64_t& value) {
    if (damaged || inputAt >= replay.inputs.size()) {
        return false;
    }
    std::uint64_t raw = 0;
    if (!GetNumber(replay.inputs, inputAt, raw) || (raw & 15) > kLastEntryKind ||
        (raw & 15) == 10) {
        damaged = true;
        return false;
    }
    kind = static_cast<ReplayEntry>(raw & 15);
    value = UnZigZag(raw >> 4);
    return true;
}

bool ReplayReader::GetSettings(const std::vector<std::uint8_t>& bytes, std::size_t& at,
                               ReplaySettings& settings) {
    for (const ReplaySettings::Field field : ReplaySettings::kFields) {
        std::int64_t value = 0;
        if (!GetSigned(bytes, at, value) || value < INT32_MIN || value > INT32_MAX) {
            return false;
        }
        settings.*field = static_cast<std::int32_t>(value);
    }
    return true;
}

ReplaySettings ReplayReader::Settings() {
    ReplaySettings settings;
    if (!GetSettings(replay.inputs, inputAt, settings)) {
        damaged = true;
    }
    return settings;
}

std::int64_t ReplayReader::Answer() {
    if (answerAt >= replay.answers.size()) {
        damaged = true;
        return 0;
    }
    return Signed(replay.answers, answerAt);
}

std::uint32_t ReplayReader::ClockReading() {
    if (!stepLoaded && !NextClockStep()) {
        return reading;
    }
    if (equalBefore > 0) {
        --equalBefore;
        return reading;
    }
    reading += static_cast<std::uint32_t>(step);
    stepLoaded = false;
    return reading;
}

bool ReplayReader::NextClockStep() {
    if (stepAt >= replay.clockStepCount || stepAt / 2 >= replay.clockSteps.size()) {
        return false;
    }
    const std::uint8_t byte = replay.clockSteps[stepAt / 2];
    const std::uint8_t half = stepAt % 2 == 0 ? byte & 15 : byte >> 4;
    ++stepAt;
    if (half != kEscape) {
        step = WrappingSum(lastStep, half - kStepReach);
    } else {
        lastEqualReadings = WrappingSum(lastEqualReadings, Signed(replay.clockEscapes, escapeAt));
        step = WrappingSum(lastStep, Signed(replay.clockEscapes, escapeAt));
    }
    equalBefore = lastEqualReadings;
    lastStep = step;
    stepLoaded = true;
    return true;
}

} // namespace brinox
