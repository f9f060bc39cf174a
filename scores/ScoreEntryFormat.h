// How a ScoreEntry is laid down in the table files: the same field order in
// data.ttb, the result upload and the world Top 10, with the nine counters
// optionally offset by a per-field multiple of the file key (data.ttb only).
//
// Loaded rows keep every number as it stands, `used` and `bombsOn` too:
// they are only shown and compared, and a row counts as used, or its game
// as played with bombs, only where the value is exactly 1.
#pragma once

#include "ScoreEntry.h"

#include <array>
#include <cstdint>

namespace brinox {

class Archive;

class EntryDisguise {
public:
    // Plain integers.
    EntryDisguise() = default;
    // The offsets of data.ttb for a file key.
    static EntryDisguise ForKey(std::int32_t fileKey);

    std::array<std::uint32_t, 9> offsets{};
};

void WriteScoreEntry(Archive& archive, const ScoreEntry& entry, const EntryDisguise& disguise,
                     bool withCountry);
// Reads one whole row into entry; on failure entry is unchanged.
bool ReadScoreEntry(Archive& archive, ScoreEntry& entry, const EntryDisguise& disguise,
                    bool withCountry);

} // namespace brinox
