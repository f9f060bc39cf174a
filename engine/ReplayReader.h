// Reads the streams of a Replay back in the order ReplayWriter wrote them.
// It trusts nothing: a stream that ends early or holds an impossible entry
// sets `Damaged()` and gives neutral values from then on, so a forged or
// broken replay can only play a different game, never crash or hang one.
#pragma once

#include "Replay.h"

#include <cstdint>
#include <vector>

namespace brinox {

class ReplayReader {
public:
    explicit ReplayReader(const Replay& replay) : replay(replay) {}

    // The next entry of the inputs stream; false at its end. A run of ticks
    // comes back as one Ticks entry with its count.
    bool NextEntry(ReplayEntry& kind, std::int64_t& value);
    // The settings that follow a Settings entry.
    ReplaySettings Settings();
    // The next answer; 0 once the answers are used up.
    std::int64_t Answer();
    // The next clock reading; the last one again once the readings are used up.
    std::uint32_t ClockReading();

    bool Damaged() const { return damaged; }

    // A number of the stream at `at`, moved on past it; false at a damaged or missing number.
    static bool GetNumber(const std::vector<std::uint8_t>& bytes, std::size_t& at,
                          std::uint64_t& value);
    static bool GetSigned(const std::vector<std::uint8_t>& bytes, std::size_t& at,
                          std::int64_t& value);
    // False when a field is missing or outside 32 bits.
    static bool GetSettings(const std::vector<std::uint8_t>& bytes, std::size_t& at,
                            ReplaySettings& settings);

private:
    std::int64_t Signed(const std::vector<std::uint8_t>& bytes, std::size_t& at);
    bool NextClockStep();

    const Replay& replay;
    std::size_t inputAt = 0;
    std::size_t answerAt = 0;
    std::size_t escapeAt = 0;
    std::uint32_t stepAt = 0;
    bool damaged = false;

    std::uint32_t reading = 0;
    bool stepLoaded = false;
    std::int64_t equalBefore = 0;
    std::int64_t step = 0;
    std::int64_t lastEqualReadings = 0;
    std::int64_t lastStep = 0;
};

} // namespace brinox
