// The replays of the rows of the seven local tables, kept in the `replays/`
// folder of the game directory, one file a row: the row replay signature,
// its format number, then the replay file's bytes as one string.
//
// A row's file is named after what identifies the row, its table and a hash
// of its stored fields, so the name follows the row when later insertions
// move it down. Invariant after each Sweep: the folder holds exactly the
// replays of the used rows of the tables given (a file being written by
// another game at that moment aside). A missing, foreign or damaged file is
// no replay; nothing here ever throws or changes a table.
#pragma once

#include "ScoreEntry.h"
#include "ScoreTableSet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brinox {

class ReplayStore {
public:
    explicit ReplayStore(const std::string& appDirectory);

    // Keeps the replay of a row of a local table (0..6), replacing the file
    // atomically; false when it is not kept (no such table, not a replay, or
    // the folder or file could not be written).
    bool Put(std::int32_t table, const ScoreEntry& row,
             const std::vector<std::uint8_t>& replay) const;
    // The replay kept for a row, or nullopt when there is none or it is damaged.
    std::optional<std::vector<std::uint8_t>> Get(std::int32_t table, const ScoreEntry& row) const;
    // Removes every file of the folder that is not the replay of a used row of a local table.
    void Sweep(const ScoreTableSet& tables) const;

    // The file name of a row's replay: "<table>-<hash>.replay".
    static std::string FileName(std::int32_t table, const ScoreEntry& row);

private:
    std::string folder; // ends in '/'
};

} // namespace brinox
