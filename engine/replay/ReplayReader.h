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

    // The next entry of the inputs stream; false at its end. Ticks before an
    // entry come back first, as a Ticks entry with their count.
    bool NextEntry(ReplayEntry& kind, std::uint32_t& value);
    // The settings that follow a Settings entry.
    ReplaySettings Settings();
    // The next answer; 0 once the answers are used up.
    std::int64_t Answer();
    // An input begins: the next clock reading is its first.
    void Segment() { segmentRead = false; }
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
    std::uint64_t Number(const std::vector<std::uint8_t>& bytes, std::size_t& at);
    std::int64_t Signed(const std::vector<std::uint8_t>& bytes, std::size_t& at);
    bool ReadEntry();
    std::int64_t NextStepChange();
    void LoadChange();

    const Replay& replay;
    std::size_t inputAt = 0;
    std::size_t answerAt = 0;
    std::size_t escapeAt = 0;
    std::size_t changeAt = 0;
    std::uint32_t stepAt = 0;
    bool damaged = false;

    // An entry read with ticks before it waits here while the ticks go out.
    bool entryWaiting = false;
    std::uint32_t ticksBefore = 0;
    ReplayEntry waitingKind = ReplayEntry::Ticks;
    std::uint32_t waitingValue = 0;

    bool segmentRead = false;
    std::uint32_t reading = 0;
    std::int64_t lastStep = 0;
    std::uint64_t readings = 0;
    bool changeLoaded = false;
    std::uint64_t lastChangeAt = 0;
    std::uint64_t nextChangeAt = 0;
    std::int64_t nextChange = 0;
};

} // namespace brinox
