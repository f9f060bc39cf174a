#include "ReplayReader.h"

#include "engine/KeyWatcher.h"
#include "ReplayWriter.h"

#include <cstdint>

namespace brinox {

namespace {

using namespace replaycode;

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

std::uint64_t ReplayReader::Number(const std::vector<std::uint8_t>& bytes, std::size_t& at) {
    std::uint64_t value = 0;
    if (!GetNumber(bytes, at, value)) {
        damaged = true;
        return 0;
    }
    return value;
}

std::int64_t ReplayReader::Signed(const std::vector<std::uint8_t>& bytes, std::size_t& at) {
    return UnZigZag(Number(bytes, at));
}

bool ReplayReader::NextEntry(ReplayEntry& kind, std::uint32_t& value) {
    if (!entryWaiting && !ReadEntry()) {
        return false;
    }
    if (ticksBefore > 0) {
        kind = ReplayEntry::Ticks;
        value = ticksBefore;
        ticksBefore = 0;
        return true;
    }
    kind = waitingKind;
    value = waitingValue;
    entryWaiting = false;
    return true;
}

// Reads one byte and what belongs to it.
bool ReplayReader::ReadEntry() {
    if (damaged || inputAt >= replay.inputs.size()) {
        return false;
    }
    const std::uint8_t byte = replay.inputs[inputAt++];
    const std::uint32_t ticks = (byte >> 4) & 7;
    if ((byte & kGenericEntry) == 0) {
        waitingKind = (byte & 8) != 0 ? ReplayEntry::GameKeyUp : ReplayEntry::GameKeyDown;
        waitingValue = byte & 7;
        damaged = waitingValue >= static_cast<std::uint32_t>(kGameKeyCount);
    } else {
        waitingKind = static_cast<ReplayEntry>(byte & 15);
        waitingValue = 0;
        damaged = waitingKind == ReplayEntry::GameKeyDown ||
                  waitingKind == ReplayEntry::GameKeyUp ||
                  (waitingKind == ReplayEntry::Ticks && ticks != 0);
        if (!damaged && ReplayWriter::HasValue(waitingKind)) {
            const std::uint64_t number = Number(replay.inputs, inputAt);
            damaged = damaged || number > UINT32_MAX;
            waitingValue = static_cast<std::uint32_t>(number);
        }
    }
    if (damaged) {
        return false;
    }
    entryWaiting = true;
    ticksBefore = ticks;
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
    if (!segmentRead) {
        segmentRead = true;
        lastStep = WrappingSum(lastStep, NextStepChange());
        reading += static_cast<std::uint32_t>(lastStep);
    } else {
        if (!changeLoaded) {
            LoadChange();
        }
        if (changeLoaded && readings == nextChangeAt) {
            reading += static_cast<std::uint32_t>(nextChange);
            changeLoaded = false;
        }
    }
    ++readings;
    return reading;
}

std::int64_t ReplayReader::NextStepChange() {
    if (stepAt >= replay.clockStepCount || stepAt / 4 >= replay.clockSteps.size()) {
        damaged = true;
        return 0;
    }
    const std::uint32_t code = (replay.clockSteps[stepAt / 4] >> ((stepAt % 4) * 2)) & 3;
    ++stepAt;
    switch (code) {
    case kSameStep:
        return 0;
    case kStepLonger:
        return 1;
    case kStepShorter:
        return -1;
    default:
        return Signed(replay.clockEscapes, escapeAt);
    }
}

void ReplayReader::LoadChange() {
    if (changeAt >= replay.clockChanges.size()) {
        return;
    }
    const std::uint64_t gap = Number(replay.clockChanges, changeAt);
    nextChange = Signed(replay.clockChanges, changeAt);
    nextChangeAt = lastChangeAt + gap;
    lastChangeAt = nextChangeAt;
    changeLoaded = !damaged;
}

} // namespace brinox
