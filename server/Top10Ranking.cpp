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

} // namespace

Top10Ranking::ResultKey Top10Ranking::Key(const TransferFile& upload, const ScoreEntry& row) {
    return {Lowercase(upload.sender.email), row.startTime, row.endTime, row.score};
}

bool Top10Ranking::Counted(const TransferFile& upload, const ScoreEntry& row) const {
    return seen.contains(Key(upload, row));
}

void Top10Ranking::Add(const TransferFile& upload) {
    for (const ScoreEntry& row : upload.rows) {
        if (row.used != 1 || !seen.insert(Key(upload, row)).second) {
            continue;
        }
        leaders.push_back(row);
        leaders.back().country = upload.sender.country;
    }
    if (leaders.size() >= kCutBackAt) {
        CutBack();
    }
}

void Top10Ranking::CutBack() {
    leaders = Ranked(std::move(leaders));
}

Top10Rows Top10Ranking::Result() const {
    const std::vector<ScoreEntry> ranked = Ranked(leaders);
    Top10Rows top{};
    std::copy(ranked.begin(), ranked.end(), top.begin());
    return top;
}

std::vector<ScoreEntry> Top10Ranking::Ranked(std::vector<ScoreEntry> rows) {
    // Stable: a full tie keeps arrival order, and every row kept after a cut
    // arrived before every row added later.
    std::stable_sort(rows.begin(), rows.end(), Better);
    rows.resize(std::min(rows.size(), Top10Rows().size()));
    return rows;
}

} // namespace brinox::server
