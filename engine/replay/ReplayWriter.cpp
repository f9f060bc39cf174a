#include "ReplayWriter.h"

namespace brinox {

namespace {

using namespace replaycode;

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

void ReplayWriter::PutSettings(std::vector<std::uint8_t>& bytes, const ReplaySettings& settings) {
    for (const ReplaySettings::Field field : ReplaySettings::kFields) {
        PutSigned(bytes, settings.*field);
    }
}

bool ReplayWriter::HasValue(ReplayEntry kind) {
    switch (kind) {
    case ReplayEntry::Ticks:
    case ReplayEntry::KeyDown:
    case ReplayEntry::KeyUp:
    case ReplayEntry::AppActive:
    case ReplayEntry::NewGame:
    case ReplayEntry::RandomState:
        return true;
    default:
        return false;
    }
}

std::uint8_t ReplayWriter::TakeTicks() {
    if (pendingTicks > kTicksInByte) {
        Flush();
    }
    const auto ticks = static_cast<std::uint8_t>(pendingTicks << 4);
    pendingTicks = 0;
    return ticks;
}

void ReplayWriter::Entry(ReplayEntry kind, std::uint32_t value) {
    replay.inputs.push_back(kGenericEntry | TakeTicks() | static_cast<std::uint8_t>(kind));
    if (HasValue(kind)) {
        PutNumber(replay.inputs, value);
    }
}

void ReplayWriter::GameKey(std::int32_t key, bool up) {
    replay.inputs.push_back(TakeTicks() | (up ? 8 : 0) | static_cast<std::uint8_t>(key & 7));
}

void ReplayWriter::Settings(const ReplaySettings& settings) {
    Entry(ReplayEntry::Settings);
    PutSettings(replay.inputs, settings);
}

void ReplayWriter::Answer(std::int64_t value) {
    PutSigned(replay.answers, value);
}

void ReplayWriter::ClockReading(std::uint32_t milliseconds) {
    // The wrapping counter's difference, taken as the shorter way round.
    const std::int64_t step = static_cast<std::int32_t>(milliseconds - lastReading);
    if (!segmentRead) {
        segmentRead = true;
        const std::int64_t change = step - lastStep;
        if (change == 0) {
            PutStepCode(kSameStep);
        } else if (change == 1) {
            PutStepCode(kStepLonger);
        } else if (change == -1) {
            PutStepCode(kStepShorter);
        } else {
            PutStepCode(kStepEscape);
            PutSigned(replay.clockEscapes, change);
        }
        lastStep = step;
    } else if (step != 0) {
        PutNumber(replay.clockChanges, readings - lastChangeAt);
        PutSigned(replay.clockChanges, step);
        lastChangeAt = readings;
    }
    lastReading = milliseconds;
    ++readings;
}

void ReplayWriter::PutStepCode(std::uint8_t code) {
    const std::uint32_t shift = (replay.clockStepCount % 4) * 2;
    if (shift == 0) {
        replay.clockSteps.push_back(0);
    }
    replay.clockSteps.back() |= static_cast<std::uint8_t>(code << shift);
    ++replay.clockStepCount;
}

void ReplayWriter::Flush() {
    if (pendingTicks > 0) {
        replay.inputs.push_back(kGenericEntry | static_cast<std::uint8_t>(ReplayEntry::Ticks));
        PutNumber(replay.inputs, static_cast<std::uint64_t>(pendingTicks));
        pendingTicks = 0;
    }
}

} // namespace brinox
