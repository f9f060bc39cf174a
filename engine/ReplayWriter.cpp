#include "ReplayWriter.h"

namespace brinox {

namespace {

constexpr std::uint8_t kEscape = 15;
constexpr std::int64_t kStepReach = 7; // half-byte steps cover last step -7..+7

std::uint64_t ZigZag(std::int64_t value) {
    return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

} // namespace

void ReplayWriter::PutNumber(std::vector<std::uint8_t>& bytes, std::uint64_t value) {
    while (value >= 0x80) {
        bytes.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    bytes.push_back(static_cast<std::uint8_t>(value));
}

void ReplayWriter::PutSigned(std::vector<std::uint8_t>& bytes, std::int64_t value) {
    PutNumber(bytes, ZigZag(value));
}

void ReplayWriter::Entry(ReplayEntry kind, std::int64_t value) {
    FlushTicks();
    PutNumber(replay.inputs, (ZigZag(value) << 4) | static_cast<std::uint64_t>(kind));
}

void ReplayWriter::PutSettings(std::vector<std::uint8_t>& bytes, const ReplaySettings& settings) {
    for (const ReplaySettings::Field field : ReplaySettings::kFields) {
        PutSigned(bytes, settings.*field);
    }
}

void ReplayWriter::Settings(const ReplaySettings& settings) {
    Entry(ReplayEntry::Settings);
    PutSettings(replay.inputs, settings);
}

void ReplayWriter::Answer(std::int64_t value) {
    PutSigned(replay.answers, value);
}

void ReplayWriter::ClockReading(std::uint32_t milliseconds) {
    if (milliseconds == lastReading) {
        ++equalReadings;
        return;
    }
    // The wrapping counter's difference, taken as the shorter way round.
    const auto step = static_cast<std::int32_t>(milliseconds - lastReading);
    ClockStep(equalReadings, step);
    lastReading = milliseconds;
    equalReadings = 0;
}

void ReplayWriter::ClockStep(std::int64_t equalBefore, std::int64_t step) {
    const std::int64_t change = step - lastStep;
    if (equalBefore == lastEqualReadings && change >= -kStepReach && change <= kStepReach) {
        PutHalfByte(static_cast<std::uint8_t>(change + kStepReach));
    } else {
        PutHalfByte(kEscape);
        PutSigned(replay.clockEscapes, equalBefore - lastEqualReadings);
        PutSigned(replay.clockEscapes, change);
    }
    lastEqualReadings = equalBefore;
    lastStep = step;
}

void ReplayWriter::PutHalfByte(std::uint8_t value) {
    if (replay.clockStepCount % 2 == 0) {
        replay.clockSteps.push_back(value);
    } else {
        replay.clockSteps.back() |= static_cast<std::uint8_t>(value << 4);
    }
    ++replay.clockStepCount;
}

void ReplayWriter::FlushTicks() {
    if (pendingTicks > 0) {
        const std::int64_t ticks = pendingTicks;
        pendingTicks = 0;
        PutNumber(replay.inputs,
                  (ZigZag(ticks) << 4) | static_cast<std::uint64_t>(ReplayEntry::Ticks));
    }
}

void ReplayWriter::Flush() {
    FlushTicks();
}

} // namespace brinox
