// Fills the streams of a Replay while a game is recorded. Most ticks change
// nothing, so the encoding leans on repetition:
// - inputs: one byte an entry, holding up to 7 ticks that came before it; a
//   game key pressed or released is that one byte, a longer run of ticks
//   and the rarer entries a byte and a number;
// - clock: each input's first reading costs two bits when its step from the
//   reading before is within 1 ms of the previous step; a later reading that
//   differs from the one before it (after an animation, or a millisecond
//   that turned during the input) is one pair of numbers.
#pragma once

#include "Replay.h"

#include <cstdint>
#include <vector>

namespace brinox {

class ReplayWriter {
public:
    explicit ReplayWriter(Replay& replay) : replay(replay) {}

    // An input begins: the next clock reading is its first.
    void Segment() { segmentRead = false; }
    void Tick() { ++pendingTicks; }
    // An entry of the inputs stream, after the ticks counted so far.
    void Entry(ReplayEntry kind, std::uint32_t value = 0);
    // A game key pressed or released (key: 0..4, a GameKey).
    void GameKey(std::int32_t key, bool up);
    void Settings(const ReplaySettings& settings);
    void Answer(std::int64_t value);
    void ClockReading(std::uint32_t milliseconds);
    // Writes the ticks still counted; the replay is complete after it.
    void Flush();

    static void PutNumber(std::vector<std::uint8_t>& bytes, std::uint64_t value);
    static void PutSigned(std::vector<std::uint8_t>& bytes, std::int64_t value);
    static void PutSettings(std::vector<std::uint8_t>& bytes, const ReplaySettings& settings);
    // Whether an entry of this kind carries a number after its byte.
    static bool HasValue(ReplayEntry kind);

private:
    // The byte's share of the pending ticks; longer runs go first as a Ticks entry.
    std::uint8_t TakeTicks();
    void PutStepCode(std::uint8_t code);

    Replay& replay;
    std::int64_t pendingTicks = 0;
    bool segmentRead = false;
    std::uint32_t lastReading = 0;
    std::int64_t lastStep = 0;
    std::uint64_t readings = 0;
    std::uint64_t lastChangeAt = 0;
};

} // namespace brinox
