// The replays of the rows of the eight tables, kept in the `replays/` folder
// of the game directory, one file a row: the row replay signature, its
// format number, then the replay file's bytes as one string. A local row
// keeps the replay of the game that made it; a world Top 10 row the one the
// server published with it, once PlaysRow has found it to be that row's game.
//
// A row's file is named after what identifies the row, its table and a hash
// of its stored fields, so the name follows the row when later insertions
// move it down, and a row that an update or CLEAR replaces no longer finds
// the old row's replay. Invariant after each Sweep: the folder holds exactly
// the replays of the used rows of the tables given (a file being written by
// another game at that moment aside). A missing, foreign or damaged file is
// no replay; nothing here ever throws or changes a table.
#pragma once

#include "ScoreEntry.h"
#include "ScoreTableSet.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brinox {

class Archive;

class ReplayStore {
public:
    explicit ReplayStore(const std::string& appDirectory);

    // Keeps the replay of a row, replacing the file atomically; false when it
    // is not kept (no such table, not a replay, or the folder or file could
    // not be written).
    bool Put(std::int32_t table, const ScoreEntry& row,
             const std::vector<std::uint8_t>& replay) const;
    // The replay kept for a row, or nullopt when there is none or it is damaged.
    std::optional<std::vector<std::uint8_t>> Get(std::int32_t table, const ScoreEntry& row) const;
    // Removes every file of the folder that is not the replay of a used row.
    void Sweep(const ScoreTableSet& tables) const;

    // Whether the replay, played again with this engine, ends in exactly the
    // row's figures, times included: then it is that row's game. `abandon`,
    // asked at every tick, may stop the play early (false then). A replay of
    // other rules, or damaged, plays no row.
    static bool PlaysRow(const std::vector<std::uint8_t>& replay, const ScoreEntry& row,
                         const std::function<bool()>& abandon = {});

    // The file name of a row's replay: "<table>-<hash>.replay".
    static std::string FileName(std::int32_t table, const ScoreEntry& row);
    // The replay file a row's file holds, from an archive opened on it;
    // nullopt when the signature or the string is not there.
    static std::optional<std::vector<std::uint8_t>> ReadRowFile(Archive& archive);

private:
    std::string folder; // ends in '/'
};

} // namespace brinox
