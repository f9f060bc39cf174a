#include "Top10Ranking.h"

#include <algorithm>

namespace brinox::server {

namespace {

// Rows held before they are ranked and cut back to ten.
constexpr std::size_t kCutBackAt = 4096;

std::string Lowercase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool Better(const ScoreEntry& a, const ScoreEntry& b) {
    return std::tie(a.score, a.level, a.lines) > std::tie(b.score, b.level, b.lines);
}

constexpr std::size_t kPlaces = std::tuple_size_v<Top10Rows>;

} // namespace

Top10Ranking::ResultKey Top10Ranking::Key(const TransferFile& upload, const ScoreEntry& row) {
    return {Lowercase(upload.sender.email), row.startTime, row.endTime, row.score};
}

bool Top10Ranking::Counted(const TransferFile& upload, const ScoreEntry& row) const {
    return seen.contains(Key(upload, row));
}

void Top10Ranking::Add(const TransferFile& upload, const Proofs& proofs) {
    for (std::size_t r = 0; r < upload.rows.size(); ++r) {
        const ScoreEntry& row = upload.rows[r];
        if (row.used != 1 || !seen.insert(Key(upload, row)).second) {
            continue;
        }
        leaders.push_back({row, proofs[r], static_cast<std::int32_t>(r)});
        leaders.back().row.country = upload.sender.country;
    }
    if (leaders.size() >= kCutBackAt) {
        CutBack();
    }
}

void Top10Ranking::CutBack() {
    leaders = Ranked(std::move(leaders));
}

Top10Rows Top10Ranking::Result() const {
    const std::vector<Leader> ranked = Ranked(leaders);
    Top10Rows top{};
    for (std::size_t place = 0; place < ranked.size(); ++place) {
        top[place] = ranked[place].row;
    }
    return top;
}

ReplayBundle Top10Ranking::ResultReplays(const ReplayReader& read) const {
    const std::vector<Leader> ranked = Ranked(leaders);
    ReplayBundle bundle;
    for (std::size_t place = 0; place < ranked.size(); ++place) {
        if (ranked[place].bundle.empty()) {
            continue;
        }
        if (auto replay = read(ranked[place].bundle, ranked[place].bundleRow)) {
            bundle.replays.push_back({static_cast<std::int32_t>(place), std::move(*replay)});
        }
    }
    return bundle;
}

std::vector<Top10Ranking::Leader> Top10Ranking::Ranked(std::vector<Leader> rows) {
    // Stable: a full tie keeps arrival order, and every row kept after a cut
    // arrived before every row added later.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Leader& a, const Leader& b) { return Better(a.row, b.row); });
    rows.resize(std::min(rows.size(), kPlaces));
    return rows;
}

} // namespace brinox::server
