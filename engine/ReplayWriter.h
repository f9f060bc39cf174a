// Fills the streams of a Replay while a game is recorded. Most ticks change
// nothing, so the encoding leans on repetition: runs of ticks are one entry,
// and a clock reading costs nothing when it equals the one before and half a
// byte when the readings repeat the last pattern (the same number of equal
// readings, then a step within 7 ms of the last step); anything else goes
// into the escape bytes.
#pragma once

#include "Replay.h"

#include <cstdint>
#include <vector>

namespace brinox {

class ReplayWriter {
public:
    explicit ReplayWriter(Replay& replay) : replay(replay) {}

    void Tick() { ++pendingTicks; }
    // An entry of the inputs stream; ticks counted so far go before it.
    void Entry(ReplayEntry kind, std::int64_t value = 0);
    void Settings(const ReplaySettings& settings);
    void Answer(std::int64_t value);
    void ClockReading(std::uint32_t milliseconds);
    // Writes what is still counted; the replay is complete after it.
    void Flush();

    static void PutNumber(std::vector<std::uint8_t>& bytes, std::uint64_t value);
    static void PutSigned(std::vector<std::uint8_t>& bytes, std::int64_t value);
    static void PutSettings(std::vector<std::uint8_t>& bytes, const ReplaySettings& settings);

private:
    void FlushTicks();
    void ClockStep(std::int64_t equalBefore, std::int64_t step);
    void PutHalfByte(std::uint8_t value);

    Replay& replay;
    std::int64_t pendingTicks = 0;
    std::uint32_t lastReading = 0;
    std::int64_t equalReadings = 0;
    std::int64_t lastEqualReadings = 0;
    std::int64_t lastStep = 0;
};

} // namespace brinox
