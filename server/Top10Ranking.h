// The world Top 10 built upload by upload, in the order the uploads arrived:
// each used row with its sender's country, counted once however often it
// was sent (same sender e-mail, case aside, start time, end time and score),
// ordered like a best-score table (score, then level, then lines, all
// descending) and, on a full tie, the earlier upload first.
//
// Memory grows only with the distinct results seen (their keys); the rows
// themselves, with where the replays that proved them lie, are cut back to
// the leaders as they come.
#pragma once

#include "scores/ReplayBundle.h"
#include "scores/Top10File.h"
#include "scores/TransferFile.h"

#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace brinox::server {

class Top10Ranking {
public:
    // The replays bundle that proved each row, by row; empty: none.
    using Proofs = std::array<std::string, ScoreTable::kRows>;
    // Reads the replay of a row of a bundle; nullopt when it cannot.
    using ReplayReader =
        std::function<std::optional<std::vector<std::uint8_t>>(const std::string&, std::int32_t)>;

    void Add(const TransferFile& upload, const Proofs& proofs = {});
    // Whether a row of an upload is a result already counted.
    bool Counted(const TransferFile& upload, const ScoreEntry& row) const;
    Top10Rows Result() const;
    // The replays of the Top 10's rows that have one, under their places (0..9).
    ReplayBundle ResultReplays(const ReplayReader& read) const;

private:
    using ResultKey = std::tuple<std::string, std::string, std::string, std::int32_t>;

    struct Leader {
        ScoreEntry row;
        std::string bundle; // empty: no proof
        std::int32_t bundleRow = 0;
    };

    static ResultKey Key(const TransferFile& upload, const ScoreEntry& row);
    void CutBack();
    // The best ten, best first.
    static std::vector<Leader> Ranked(std::vector<Leader> leaders);

    std::set<ResultKey> seen;
    std::vector<Leader> leaders; // arrival order, or ranked after a cut
};

} // namespace brinox::server
