// Whether a row of a result upload is proven by its replay, played again by
// the game's own engine as a championship proof (ReplayPlayer::Verify):
// verified when the replay is a Quadel World Championship game the program
// could have played, with exactly the row's figures, start and end; rejected
// when it is anything else, cannot be played, or is larger than any real
// game's; unverified without a replay, or with one recorded by another
// version of the rules, which this engine cannot play.
//
// A verified game played faster than a strong human can (HumanLimits) is
// not rejected: the ranking holds it for the organiser's review.
#pragma once

#include "engine/replay/ChampionshipAudit.h"
#include "scores/ScoreEntry.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace brinox::server {

enum class Proof : std::int32_t { Verified = 0, Unverified = 1, Rejected = 2 };

struct RowProof {
    Proof proof = Proof::Unverified;
    std::string reason; // why it was rejected or left unverified
    PlayRates rates;
    std::string fingerprint; // the game's, when verified
};

// A replay of four hours of play is far longer than any championship game.
inline constexpr std::size_t kMaxReplayBytes = 512 * 1024;
// Ten such replays and their framing.
inline constexpr std::size_t kMaxBundleBytes = 10 * kMaxReplayBytes + 4096;

// The fastest play a strong human reaches. Sources in server/README.md: the
// Guinness record of the 40-line Tetris race (5.135 pieces a second, over
// 19.68 s) and the typing records (17.7 key presses a second at 212 words a
// minute in a burst, 12.5 at 150 words a minute for 50 minutes).
struct HumanLimits {
    static constexpr double kPeakKeysPerSecond = 25;
    static constexpr double kSustainedKeysPerSecond = 15;
    static constexpr double kPiecesPerSecond = 5.135;
    static bool Beyond(const PlayRates& rates);
};

// replay: the replay file sent for the row, or null.
RowProof ProveRow(const ScoreEntry& row, const std::vector<std::uint8_t>* replay);

// The digest of a replay's bytes (hex SHA-256).
std::string ReplayDigest(std::span<const std::uint8_t> replay);
// The name a verdict is kept under: the replay (by its digest) and every
// figure of the row the verdict depends on.
std::string VerdictKey(const ScoreEntry& row, const std::string& replayDigest);

} // namespace brinox::server
