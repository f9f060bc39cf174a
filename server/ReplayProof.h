// Whether a row of a result upload is proven by its replay, played again by
// the game's own engine: verified when the replay plays a Quadel World
// Championship game with exactly the row's score, level, lines, pieces,
// bombs and played time; rejected when it plays anything else or cannot be
// played; unverified without a replay, or with one recorded by another
// version of the rules, which this engine cannot play.
#pragma once

#include "scores/ScoreEntry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brinox::server {

enum class Proof { Verified, Unverified, Rejected };

struct RowProof {
    Proof proof = Proof::Unverified;
    std::string reason; // why it was rejected or left unverified
};

// replay: the replay file sent for the row, or null.
RowProof ProveRow(const ScoreEntry& row, const std::vector<std::uint8_t>* replay);

} // namespace brinox::server
