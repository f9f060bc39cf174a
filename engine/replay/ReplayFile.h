// The bytes of one replay, as kept in the replays folder and sent with a
// championship result. Layout (numbers are LEB128 varints, signed ones
// zig-zag coded; see ReplayWriter for the streams):
//   "BXRP" signature, format number, engine version (length, bytes),
//   the 15 settings fields (signed), the generator's state,
//   inputs (length, bytes), answers (length, bytes),
//   clock steps (count, then count/4 rounded up bytes), clock escapes and
//   clock changes (length, bytes each).
// Nothing may follow. Decoding checks every length against what is left, so
// a damaged or hostile file is refused without reading past its end.
#pragma once

#include "Replay.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace brinox {

class ReplayFile {
public:
    static constexpr char kSignature[] = "BXRP";
    static constexpr std::uint64_t kFormat = 1;
    // Far more than any game: about 30 hours of play.
    static constexpr std::size_t kMaxBytes = 8u << 20;

    static std::vector<std::uint8_t> Encode(const Replay& replay);
    static std::optional<Replay> Decode(const std::vector<std::uint8_t>& bytes);
};

} // namespace brinox
